#include "dialogkit/data_exchange.h"
#include "dialogkit/resources.h"
#include "strings/string_ids.h"
#include "text/number_text.h"

#include "shown_dialog.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

class DataExchange : public ShownDialog {
protected:
    std::wstring text(int id) { return dialog.GetDlgItemText(id); }
    void type(int id, const wchar_t* value) { dialog.SetDlgItemText(id, value); }
};

TEST_F(DataExchange, InitialisationShowsTheValues) {
    EXPECT_EQ(text(IDC_NUMBER1), L"1");
    EXPECT_EQ(text(IDC_NUMBER2), L"2");
    EXPECT_EQ(text(IDC_NUMBER3), L"3");
    EXPECT_EQ(text(IDC_WATER), L"0");
    EXPECT_NE(dialog.list.m_hWnd, nullptr);
    EXPECT_EQ(dialog.list.m_hWnd, dialog.GetDlgItem(IDC_LIST));
}

TEST_F(DataExchange, NumbersAreShownWithFifteenDigitsAndReadBack) {
    struct Row {
        double value;
        const wchar_t* shown;
    };
    const Row table[] = {
        {1.0 / 3, L"0.333333333333333"},
        {1e20, L"1e+20"},
        {-0.0, L"-0"},
        {123456789012345678.0, L"1.23456789012346e+17"},
        {kInf, L"inf"},
        {-kInf, L"-inf"},
        {kNaN, L"nan"},
    };
    for (const Row& row : table) {
        dialog.number1 = dialog.water = row.value;
        ASSERT_TRUE(dialog.UpdateData(false));
        EXPECT_EQ(text(IDC_NUMBER1), row.shown);
        EXPECT_EQ(text(IDC_WATER), row.shown);
        // What is not finite is no number the analyst may give (the next test).
        if (!std::isfinite(row.value)) continue;
        dialog.number1 = 12345;
        ASSERT_TRUE(dialog.UpdateData(true)) << row.value;
        EXPECT_EQ(FormatGeneral(dialog.number1, 15), row.shown);
    }
    EXPECT_TRUE(boxes.texts().empty());
}

TEST_F(DataExchange, TextsGoBothWaysUnchanged) {
    dialog.errors = L"строка 1\r\nстрока 2";
    ASSERT_TRUE(dialog.UpdateData(false));
    EXPECT_EQ(text(IDC_ERRORS), L"строка 1\r\nстрока 2");
    type(IDC_ERRORS, L"");
    ASSERT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.errors, L"");
}

TEST_F(DataExchange, BadNumberStopsTheExchangeAtItsControl) {
    struct Row {
        const wchar_t* second;  // the text of the second number
        std::optional<double> taken;
    };
    const Row table[] = {
        {L"abc", {}}, {L"", {}}, {L"   ", {}}, {L"-", {}}, {L" 5.5 кг", {}}, {L"nan", {}}, {L" 10,0157 ", 10.0157},
    };
    for (const Row& row : table) {
        dialog.number1 = dialog.number2 = dialog.number3 = 9;
        dialog.errors = L"before";
        type(IDC_NUMBER1, L"10");
        type(IDC_NUMBER2, row.second);
        type(IDC_NUMBER3, L"30");
        type(IDC_ERRORS, L"after");
        boxes.clear();
        const bool taken = dialog.UpdateData(true);
        EXPECT_EQ(taken, row.taken.has_value()) << testing::PrintToString(std::wstring(row.second));
        EXPECT_EQ(dialog.number1, 10);
        if (row.taken) {
            EXPECT_TRUE(boxes.texts().empty());
            EXPECT_EQ(dialog.number2, *row.taken);
            EXPECT_EQ(dialog.number3, 30);
            EXPECT_EQ(dialog.errors, L"after");
            continue;
        }
        // The values from the refused one on keep what they had.
        EXPECT_EQ(dialog.number2, 9);
        EXPECT_EQ(dialog.number3, 9);
        EXPECT_EQ(dialog.errors, L"before");
        EXPECT_EQ(boxes.texts(), std::vector<std::wstring>{std::wstring(dialogkit::ResourceText(IDS_NOT_A_NUMBER))});
        EXPECT_EQ(GetFocus(), dialog.GetDlgItem(IDC_NUMBER2));
        DWORD start = 1, end = 0;
        SendMessageW(dialog.GetDlgItem(IDC_NUMBER2), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, wcslen(row.second));
    }
}

TEST_F(DataExchange, ReadOnlyNaNIsKeptWithoutTheNumberMessage) {
    dialog.water = kNaN;
    dialog.UpdateData(false);
    EXPECT_TRUE(dialog.UpdateData(true));
    EXPECT_TRUE(std::isnan(dialog.water));
    EXPECT_TRUE(boxes.texts().empty());
}

TEST_F(DataExchange, ShowingValuesNeverAsks) {
    type(IDC_NUMBER2, L"abc");
    EXPECT_TRUE(dialog.UpdateData(false));
    EXPECT_EQ(text(IDC_NUMBER2), L"2");
    EXPECT_TRUE(boxes.texts().empty());
}

}  // namespace
