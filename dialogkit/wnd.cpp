#include "dialogkit/wnd.h"

#include "dialogkit/message_box.h"
#include "dialogkit/resources.h"
#include "owner/handles.h"

#include <utility>

namespace {

// The property that leads from a routed window to its object.
constexpr wchar_t kObjectProperty[] = L"dialogkit.CWnd";

// The object CreateEx is creating a window for, claimed by the first window the creation hook sees.
thread_local CWnd* objectBeingCreated = nullptr;

}  // namespace

CWnd::~CWnd() {
    if (!m_hWnd) return;
    const bool owned = ownsWindow_;
    HWND hwnd = m_hWnd;
    if (superProc_)
        UnsubclassWindow();
    else if (FromHandlePermanent(hwnd) == this)
        DetachRouted();
    m_hWnd = nullptr;
    if (owned && ::IsWindow(hwnd)) ::DestroyWindow(hwnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) noexcept {
    return hwnd ? static_cast<CWnd*>(GetPropW(hwnd, kObjectProperty)) : nullptr;
}

void CWnd::Attach(HWND hwnd) noexcept {
    m_hWnd = hwnd;
}

HWND CWnd::Detach() noexcept {
    HWND hwnd = m_hWnd;
    m_hWnd = nullptr;
    ownsWindow_ = false;
    return hwnd;
}

void CWnd::AttachRouted(HWND hwnd) noexcept {
    m_hWnd = hwnd;
    SetPropW(hwnd, kObjectProperty, this);
}

void CWnd::DetachRouted() noexcept {
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this) RemovePropW(m_hWnd, kObjectProperty);
    m_hWnd = nullptr;
}

void CWnd::HookWindowProc(HWND hwnd) noexcept {
    AttachRouted(hwnd);
    superProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::RoutingProc)));
}

bool CWnd::SubclassWindow(HWND hwnd) {
    if (m_hWnd || !::IsWindow(hwnd) || FromHandlePermanent(hwnd)) return false;
    m_hWnd = hwnd;
    PreSubclassWindow();
    HookWindowProc(hwnd);
    return true;
}

bool CWnd::SubclassDlgItem(int id, HWND parent) {
    return SubclassWindow(::GetDlgItem(parent, id));
}

HWND CWnd::UnsubclassWindow() noexcept {
    HWND hwnd = m_hWnd;
    if (!hwnd || !superProc_) return nullptr;
    // Only a procedure that is still ours can be taken back; a later subclass keeps calling through us.
    if (GetWindowLongPtrW(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&CWnd::RoutingProc))
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(superProc_));
    superProc_ = nullptr;
    DetachRouted();
    ownsWindow_ = false;
    return hwnd;
}

LRESULT CALLBACK CWnd::CreationHookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && objectBeingCreated) {
        CWnd* object = std::exchange(objectBeingCreated, nullptr);
        object->HookWindowProc(reinterpret_cast<HWND>(wParam));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* windowName, DWORD style, const RECT& rect,
                    HWND parent, UINT id) {
    if (m_hWnd) return false;
    CREATESTRUCTW cs{};
    cs.dwExStyle = exStyle;
    cs.lpszClass = className;
    cs.lpszName = windowName;
    cs.style = style;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.hwndParent = parent;
    cs.hMenu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id));
    cs.hInstance = AfxGetInstanceHandle();
    if (!PreCreateWindow(cs)) return false;

    UniqueHook hook(SetWindowsHookExW(WH_CBT, &CWnd::CreationHookProc, nullptr, GetCurrentThreadId()));
    if (!hook) return false;
    objectBeingCreated = this;
    HWND hwnd = CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    objectBeingCreated = nullptr;
    if (!hwnd) return false;
    ownsWindow_ = true;
    return true;
}

bool CWnd::DestroyWindow() noexcept {
    return m_hWnd && ::DestroyWindow(m_hWnd) != FALSE;
}

LRESULT CALLBACK CWnd::RoutingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* self = FromHandlePermanent(hwnd);
    if (!self || !self->superProc_) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) return self->FinishNcDestroy(wParam, lParam);
    try {
        LRESULT result = 0;
        if (self->OnMessage(message, wParam, lParam, result)) return result;
        return self->DefWindowProc(message, wParam, lParam);
    } catch (...) {
        dialogkit::ReportException(hwnd);
        return 0;
    }
}

LRESULT CWnd::FinishNcDestroy(WPARAM wParam, LPARAM lParam) {
    HWND hwnd = m_hWnd;
    WNDPROC super = superProc_;
    UnsubclassWindow();
    LRESULT result = CallWindowProcW(super, hwnd, WM_NCDESTROY, wParam, lParam);
    try {
        PostNcDestroy();
    } catch (...) {
        dialogkit::ReportException(nullptr);
    }
    return result;
}

