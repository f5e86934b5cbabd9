#include "report/markup_text.h"

#include <gtest/gtest.h>

namespace {

struct MarkupCase {
    const wchar_t* text;
    const wchar_t* expected;
};

TEST(ReplaceLineBreaks, MarksEveryLineEndOfTheErrorList) {
    const MarkupCase cases[] = {
        {L"", L""},
        {L"без перевода строки", L"без перевода строки"},
        {L"\r\n", L"<br />"},
        {L"Проверка 1 не пройдена\r\nПроверка 2 не пройдена\r\n",
         L"Проверка 1 не пройдена<br />Проверка 2 не пройдена<br />"},
        {L"a\r\n\r\nb", L"a<br /><br />b"},
        // Only the pair is a line end; what is left of a broken pair stays.
        {L"a\rb\nc", L"a\rb\nc"},
        {L"\r\r\n\n", L"\r<br />\n"},
        {L"a\n\r\nb", L"a\n<br />b"},
    };
    for (const MarkupCase& c : cases) {
        EXPECT_EQ(ReplaceLineBreaks(c.text), c.expected);
    }
}

}  // namespace
