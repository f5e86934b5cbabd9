#pragma once
// Keeps a window from drawing while it is rebuilt and has it drawn once, whole, when the scope ends. A
// visible list draws as each row goes in: a thousand rows would keep the dialog busy for many seconds.

#include "dialogkit/wnd.h"

class RedrawPause {
public:
    explicit RedrawPause(CWnd& window) : window_(window) { window_.SendMessage(WM_SETREDRAW, FALSE); }
    ~RedrawPause() {
        window_.SendMessage(WM_SETREDRAW, TRUE);
        window_.Invalidate();
    }
    RedrawPause(const RedrawPause&) = delete;
    RedrawPause& operator=(const RedrawPause&) = delete;

private:
    CWnd& window_;
};
