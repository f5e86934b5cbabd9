#include "hostsim/message_recorder.h"

#include <gtest/gtest.h>

#include "hostsim/host_state.h"

namespace {

INT_PTR CALLBACK CloseOnCommand(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return message == WM_INITDIALOG;
}

TEST(MessageRecorder, RecordsEachBoxAndAnswersItsDefaultButton) {
    HostState state;
    MessageRecorder recorder(state);
    EXPECT_EQ(MessageBoxW(nullptr, L"нет воды", L"talvex7", MB_OK | MB_ICONERROR), IDOK);
    EXPECT_EQ(MessageBoxW(nullptr, L"second\nline", L"talvex7", MB_YESNO | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(state.messages, (std::vector<std::wstring>{L"нет воды", L"second\nline"}));
}

TEST(MessageRecorder, LeavesOtherDialogsAlone) {
    // A dialog with a static of id 0xFFFF, like the plug-in's own: not a message box.
    struct Template {
        DLGTEMPLATE dialog;
        WORD menu, windowClass, title;
    } const dialog{{WS_POPUP | WS_CAPTION | DS_MODALFRAME, 0, 0, 0, 0, 100, 60}, 0, 0, 0};
    HostState state;
    MessageRecorder recorder(state);
    HWND window = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &dialog.dialog, nullptr, &CloseOnCommand, 0);
    ASSERT_NE(window, nullptr);
    CreateWindowExW(0, L"STATIC", L"text", WS_CHILD | WS_VISIBLE, 0, 0, 50, 10, window, reinterpret_cast<HMENU>(0xFFFF),
                    nullptr, nullptr);
    ShowWindow(window, SW_SHOW);
    EXPECT_FALSE(IsMessageBox(window));
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(state.messages.empty());
    DestroyWindow(window);
}

}  // namespace
