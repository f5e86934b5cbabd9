#include "message_box_recorder.h"

#include "dialogkit/wnd.h"

namespace {

constexpr wchar_t kNoteClass[] = L"dialogkit.MessageBoxRecorder";
constexpr UINT kBoxActivated = WM_APP + 1;
thread_local MessageBoxRecorder* current = nullptr;

bool IsDialogClass(HWND window) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return wcscmp(name, L"#32770") == 0;
}

}  // namespace

MessageBoxRecorder::MessageBoxRecorder() {
    WNDCLASSW noteClass{};
    noteClass.lpfnWndProc = &MessageBoxRecorder::NoteProc;
    noteClass.hInstance = GetModuleHandleW(nullptr);
    noteClass.lpszClassName = kNoteClass;
    RegisterClassW(&noteClass);
    notes_.reset(CreateWindowExW(0, kNoteClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr));
    hook_.reset(SetWindowsHookExW(WH_CBT, &MessageBoxRecorder::HookProc, nullptr, GetCurrentThreadId()));
    current = this;
}

MessageBoxRecorder::~MessageBoxRecorder() {
    current = nullptr;
}

LRESULT CALLBACK MessageBoxRecorder::HookProc(int code, WPARAM wParam, LPARAM lParam) {
    auto box = reinterpret_cast<HWND>(wParam);
    // Our own dialogs are dialog-class windows too, but they have an object.
    if (code == HCBT_ACTIVATE && current && IsDialogClass(box) && !CWnd::FromHandlePermanent(box))
        PostMessageW(current->notes_.get(), kBoxActivated, wParam, 0);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK MessageBoxRecorder::NoteProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kBoxActivated || !current) return DefWindowProcW(hwnd, message, wParam, lParam);
    auto box = reinterpret_cast<HWND>(wParam);
    if (!IsWindow(box)) return 0;
    wchar_t text[1024] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 1024);
    current->texts_.emplace_back(text);
    SendMessageW(box, WM_COMMAND, IDOK, 0);
    return 0;
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}
