#include "ui/list_texts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

namespace {

TEST(FileNameOfPath, KeepsWhatFollowsTheLastBackslash) {
    const struct {
        std::wstring path;
        std::wstring expected;
    } cases[] = {
        {L"C:\\data\\run\\a1.stg", L"a1.stg"},
        {L"a1.stg", L"a1.stg"},
        {L"", L""},
        {L"C:\\data\\", L""},
        {L"\\\\server\\share\\проба 1.stg", L"проба 1.stg"},
        {L"C:/data/run/a1.stg", L"C:/data/run/a1.stg"},
    };
    for (const auto& c : cases) EXPECT_EQ(FileNameOfPath(c.path), c.expected) << c.path;
}

TEST(SavedAssayText, IdFrom2To31OnWrittenAsTheSignedIdWasWidened) {
    const struct {
        uint32_t id;
        int32_t checked;
        std::wstring expected;
    } cases[] = {
        {1234, 1, L"1234/1"},
        {7, 0, L"7/0"},
        {0, 0, L"0/0"},
        {0x7FFFFFFFu, 1, L"2147483647/1"},
        {0xFFFFFFFFu, 0, L"18446744073709551615/0"},
        {0x80000000u, 0, L"18446744071562067968/0"},
    };
    for (const auto& c : cases) EXPECT_EQ(SavedAssayText(c.id, c.checked), c.expected) << c.id;
}

TEST(ParseSavedAssayId, ReadsTheDecimalBeforeTheFirstSlash) {
    const struct {
        std::wstring text;
        std::optional<uint32_t> expected;
    } cases[] = {
        {L"1234/1", 1234},
        {L"1234/", 1234},
        {L"  \t42/0", 42},
        {L"42abc/1", 42},
        {L"0042/1/7", 42},
        {L"18446744073709551615/0", 0xFFFFFFFFu},
        {L"18446744071562067968/0", 0x80000000u},
        {L"2147483648/0", 0x80000000u},
        {L"4294967297/0", 1},
        {L"18446744073709551616/0", std::nullopt},
        {L"1234", std::nullopt},
        {L"", std::nullopt},
        {L"/1", std::nullopt},
        {L"abc/1", std::nullopt},
        {L"-5/1", std::nullopt},
        {L"404", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseSavedAssayId(c.text), c.expected) << c.text;
}

TEST(ParseSavedAssayId, ReadsBackEveryTextASaveWrites) {
    for (const uint32_t id : {1u, 99u, 123456u, 0x7FFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFB3u, 0x80000000u}) {
        for (const int32_t checked : {0, 1}) EXPECT_EQ(ParseSavedAssayId(SavedAssayText(id, checked)), id);
    }
}

}  // namespace