bool CWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_COMMAND:
        return OnCommand(wParam, lParam);
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        CWnd* sender = header ? FromHandlePermanent(header->hwndFrom) : nullptr;
        if (sender && sender != this && sender->OnReflectedNotify(header, &result)) return true;
        return OnNotify(wParam, lParam, &result);
    }
    default:
        return false;
    }
}

bool CWnd::OnCommand(WPARAM, LPARAM) {
    return false;
}

bool CWnd::OnNotify(WPARAM, LPARAM, LRESULT*) {
    return false;
}

bool CWnd::OnReflectedNotify(NMHDR*, LRESULT*) {
    return false;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (superProc_) return CallWindowProcW(superProc_, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

bool CWnd::PreTranslateMessage(MSG*) {
    return false;
}

void CWnd::PreSubclassWindow() {}

bool CWnd::PreCreateWindow(CREATESTRUCTW&) {
    return true;
}

void CWnd::PostNcDestroy() {}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

bool CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::PostMessageW(m_hWnd, message, wParam, lParam) != FALSE;
}

void CWnd::SetWindowText(const std::wstring& text) {
    ::SetWindowTextW(m_hWnd, text.c_str());
}

std::wstring CWnd::GetWindowText() const {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(m_hWnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(m_hWnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

void CWnd::SetDlgItemText(int id, const std::wstring& text) {
    ::SetDlgItemTextW(m_hWnd, id, text.c_str());
}

std::wstring CWnd::GetDlgItemText(int id) const {
    CWnd item;
    item.Attach(GetDlgItem(id));
    return item.m_hWnd ? item.GetWindowText() : std::wstring();
}

bool CWnd::ShowWindow(int command) {
    return ::ShowWindow(m_hWnd, command) != FALSE;
}

bool CWnd::EnableWindow(bool enable) {
    return ::EnableWindow(m_hWnd, enable) != FALSE;
}

bool CWnd::MoveWindow(const RECT& rect, bool repaint) {
    return ::MoveWindow(m_hWnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, repaint) != FALSE;
}

bool CWnd::SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    return ::SetWindowPos(m_hWnd, insertAfter, x, y, cx, cy, flags) != FALSE;
}

void CWnd::CenterWindow(HWND alternateOwner) {
    HWND center = alternateOwner ? alternateOwner : ::GetWindow(m_hWnd, GW_OWNER);
    RECT area{};
    if (center && ::IsWindowVisible(center) && !::IsIconic(center)) {
        ::GetWindowRect(center, &area);
    } else {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        GetMonitorInfoW(MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor);
        area = monitor.rcWork;
    }
    RECT own = GetWindowRect();
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    int x = (area.left + area.right - width) / 2;
    int y = (area.top + area.bottom - height) / 2;
    // A child is placed in its parent's client coordinates.
    if (GetStyle() & WS_CHILD) {
        POINT origin{x, y};
        ::ScreenToClient(GetParent(), &origin);
        x = origin.x;
        y = origin.y;
    }
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT CWnd::GetWindowRect() const {
    RECT rect{};
    ::GetWindowRect(m_hWnd, &rect);
    return rect;
}

RECT CWnd::GetClientRect() const {
    RECT rect{};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

void CWnd::ScreenToClient(RECT& rect) const {
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
}

void CWnd::ClientToScreen(POINT& point) const {
    ::ClientToScreen(m_hWnd, &point);
}

bool CWnd::Invalidate(bool erase) {
    return InvalidateRect(m_hWnd, nullptr, erase) != FALSE;
}

bool CWnd::UpdateWindow() {
    return ::UpdateWindow(m_hWnd) != FALSE;
}

DWORD CWnd::GetStyle() const {
    return static_cast<DWORD>(GetWindowLongPtrW(m_hWnd, GWL_STYLE));
}

DWORD CWnd::GetExStyle() const {
    return static_cast<DWORD>(GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE));
}

bool CWnd::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags) {
    const DWORD style = GetStyle();
    const DWORD changed = (style & ~remove) | add;
    if (changed == style) return false;
    SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(changed));
    if (swpFlags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
    return true;
}

void CWnd::SetFont(HFONT font, bool redraw) {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
}

HFONT CWnd::GetFont() const {
    return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
}

HWND CWnd::SetFocus() {
    return ::SetFocus(m_hWnd);
}

HICON CWnd::SetIcon(HICON icon, bool big) {
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

HMENU CWnd::GetSystemMenu(bool revert) const {
    return ::GetSystemMenu(m_hWnd, revert);
}

bool CWnd::ShowScrollBar(int bar, bool show) {
    return ::ShowScrollBar(m_hWnd, bar, show) != FALSE;
}

int CWnd::SetScrollPos(int bar, int position, bool redraw) {
    return ::SetScrollPos(m_hWnd, bar, position, redraw);
}

int CWnd::MessageBox(const std::wstring& text, const std::wstring& caption, UINT type) const {
    return dialogkit::ShowMessageBox(m_hWnd, text, caption, type);
}
