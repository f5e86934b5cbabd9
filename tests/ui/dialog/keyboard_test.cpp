// Tab, Enter and Escape in a host whose message loop never calls IsDialogMessage: the module's keyboard
// hook hands the keys to the dialog manager.
#include "tests/ui/dialog/main_dialog_harness.h"

#include "res/dialog_ids.h"

namespace {

class DialogKeyboardTest : public MainDialogTest {
protected:
    // Posts the key's down and up messages to the focused control, as the keyboard would, and pumps.
    void Press(WORD key) {
        HWND focus = GetFocus();
        ASSERT_NE(focus, nullptr);
        const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
        PostMessageW(focus, WM_KEYDOWN, key, static_cast<LPARAM>(1 | (scan << 16)));
        PostMessageW(focus, WM_KEYUP, key, static_cast<LPARAM>(1 | (scan << 16) | (3u << 30)));
        PumpMessages();
    }
    // Moves the focus as the dialog manager does, so that a focused push button becomes the default one.
    void Focus(int id) {
        SetActiveWindow(dialog.m_hWnd);
        SendMessageW(dialog.m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(id)), TRUE);
        PumpMessages();
    }
};

TEST_F(DialogKeyboardTest, TabMovesToTheNextFieldInTemplateOrder) {
    const struct {
        int from;
        int to;
    } steps[] = {
        {IDC_M1, IDC_M2}, {IDC_M4, IDC_PORTION_MASS}, {IDC_SAMPLE_MASS, IDC_WATER}, {IDC_ERRORS, IDC_RECALCULATE}};
    for (const auto& step : steps) {
        Focus(step.from);
        Press(VK_TAB);
        EXPECT_EQ(GetFocus(), Control(step.to)) << step.from;
    }
}

TEST_F(DialogKeyboardTest, EscapeClosesAsTheCloseButtonDoes) {
    Focus(IDC_M2);
    Press(VK_ESCAPE);
    EXPECT_FALSE(dialog.IsWindowVisible());
    EXPECT_TRUE(dialog.IsWindow());
}

TEST_F(DialogKeyboardTest, EnterInAFieldHidesTheDialogWhenTheValuesAreTaken) {
    Focus(IDC_M1);
    SetText(IDC_M1, L"2.5");
    Press(VK_RETURN);
    EXPECT_FALSE(dialog.IsWindowVisible());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(DialogKeyboardTest, EnterWithARefusedNumberKeepsTheDialogOpen) {
    Focus(IDC_M1);
    SetText(IDC_M3, L"abc");
    Press(VK_RETURN);
    EXPECT_TRUE(dialog.IsWindowVisible());
    EXPECT_EQ(boxes, std::vector<std::wstring>{L"Введите число."});
    // The exchange stopped at the refused field and gave it the focus.
    EXPECT_EQ(GetFocus(), Control(IDC_M3));
}

TEST_F(DialogKeyboardTest, EnterOnAFocusedButtonPressesThatButton) {
    SetText(IDC_SAMPLE_MASS, L"10");
    Focus(IDC_RECALCULATE);
    Press(VK_RETURN);
    EXPECT_TRUE(dialog.IsWindowVisible());
    // An empty set: the water is not computed and the field shows no number.
    EXPECT_EQ(Text(IDC_WATER), L"");
}

TEST_F(DialogKeyboardTest, TypedCharactersStillReachTheField) {
    Focus(IDC_M1);
    SetText(IDC_M1, L"");
    for (WORD key : {WORD('4'), WORD('2')}) Press(key);
    EXPECT_EQ(Text(IDC_M1), L"42");
}

TEST_F(DialogKeyboardTest, TheHookGoesWithTheWindow) {
    // After the window is gone a key for another window of the thread passes untouched.
    dialog.DestroyWindow();
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, host.get(), nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    SetFocus(edit);
    Press(VK_RETURN);
    Press('7');
    EXPECT_EQ(WindowText(edit), L"7");
    DestroyWindow(edit);
}

}  // namespace
