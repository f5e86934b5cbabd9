// The main dialog's set-up, its data exchange with the recalculation, and closing.
#include "tests/ui/dialog/main_dialog_harness.h"

#include "dialogkit/tool_tip_ctrl.h"
#include "res/dialog_ids.h"
#include "strings/string_ids.h"

#include <commctrl.h>

namespace {

constexpr int kMassIds[] = {IDC_M1, IDC_M2, IDC_M3, IDC_M4, IDC_PORTION_MASS, IDC_SAMPLE_MASS};

struct ToolTipSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindToolTip(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<ToolTipSearch*>(data);
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    if (wcscmp(name, TOOLTIPS_CLASSW) != 0 || GetWindow(window, GW_OWNER) != search->owner) return TRUE;
    search->found = window;
    return FALSE;
}

// The tooltip window the dialog owns.
HWND ToolTipOf(HWND dialog) {
    ToolTipSearch search{dialog, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), &FindToolTip, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST_F(MainDialogTest, ListHasGridLinesFullRowSelectAndTheSixColumns) {
    HWND list = Control(IDC_LIST);
    EXPECT_EQ(SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0), LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    EXPECT_TRUE(GetWindowLongW(list, GWL_STYLE) & LVS_REPORT);
    const struct {
        const wchar_t* header;
        int width;
    } expected[] = {{L"№", 40},    {L"Имя файла", 220}, {L"Проба", 200}, {L"Время анализа", 93}, {L"Тип расчёта", 120},
                    {L"Метод", 80}};
    int index = 0;
    for (const auto& column : expected) {
        wchar_t text[64] = {};
        LVCOLUMNW read{};
        read.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        read.pszText = text;
        read.cchTextMax = 64;
        ASSERT_TRUE(SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&read)))
            << index;
        EXPECT_STREQ(text, column.header) << index;
        EXPECT_EQ(read.cx, column.width) << index;
        EXPECT_EQ(read.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT) << index;
        ++index;
    }
    LVCOLUMNW beyond{};
    beyond.mask = LVCF_WIDTH;
    EXPECT_FALSE(SendMessageW(list, LVM_GETCOLUMNW, 6, reinterpret_cast<LPARAM>(&beyond)));
}

TEST_F(MainDialogTest, CommandButtonsShowTheirIconsAndBalloonTips) {
    HWND tips = ToolTipOf(dialog.m_hWnd);
    ASSERT_NE(tips, nullptr);
    EXPECT_TRUE(GetWindowLongW(tips, GWL_STYLE) & TTS_BALLOON);
    CToolTipCtrl tooltip;
    tooltip.Attach(tips);
    EXPECT_EQ(tooltip.GetToolCount(), 5);
    const struct {
        int id;
        const wchar_t* tip;
    } buttons[] = {{IDC_ADD, L"Добавить хроматограммы"},
                   {IDC_REMOVE, L"Удалить хроматограмму"},
                   {IDC_REMOVE_ALL, L"Удалить все хроматограммы"},
                   {IDC_OPEN, L"Открыть хроматограмму"},
                   {IDC_REPORT, L"Отчет"}};
    for (const auto& button : buttons) {
        EXPECT_EQ(tooltip.GetText(Control(button.id)), button.tip) << button.id;
        auto icon = reinterpret_cast<HICON>(SendMessageW(Control(button.id), BM_GETIMAGE, IMAGE_ICON, 0));
        ASSERT_NE(icon, nullptr) << button.id;
        const SIZE size = IconSize(icon);
        EXPECT_EQ(size.cx, 16) << button.id;
        EXPECT_EQ(size.cy, 16) << button.id;
    }
    tooltip.Detach();
}

