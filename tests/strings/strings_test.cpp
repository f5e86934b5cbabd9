#include "strings/format_text.h"
#include "strings/string_ids.h"
#include "strings/texts.h"
#include "tests/strings/text_lists.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

namespace {

// The argument numbers a text takes ("%1", "%2").
std::multiset<wchar_t> Placeholders(std::wstring_view text) {
    std::multiset<wchar_t> numbers;
    for (std::size_t at = text.find(L'%'); at != std::wstring_view::npos && at + 1 < text.size();
         at = text.find(L'%', at + 1))
        numbers.insert(text[at + 1]);
    return numbers;
}

TEST(TextLists, BuiltInTableIsTheRussianList) {
    EXPECT_EQ(RussianTexts().size(), kRussianEntries) << "an id is given twice";
    for (const auto& [id, text] : RussianTexts()) {
        EXPECT_FALSE(text.empty()) << id;
        EXPECT_EQ(BuiltInText(id), text) << id;
    }
    EXPECT_EQ(BuiltInText(IDS_NO_WATER), L"нет воды");
    EXPECT_TRUE(BuiltInText(1).empty());
}

TEST(TextLists, EnglishTranslatesEveryRussianTextWithTheSameValues) {
    EXPECT_EQ(EnglishTexts().size(), kEnglishEntries) << "an id is given twice";
    for (const auto& [id, text] : RussianTexts()) {
        const auto english = EnglishTexts().find(id);
        ASSERT_NE(english, EnglishTexts().end()) << "no English text for id " << id;
        EXPECT_FALSE(english->second.empty()) << id;
        EXPECT_EQ(Placeholders(english->second), Placeholders(text)) << id;
    }
    EXPECT_EQ(EnglishTexts().size(), RussianTexts().size());
}

TEST(FormatText, PutsEachArgumentInItsPlaceOnce) {
    const struct {
        std::wstring_view pattern;
        std::initializer_list<std::wstring_view> arguments;
        std::wstring_view expected;
    } cases[] = {
        {L"«%1» — %2", {L"a", L"b"}, L"«a» — b"},
        {L"%2 before %1", {L"a", L"b"}, L"b before a"},
        {L"%1 stays in an argument", {L"%1%2"}, L"%1%2 stays in an argument"},
        {L"100% and %3 and a last %", {L"a"}, L"100% and %3 and a last %"},
        {L"%1", {L""}, L""},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatText(c.pattern, c.arguments), c.expected);
}

}  // namespace
