#pragma once
// CEdit: an edit control; the grid's cell editor is one it creates itself.

#include "dialogkit/wnd.h"

class CEdit : public CWnd {
public:
    // Creates the edit as a child of parent with the given id.
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
        return CreateEx(0, L"EDIT", L"", style, rect, parent, id);
    }

    // Selects from start to end (0, -1: everything) and, unless noScroll, scrolls the caret into view.
    void SetSel(int start, int end, bool noScroll = false) {
        SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end);
        if (!noScroll) SendMessage(EM_SCROLLCARET);
    }
    void GetSel(int& start, int& end) const {
        DWORD first = 0, last = 0;
        SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
        start = static_cast<int>(first);
        end = static_cast<int>(last);
    }
};