TEST_F(MainDialogTest, WindowCarriesTheModuleIconAndTheAboutItemInItsSystemMenu) {
    EXPECT_NE(SendMessageW(dialog.m_hWnd, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(dialog.m_hWnd, WM_GETICON, ICON_SMALL, 0), 0);
    HMENU menu = GetSystemMenu(dialog.m_hWnd, FALSE);
    wchar_t text[32] = {};
    ASSERT_GT(GetMenuStringW(menu, 16, text, 32, MF_BYCOMMAND), 0);
    EXPECT_STREQ(text, L"О плагине");
    const int count = GetMenuItemCount(menu);
    EXPECT_EQ(GetMenuItemID(menu, count - 1), 16u);
    EXPECT_EQ(GetMenuState(menu, static_cast<UINT>(count - 2), MF_BYPOSITION) & MF_SEPARATOR,
              static_cast<UINT>(MF_SEPARATOR));
}

TEST_F(MainDialogTest, MinimumTrackingSizeIs1038By505) {
    MINMAXINFO info{};
    SendMessageW(dialog.m_hWnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 1038);
    EXPECT_EQ(info.ptMinTrackSize.y, 505);
}

TEST_F(MainDialogTest, ANewDialogShowsZeroMassesAndNoErrors) {
    for (int id : kMassIds) EXPECT_EQ(Text(id), L"0") << id;
    EXPECT_EQ(Text(IDC_WATER), L"0");
    EXPECT_EQ(Text(IDC_ERRORS), L"");
}

// What the analyst types after a recalculation with 0.5, 1, 1.5, 2, 3.25, 10, what the fields show after the
// next recalculation, and whether the number message appeared.
struct ExchangeCase {
    const char* name;
    std::vector<std::wstring> typed;
    std::vector<std::wstring> shown;
    size_t messages;
};

const ExchangeCase kExchangeCases[] = {
    {"every field cleared keeps its value",
     {L"", L"", L"", L"", L"", L""},
     {L"0.5", L"1", L"1.5", L"2", L"3.25", L"10"},
     0},
    {"one cleared field keeps its value", {L"4", L"", L"6", L"7", L"8", L"9"}, {L"4", L"1", L"6", L"7", L"8", L"9"}, 0},
    {"letters stop the exchange at their field",
     {L"4", L"5", L"abc", L"7", L"8", L"9"},
     {L"4", L"5", L"1.5", L"2", L"3.25", L"10"},
     1},
    {"letters in the first field keep every value",
     {L"x1", L"5", L"6", L"7", L"8", L"9"},
     {L"0.5", L"1", L"1.5", L"2", L"3.25", L"10"},
     1},
    {"letters in the last field", {L"4", L"5", L"6", L"7", L"8", L"кг"}, {L"4", L"5", L"6", L"7", L"8", L"10"}, 1},
    {"a decimal comma, blanks at either end",
     {L" 3 ", L"10,0157", L"1e1", L"-0.25", L"8", L"9"},
     {L"3", L"10.0157", L"10", L"-0.25", L"8", L"9"},
     0},
    {"a number and a unit", {L"4", L"10 g", L"6", L"7", L"8", L"9"}, {L"4", L"1", L"1.5", L"2", L"3.25", L"10"}, 1},
};

class MassExchangeTest : public MainDialogTest, public testing::WithParamInterface<ExchangeCase> {};

TEST_P(MassExchangeTest, RecalculateShowsTheValuesInForce) {
    SetMasses({L"0.5", L"1", L"1.5", L"2", L"3.25", L"10"});
    Click(IDC_RECALCULATE);
    ASSERT_TRUE(boxes.empty());

    SetMasses(GetParam().typed);
    Click(IDC_RECALCULATE);
    EXPECT_EQ(boxes.size(), GetParam().messages);
    for (const std::wstring& box : boxes) EXPECT_EQ(box, L"Введите число.");
    for (size_t i = 0; i < std::size(kMassIds); ++i) EXPECT_EQ(Text(kMassIds[i]), GetParam().shown[i]) << i;
    EXPECT_TRUE(dialog.IsWindowVisible());
}

INSTANTIATE_TEST_SUITE_P(Typed, MassExchangeTest, testing::ValuesIn(kExchangeCases),
                         [](const testing::TestParamInfo<ExchangeCase>& instance) {
                             std::string name;
                             for (const char* c = instance.param.name; *c; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

TEST_F(MainDialogTest, AnEmptySetShowsNoWaterAndNamesEveryRoleAndTheEmptyFieldReadsBack) {
    SetMasses({L"1", L"1", L"1", L"1", L"1", L"10"});
    Click(IDC_RECALCULATE);
    ASSERT_EQ(Text(IDC_WATER), L"");
    const std::wstring errors = Text(IDC_ERRORS);
    size_t lines = 0;
    for (size_t at = errors.find(L"Неполный набор: «"); at != std::wstring::npos;
         at = errors.find(L"Неполный набор: «", at + 1))
        ++lines;
    EXPECT_EQ(lines, 7u) << "one line per role of the method";
    Click(IDC_RECALCULATE);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MainDialogTest, CloseHidesTheWindowAndKeepsItsValues) {
    SetMasses({L"1.25"});
    Click(IDCANCEL);
    EXPECT_FALSE(dialog.IsWindowVisible());
    ASSERT_TRUE(dialog.IsWindow());
    dialog.ShowWindow(SW_SHOWNORMAL);
    EXPECT_EQ(Text(IDC_M1), L"1.25");
}

TEST_F(MainDialogTest, OkHidesOnlyWhenEveryValueIsTaken) {
    SetText(IDC_M4, L"abc");
    Click(IDOK);
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(dialog.IsWindowVisible());

    SetText(IDC_M4, L"4");
    Click(IDOK);
    EXPECT_FALSE(dialog.IsWindowVisible());
    EXPECT_TRUE(dialog.IsWindow());
}

TEST_F(MainDialogTest, OtherSystemCommandsKeepTheirUsualMeaning) {
    SendMessageW(dialog.m_hWnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    PumpMessages();
    EXPECT_TRUE(IsIconic(dialog.m_hWnd));
    SendMessageW(dialog.m_hWnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    PumpMessages();
    EXPECT_FALSE(IsIconic(dialog.m_hWnd));
    SendMessageW(dialog.m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpMessages();
    EXPECT_FALSE(dialog.IsWindowVisible());
    EXPECT_TRUE(dialog.IsWindow());
}

}  // namespace
