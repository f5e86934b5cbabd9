#include "db/utf16.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Utf16Case {
    const wchar_t* wide;
    std::u16string units;
};

// Each wide text with the UTF-16 units SQLite sees for it.
const Utf16Case kCases[] = {
    {L"", u""},
    {L"assay", u"assay"},
    {L"вода", u"вода"},
    {L"\U0001F600x", u"\xD83D\xDE00x"},
    {L"a\U00010000\U0010FFFFb",
     u"a\xD800\xDC00\xDBFF\xDFFF"
     u"b"},
};

TEST(Utf16, WideTextsBecomeUtf16AndComeBack) {
    for (const auto& c : kCases) {
        const std::u16string units = DataBase::ToUtf16(c.wide);
        EXPECT_EQ(units, c.units) << "case " << (&c - kCases);
        EXPECT_EQ(DataBase::FromUtf16(units.c_str()), c.wide) << "case " << (&c - kCases);
    }
}

TEST(Utf16, ReadingStopsAtTheFirstZeroUnit) {
    const char16_t units[] = u"ab\0cd";
    EXPECT_EQ(DataBase::FromUtf16(units), L"ab");
}

TEST(Utf16, NullReadsAsEmpty) {
    EXPECT_EQ(DataBase::FromUtf16(nullptr), L"");
}

TEST(Utf16, LoneSurrogatesAreKeptAsTheyAre) {
    const char16_t units[] = {0xD800, u'x', 0xDC00, 0};
    const std::wstring wide = DataBase::FromUtf16(units);
    ASSERT_EQ(wide.size(), 3u);
    EXPECT_EQ(static_cast<unsigned>(wide[0]), 0xD800u);
    EXPECT_EQ(wide[1], L'x');
    EXPECT_EQ(static_cast<unsigned>(wide[2]), 0xDC00u);
    EXPECT_EQ(DataBase::ToUtf16(wide), std::u16string(units));
}

}  // namespace
