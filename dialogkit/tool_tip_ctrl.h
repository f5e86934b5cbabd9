#pragma once
// CToolTipCtrl: tooltips for a dialog's controls. Tools are whole control windows (TTF_IDISHWND) that the
// tooltip does not subclass: the dialog relays the mouse messages (RelayEvent from WM_SETCURSOR).

#include "dialogkit/wnd.h"

#include <commctrl.h>

#include <string>

class CToolTipCtrl : public CWnd {
public:
    // Creates the tooltip window owned by parent, WS_POPUP added to style; false when it could not be made.
    bool Create(HWND parent, DWORD style = 0);
    // A tool for the control window with the given text, or with a string of the resource module.
    bool AddTool(HWND control, const std::wstring& text);
    bool AddTool(HWND control, UINT textId);
    void Activate(bool activate) { SendMessage(TTM_ACTIVATE, activate); }
    void RelayEvent(MSG* msg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg)); }
    int GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }
    // The text of the tool for control; empty when there is none.
    std::wstring GetText(HWND control) const;
};
