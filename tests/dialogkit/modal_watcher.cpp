#include "tests/dialogkit/modal_watcher.h"

#include <cwchar>
#include <utility>

namespace {

constexpr wchar_t kNoteClass[] = L"talvex.ModalWatcher";
constexpr UINT kModalShown = WM_APP + 1;
thread_local ModalWatcher* current = nullptr;

bool IsDialogWindow(HWND window) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return std::wcscmp(name, L"#32770") == 0;
}

}  // namespace

void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

ModalWatcher::ModalWatcher(std::function<bool(HWND)> skip, std::function<void(HWND)> handler)
    : skip_(std::move(skip)), handler_(std::move(handler)) {
    WNDCLASSW noteClass{};
    noteClass.lpfnWndProc = &ModalWatcher::NoteProc;
    noteClass.hInstance = GetModuleHandleW(nullptr);
    noteClass.lpszClassName = kNoteClass;
    RegisterClassW(&noteClass);
    notes_.reset(
        CreateWindowExW(0, kNoteClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr));
    hook_.reset(SetWindowsHookExW(WH_CBT, &ModalWatcher::HookProc, nullptr, GetCurrentThreadId()));
    current = this;
}

ModalWatcher::~ModalWatcher() {
    current = nullptr;
}

LRESULT CALLBACK ModalWatcher::HookProc(int code, WPARAM wParam, LPARAM lParam) {
    auto window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && current && IsDialogWindow(window) && !current->skip_(window))
        PostMessageW(current->notes_.get(), kModalShown, wParam, 0);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK ModalWatcher::NoteProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kModalShown || !current) return DefWindowProcW(hwnd, message, wParam, lParam);
    auto window = reinterpret_cast<HWND>(wParam);
    try {
        if (IsWindow(window)) current->handler_(window);
    } catch (...) {
        // A test that makes allocations fail may reach the handler: it tries again once the fault has passed.
        PostMessageW(hwnd, kModalShown, wParam, 0);
    }
    return 0;
}
