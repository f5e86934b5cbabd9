// UTF-8 beside the wide texts: the bytes each character takes, what malformed bytes read as, and that every
// wide text comes back from its bytes unchanged.

#include "text/utf8_text.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct Encoded {
    std::wstring text;
    std::string bytes;
};

TEST(Utf8Text, WritesEachCharacterAndReadsItBack) {
    const Encoded table[] = {
        {L"", ""},
        {L"plain / text", "plain / text"},
        {L"Данные/Расчёты/Нарвелин",
         "\xD0\x94\xD0\xB0\xD0\xBD\xD0\xBD\xD1\x8B\xD0\xB5/"
         "\xD0\xA0\xD0\xB0\xD1\x81\xD1\x87\xD1\x91\xD1\x82\xD1\x8B/"
         "\xD0\x9D\xD0\xB0\xD1\x80\xD0\xB2\xD0\xB5\xD0\xBB\xD0\xB8\xD0\xBD"},
        {L"\x7F\x80\x7FF\x800\xFFFF", "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF"},
        {std::wstring(L"a\0b", 3), std::string("a\0b", 3)},
        {L"\U0001D11E\U0010FFFF", "\xF0\x9D\x84\x9E\xF4\x8F\xBF\xBF"},
        // Lone surrogates keep their own value.
        {std::wstring{wchar_t(0xD800)}, "\xED\xA0\x80"},
        {std::wstring{wchar_t(0xDC00), L'x'}, "\xED\xB0\x80x"},
        {std::wstring{wchar_t(0xDBFF), wchar_t(0xDBFF)}, "\xED\xAF\xBF\xED\xAF\xBF"},
    };
    for (const Encoded& row : table) {
        SCOPED_TRACE(testing::PrintToString(row.bytes));
        EXPECT_EQ(Utf8FromWide(row.text), row.bytes);
        EXPECT_EQ(WideFromUtf8(row.bytes), row.text);
        EXPECT_EQ(WideFromStrictUtf8(row.bytes), row.text);
    }
    // A pair spelled as two units is one character on either target.
    EXPECT_EQ(Utf8FromWide(std::wstring{wchar_t(0xD834), wchar_t(0xDD1E)}), "\xF0\x9D\x84\x9E");
    if constexpr (sizeof(wchar_t) == 4) {
        EXPECT_EQ(Utf8FromWide(std::wstring{wchar_t(0x110000)}), "\xEF\xBF\xBD");
    }
}

TEST(Utf8Text, EachByteThatStartsNoSequenceReadsAsReplacement) {
    const Encoded table[] = {
        {L"\xFFFD", "\x80"},
        {L"a\xFFFD"
         L"b",
         "a\xBF"
         "b"},
        {L"\xFFFD\xFFFD", "\xC0\x80"},            // overlong zero
        {L"\xFFFD\xFFFD\xFFFD", "\xE0\x9F\xBF"},  // overlong U+07FF
        {L"\xFFFD\xFFFD\xFFFD\xFFFD", "\xF0\x8F\xBF\xBF"},
        {L"\xFFFD\xFFFD\xFFFD\xFFFD", "\xF4\x90\x80\x80"},  // beyond U+10FFFF
        {L"\xFFFD\xFFFD", "\xF5\x80"},
        {L"\xFFFD", "\xFF"},
        {L"\xFFFD", "\xD0"},  // cut at the end
        {L"\xFFFDx", "\xD0x"},
        {L"\xFFFD\xFFFD", "\xE2\x82"},
        {L"\xFFFD\x430", "\xE2\xD0\xB0"},  // a new sequence inside a cut one
    };
    for (const Encoded& row : table) {
        SCOPED_TRACE(testing::PrintToString(row.bytes));
        EXPECT_EQ(WideFromUtf8(row.bytes), row.text);
        EXPECT_EQ(WideFromStrictUtf8(row.bytes), std::nullopt);
    }
}

TEST(Utf8Text, EveryTextSurvivesTheRoundTrip) {
    for (uint32_t unit = 0; unit <= 0xFFFF; ++unit) {
        const std::wstring text{wchar_t(unit), L'.'};
        ASSERT_EQ(WideFromUtf8(Utf8FromWide(text)), text) << unit;
    }
    std::mt19937 random(2024);
    std::uniform_int_distribution<int> units(0xD7F0, 0xE010);
    for (int round = 0; round < 2000; ++round) {
        std::wstring text;
        for (int i = 0; i < 6; ++i) text.push_back(static_cast<wchar_t>(units(random)));
        const std::string bytes = Utf8FromWide(text);
        const std::optional<std::wstring> back = WideFromStrictUtf8(bytes);
        ASSERT_TRUE(back.has_value());
        // Where wchar_t is 32 bits wide a pair comes back as the one character it stands for.
        if constexpr (sizeof(wchar_t) == 2)
            ASSERT_EQ(*back, text);
        else
            ASSERT_EQ(Utf8FromWide(*back), bytes);
    }
}

}  // namespace
