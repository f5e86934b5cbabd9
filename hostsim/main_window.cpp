#include "hostsim/main_window.h"

#include "hostsim/host.h"
#include "hostsim/host_state.h"
#include "hostsim/log.h"
#include "text/utf8_text.h"

namespace {

constexpr wchar_t kWindowClass[] = L"hostsim.MainWindow";
constexpr UINT kFirstCommand = 1000;

// The popup of this text in the menu, created at its end when missing.
HMENU Submenu(HMENU menu, const std::wstring& text) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t itemText[256] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), itemText, 256, MF_BYPOSITION);
        HMENU popup = GetSubMenu(menu, i);
        if (popup && text == itemText) return popup;
    }
    HMENU popup = CreatePopupMenu();
    AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), text.c_str());
    return popup;
}

}  // namespace

std::vector<std::wstring> SplitMenuPath(const std::wstring& path) {
    std::vector<std::wstring> levels;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(L'/', start);
        if (end == std::wstring::npos) end = path.size();
        if (end > start) levels.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return levels;
}

MainWindow::MainWindow(Host& host, HostState& state) : host_(host), state_(state) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);
    window_ = CreateWindowExW(0, kWindowClass, L"hostsim", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 1280, 900,
                              nullptr, CreateMenu(), GetModuleHandleW(nullptr), this);
    state_.onMenuEntry = [this](const MenuEntry& entry) { AddEntry(entry); };
}

MainWindow::~MainWindow() {
    state_.onMenuEntry = nullptr;
    if (window_) DestroyWindow(window_);
}

HostValue MainWindow::Invoke(size_t entry) {
    return host_.CallService(commands_.at(entry).c_str(), reinterpret_cast<HostValue>(window_), 0);
}

void MainWindow::AddEntry(const MenuEntry& entry) {
    std::vector<std::wstring> levels = SplitMenuPath(entry.path);
    if (levels.empty()) return;
    HMENU menu = GetMenu(window_);
    for (size_t i = 0; i + 1 < levels.size(); ++i) menu = Submenu(menu, levels[i]);
    commands_.push_back(entry.command);
    AppendMenuW(menu, MF_STRING, kFirstCommand + commands_.size() - 1, levels.back().c_str());
    DrawMenuBar(window_);
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        if (self) self->window_ = nullptr;
    }
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    try {
        return self->OnMessage(window, message, wParam, lParam);
    } catch (const std::exception& error) {
        Log(L"main window: " + WideFromUtf8(error.what()));
    } catch (...) {
        Log(L"main window: unknown failure");
    }
    return 0;
}

LRESULT MainWindow::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) >= kFirstCommand && LOWORD(wParam) < kFirstCommand + commands_.size()) {
            Invoke(LOWORD(wParam) - kFirstCommand);
            return 0;
        }
        break;
    case kSetChangedMessage:
        ++state_.notified;
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
