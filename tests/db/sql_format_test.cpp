#include "db/sql_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

using DataBase::FormatSql;

namespace {

struct FormatCase {
    std::wstring format;
    std::vector<DataBase::SqlFormatArg> args;
    std::wstring expected;
};

TEST(SqlFormat, DirectivesTakeTheArgumentsInOrder) {
    const std::wstring table = L"peak";
    const FormatCase cases[] = {
        {L"SELECT 1;", {}, L"SELECT 1;"},
        {L"SELECT nameid  FROM [peak];", {}, L"SELECT nameid  FROM [peak];"},
        {L"100%%", {}, L"100%"},
        {L"%d,%i,%u", {-5, 0, 7u}, L"-5,0,7"},
        {L"%u", {uint32_t{4294967295u}}, L"4294967295"},
        {L"%lld", {std::numeric_limits<int64_t>::min()}, L"-9223372036854775808"},
        {L"%llu", {std::numeric_limits<uint64_t>::max()}, L"18446744073709551615"},
        {L"%ld %hd %zu", {int32_t{-2147483647 - 1}, int16_t{-3}, std::size_t{9}}, L"-2147483648 -3 9"},
        {L"SELECT * FROM [%s] WHERE id = %d;", {table, 12}, L"SELECT * FROM [peak] WHERE id = 12;"},
        {L"'%ls'", {L"вода"}, L"'вода'"},
        {L"%s", {L""}, L""},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatSql(c.format, c.args), c.expected) << "format " << (&c - cases);
}

TEST(SqlFormat, CallingFaultsAreRefused) {
    const FormatCase cases[] = {
        {L"%d", {}, L"too few"},           {L"SELECT 1;", {1}, L"too many"},
        {L"%s", {1}, L"integer for text"}, {L"%d", {L"1"}, L"text for integer"},
        {L"%f", {1}, L"unsupported"},      {L"%x", {1}, L"unsupported"},
        {L"LIKE '%", {}, L"incomplete"},   {L"%l", {1}, L"incomplete"},
    };
    for (const auto& c : cases)
        EXPECT_THROW(FormatSql(c.format, c.args), std::invalid_argument) << "case " << (&c - cases);
}

}  // namespace
