#include "hostsim/profile_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

uint64_t Bits(double value) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

double FromBits(uint64_t bits) {
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

TEST(ProfileFile, EveryValueComesBackExactly) {
    const std::wstring loneHigh(1, static_cast<wchar_t>(0xD800));
    const std::wstring loneLow(1, static_cast<wchar_t>(0xDC00));
    const std::map<std::wstring, ProfileStore::Value> values{
        {L"plugins\\talvex7\\/m1", 0.1},
        {L"negative zero", -0.0},
        {L"smallest", FromBits(1)},
        {L"nan with payload", FromBits(0x7FF8000000000123ull)},
        {L"infinity", -std::numeric_limits<double>::infinity()},
        {L"plugins\\talvex7\\/WindowRect_tlx", std::numeric_limits<int32_t>::min()},
        {L"plugins\\talvex7\\/Assay 1", std::wstring(L"17/1")},
        {L"key\twith\r\nbreaks\\", std::wstring(L"вода\t\r\n\\u0041")},
        {L"surrogates" + loneHigh, loneLow + L"x" + loneHigh + L"\U0001F600"},
        {L"empty", std::wstring()},
    };
    const auto back = ParseProfile(SerializeProfile(values));
    ASSERT_EQ(back.size(), values.size());
    for (const auto& [key, value] : values) {
        ASSERT_TRUE(back.count(key)) << "a key was lost";
        const ProfileStore::Value& read = back.at(key);
        ASSERT_EQ(read.index(), value.index());
        if (const double* number = std::get_if<double>(&value))
            EXPECT_EQ(Bits(std::get<double>(read)), Bits(*number));
        else
            EXPECT_TRUE(read == value);
    }
}

TEST(ProfileFile, OneValueALineWithTypeKeyAndValue) {
    EXPECT_EQ(SerializeProfile({{L"m1", 1.0}, {L"n", 7}, {L"t", std::wstring(L"a\tb")}}),
              "double\tm1\t3ff0000000000000\nint\tn\t7\nstring\tt\ta\\tb\n");
}

TEST(ProfileFile, RejectsWhatItCannotRead) {
    for (const char* bytes : {"int\tkey\n", "float\tkey\t1\n", "int\tkey\t12x\n", "int\tkey\t\n",
                              "int\tkey\t99999999999\n", "double\tkey\t3ff00000\n", "string\tkey\tbad\\q\n",
                              "string\tkey\tend\\\n", "string\tkey\t\\u12\n", "string\tkey\t\\uXYZW\n"}) {
        EXPECT_THROW(ParseProfile(bytes), ProfileFileError) << bytes;
    }
}

TEST(ProfileFile, BlankLinesAndAMissingLastLineEndAreRead) {
    const auto values = ParseProfile("\nint\ta\t1\n\nint\tb\t2");
    EXPECT_EQ(values.size(), 2u);
    EXPECT_EQ(std::get<int32_t>(values.at(L"b")), 2);
}

}  // namespace
