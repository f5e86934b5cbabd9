#pragma once
// CButton: a push button; the list-command buttons show an icon instead of their text.

#include "dialogkit/wnd.h"

class CButton : public CWnd {
public:
    CButton() noexcept = default;
    // Refers to an existing button without routing its messages.
    explicit CButton(HWND button) noexcept { Attach(button); }

    // Shows icon on the button (BM_SETIMAGE, IMAGE_ICON); returns the previous icon. The button does not own it.
    HICON SetIcon(HICON icon) {
        return reinterpret_cast<HICON>(SendMessage(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon)));
    }
    HICON GetIcon() const { return reinterpret_cast<HICON>(SendMessage(BM_GETIMAGE, IMAGE_ICON)); }
};
