#include <gtest/gtest.h>

#include "hostsim/main_window.h"
#include "hostsim/script.h"
#include "hostsim/text_output.h"

namespace {

TEST(EscapeText, WritesLineBreaksAndTabsAsEscapes) {
    struct Case {
        const wchar_t* text;
        const wchar_t* printed;
    };
    const Case cases[] = {
        {L"", L""},
        {L"a\r\nb", L"a\\nb"},
        {L"a\nb", L"a\\nb"},
        {L"a\rb", L"a\\rb"},
        {L"\r\r\n\n", L"\\r\\n\\n"},
        {L"x\ty", L"x\\ty"},
        {L"C:\\путь\\файл", L"C:\\путь\\файл"},
    };
    for (const Case& c : cases) EXPECT_EQ(EscapeText(c.text), c.printed) << c.printed;
}

TEST(SplitMenuPath, GivesTheLevelsAndDropsEmptyOnes) {
    EXPECT_EQ(SplitMenuPath(L"Данные/Расчёты/Нарвелин"),
              (std::vector<std::wstring>{L"Данные", L"Расчёты", L"Нарвелин"}));
    EXPECT_EQ(SplitMenuPath(L"/Data//Narvelin/"), (std::vector<std::wstring>{L"Data", L"Narvelin"}));
    EXPECT_EQ(SplitMenuPath(L"Single"), (std::vector<std::wstring>{L"Single"}));
    EXPECT_TRUE(SplitMenuPath(L"").empty());
}

TEST(ScriptWords, SplitOnBlanks) {
    EXPECT_EQ(SplitFirstWord(L"set 1009 some text"),
              (std::pair<std::wstring, std::wstring>{L"set", L"1009 some text"}));
    EXPECT_EQ(SplitFirstWord(L"set 1009"), (std::pair<std::wstring, std::wstring>{L"set", L"1009"}));
    EXPECT_EQ(SplitFirstWord(L"rows"), (std::pair<std::wstring, std::wstring>{L"rows", L""}));
    EXPECT_EQ(Words(L"  17\t-3  257 "), (std::vector<std::wstring>{L"17", L"-3", L"257"}));
    EXPECT_EQ(ParseInt(L"-2147483648"), INT32_MIN);
    EXPECT_THROW(ParseInt(L"2147483648"), StepError);
    EXPECT_THROW(ParseInt(L""), StepError);
    EXPECT_EQ(ParseDouble(L"0.1"), 0.1);
    EXPECT_THROW(ParseDouble(L"0.1x"), StepError);
}

TEST(ScriptWords, AssayIdsTakeEveryValueThePickerCanWrite) {
    const struct {
        const wchar_t* text;
        uint32_t id;
    } ids[] = {{L"0", 0},
               {L"2147483648", 0x80000000u},
               {L"3000000000", 3000000000u},
               {L"4294967295", 0xFFFFFFFFu},
               {L"-1", 0xFFFFFFFFu},
               {L"-2147483648", 0x80000000u}};
    for (const auto& id : ids) EXPECT_EQ(ParseAssayId(id.text), id.id);
    for (const wchar_t* text : {L"4294967296", L"-2147483649", L"1e3", L""})
        EXPECT_THROW(ParseAssayId(text), StepError);
}

}  // namespace
