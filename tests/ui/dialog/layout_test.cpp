// Maximising the main dialog: each control of template 101 moves and grows by its share of the growth.
#include "tests/ui/dialog/main_dialog_harness.h"

#include "res/dialog_ids.h"

namespace {

// The controls in template order: id (-1 for a label, then known by its text) and how it follows the growth.
struct Follow {
    int id;
    const wchar_t* text;
    int moveX, moveY, sizeX, sizeY;
};
const Follow kTemplate[] = {
    {IDCANCEL, nullptr, 100, 100, 0, 0},
    {IDC_OPEN, nullptr, 0, 0, 0, 0},
    {IDC_REMOVE_ALL, nullptr, 0, 0, 0, 0},
    {IDC_REMOVE, nullptr, 0, 0, 0, 0},
    {IDC_ADD, nullptr, 0, 0, 0, 0},
    {IDC_REPORT, nullptr, 0, 0, 0, 0},
    {IDC_LIST, nullptr, 0, 0, 100, 100},
    {-1, L"Масса растворителя", 100, 0, 0, 0},
    {-1, L"m1", 100, 0, 0, 0},
    {IDC_M1, nullptr, 100, 0, 0, 0},
    {-1, L"m2", 100, 0, 0, 0},
    {IDC_M2, nullptr, 100, 0, 0, 0},
    {-1, L"m3", 100, 0, 0, 0},
    {IDC_M3, nullptr, 100, 0, 0, 0},
    {-1, L"m4", 100, 0, 0, 0},
    {IDC_M4, nullptr, 100, 0, 0, 0},
    {-1, L"Масса навески", 100, 0, 0, 0},
    {IDC_PORTION_MASS, nullptr, 100, 0, 0, 0},
    {-1, L"Масса пробы", 100, 0, 0, 0},
    {IDC_SAMPLE_MASS, nullptr, 100, 0, 0, 0},
    {-1, L"Молярная доля воды", 0, 100, 0, 0},
    {IDC_WATER, nullptr, 0, 100, 0, 0},
    {-1, L"Список ошибок", 0, 100, 100, 0},
    {IDC_ERRORS, nullptr, 0, 100, 100, 0},
    {IDC_RECALCULATE, nullptr, 100, 0, 0, 0},
};

SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return SIZE{client.right, client.bottom};
}

class MainDialogLayoutTest : public MainDialogTest {
protected:
    std::vector<HWND> Children() const {
        std::vector<HWND> children;
        for (HWND child = GetWindow(dialog.m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            children.push_back(child);
        return children;
    }
};

TEST_F(MainDialogLayoutTest, TemplateHoldsTheControlsInTabOrderWithoutADefaultButton) {
    const std::vector<HWND> children = Children();
    ASSERT_EQ(children.size(), std::size(kTemplate));
    for (size_t i = 0; i < children.size(); ++i) {
        const Follow& expected = kTemplate[i];
        EXPECT_EQ(GetDlgCtrlID(children[i]), expected.id) << i;
        if (expected.text) {
            EXPECT_EQ(WindowText(children[i]), expected.text) << i;
        }
        const LONG style = GetWindowLongW(children[i], GWL_STYLE);
        EXPECT_EQ((style & WS_TABSTOP) != 0, expected.id != -1) << i;
        if (expected.id != -1 && expected.id != IDC_LIST) {
            EXPECT_FALSE(SendMessageW(children[i], WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) << i;
        }
    }
}

TEST_F(MainDialogLayoutTest, MaximisingMovesAndStretchesEachControlByItsShare) {
    const std::vector<HWND> children = Children();
    ASSERT_EQ(children.size(), std::size(kTemplate));
    std::vector<RECT> before;
    for (HWND child : children) before.push_back(ControlRect(child));
    const SIZE start = ClientSize(dialog.m_hWnd);

    dialog.ShowWindow(SW_MAXIMIZE);
    PumpMessages();
    const SIZE grown = ClientSize(dialog.m_hWnd);
    const int dx = grown.cx - start.cx;
    const int dy = grown.cy - start.cy;
    if (dx <= 0 || dy <= 0) GTEST_SKIP() << "the screen is not larger than the dialog";

    for (size_t i = 0; i < children.size(); ++i) {
        const Follow& rule = kTemplate[i];
        const RECT after = ControlRect(children[i]);
        EXPECT_EQ(after.left, before[i].left + dx * rule.moveX / 100) << i;
        EXPECT_EQ(after.top, before[i].top + dy * rule.moveY / 100) << i;
        EXPECT_EQ(after.right - after.left, before[i].right - before[i].left + dx * rule.sizeX / 100) << i;
        EXPECT_EQ(after.bottom - after.top, before[i].bottom - before[i].top + dy * rule.sizeY / 100) << i;
    }

    dialog.ShowWindow(SW_RESTORE);
    PumpMessages();
    for (size_t i = 0; i < children.size(); ++i) {
        const RECT back = ControlRect(children[i]);
        EXPECT_EQ(back.left, before[i].left) << i;
        EXPECT_EQ(back.bottom, before[i].bottom) << i;
    }
}

}  // namespace
