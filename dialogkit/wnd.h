#pragma once
// CWnd: the framework's object for one window. It either only refers to a window (Attach), or routes the
// window's messages through its virtual handlers (SubclassWindow, CreateEx, and CDialog for dialogs).
// A routed window finds its object through a window property; the object lets go of the window when the
// window is destroyed (WM_NCDESTROY), or, when the object goes first, restores the window's procedure and,
// for a window the object created, destroys it (the derived handlers are gone by then, so owners that care
// about WM_DESTROY destroy the window first).

#include <windows.h>

#include <string>

class CWnd {
public:
    CWnd() noexcept = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const noexcept { return m_hWnd; }
    operator HWND() const noexcept { return m_hWnd; }

    // The object that routes the messages of this window, if any.
    static CWnd* FromHandlePermanent(HWND hwnd) noexcept;

    // Refers to a window without routing its messages; the window stays when the object goes.
    void Attach(HWND hwnd) noexcept;
    HWND Detach() noexcept;

    // Routes the messages of an existing window through this object; false when the window is missing or
    // already routed through another object.
    bool SubclassWindow(HWND hwnd);
    bool SubclassDlgItem(int id, HWND parent);
    // Gives the window back its own procedure.
    HWND UnsubclassWindow() noexcept;

    // Creates a window whose messages pass through this object from the first one on (WM_NCCREATE);
    // the window is destroyed with the object at the latest.
    bool CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* windowName, DWORD style, const RECT& rect,
                  HWND parent, UINT id);
    bool DestroyWindow() noexcept;

    // Messages the window runs before the host's message loop dispatches them (through
    // dialogkit::MessageFilterHook); true when the message is done and must not be dispatched.
    virtual bool PreTranslateMessage(MSG* msg);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    bool IsWindow() const noexcept { return m_hWnd && ::IsWindow(m_hWnd); }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

    void SetWindowText(const std::wstring& text);
    std::wstring GetWindowText() const;
    void SetDlgItemText(int id, const std::wstring& text);
    std::wstring GetDlgItemText(int id) const;

    bool ShowWindow(int command);
    bool IsWindowVisible() const { return ::IsWindowVisible(m_hWnd) != FALSE; }
    bool EnableWindow(bool enable = true);
    bool MoveWindow(const RECT& rect, bool repaint = true);
    bool SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
    // Centres the window on its owner, or on the given window.
    void CenterWindow(HWND alternateOwner = nullptr);
    RECT GetWindowRect() const;
    RECT GetClientRect() const;
    void ScreenToClient(RECT& rect) const;
    void ClientToScreen(POINT& point) const;
    bool Invalidate(bool erase = true);
    bool UpdateWindow();

    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    // Changes the window style; with swpFlags, SetWindowPos applies the change to the frame.
    bool ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0);

    void SetFont(HFONT font, bool redraw = true);
    HFONT GetFont() const;
    HWND SetFocus();
    // Sets the big (WM_SETICON ICON_BIG) or small icon; returns the previous one.
    HICON SetIcon(HICON icon, bool big);
    HMENU GetSystemMenu(bool revert = false) const;
    bool ShowScrollBar(int bar, bool show = true);
    int SetScrollPos(int bar, int position, bool redraw = true);

    // A message box owned by this window's top-level window, so that the window takes no other command while
    // it is open; an empty caption takes that window's title.
    int MessageBox(const std::wstring& text, const std::wstring& caption = {}, UINT type = MB_OK) const;

protected:
    // Every routed message first comes here: true when handled (result is then the message's result), false
    // for the default processing. The base sends WM_COMMAND to OnCommand and WM_NOTIFY first to the control
    // that sent it (OnReflectedNotify), then to OnNotify.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // WM_COMMAND; true when handled.
    virtual bool OnCommand(WPARAM wParam, LPARAM lParam);
    // WM_NOTIFY that the sending control left unhandled; true when handled, with the result in *result.
    virtual bool OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A notification this window sent its parent, offered back to it before the parent's own handlers;
    // true keeps it from the parent, *result then being the parent's answer.
    virtual bool OnReflectedNotify(NMHDR* header, LRESULT* result);
    // The processing the window would give the message without this object.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Before an existing window is routed through the object (SubclassWindow).
    virtual void PreSubclassWindow();
    // Before CreateEx creates the window; false cancels the creation.
    virtual bool PreCreateWindow(CREATESTRUCTW& cs);
    // After the window is gone and the object has let go of it; an object that lives only as long as its
    // window ends itself here.
    virtual void PostNcDestroy();

    // For CDialog, whose messages come through its dialog procedure instead of a subclass.
    void AttachRouted(HWND hwnd) noexcept;
    void DetachRouted() noexcept;
    void SetOwnsWindow(bool owns) noexcept { ownsWindow_ = owns; }
    bool OwnsWindow() const noexcept { return ownsWindow_; }

private:
    static LRESULT CALLBACK RoutingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK CreationHookProc(int code, WPARAM wParam, LPARAM lParam);
    LRESULT FinishNcDestroy(WPARAM wParam, LPARAM lParam);
    void HookWindowProc(HWND hwnd) noexcept;

    WNDPROC superProc_ = nullptr;
    bool ownsWindow_ = false;
};
