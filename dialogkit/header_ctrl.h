#pragma once
// CHeaderCtrl: the header control of a report list; the grid reads and writes item formats (sort arrows).

#include "dialogkit/wnd.h"

#include <commctrl.h>

class CHeaderCtrl : public CWnd {
public:
    CHeaderCtrl() noexcept = default;
    // Refers to an existing header without routing its messages.
    explicit CHeaderCtrl(HWND header) noexcept { Attach(header); }

    int GetItemCount() const { return static_cast<int>(SendMessage(HDM_GETITEMCOUNT)); }
    bool GetItem(int index, HDITEMW* item) const {
        return SendMessage(HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item)) != 0;
    }
    bool SetItem(int index, const HDITEMW* item) {
        return SendMessage(HDM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item)) != 0;
    }
};
