#include "ui/grid_ctrl_edit_cell.h"

#include "ui/grid_ctrl.h"
#include "ui/grid_notify.h"

#include <commctrl.h>

#include <utility>

CGridCtrlEditCell::CGridCtrlEditCell(CGridCtrl& grid, int row, int column, std::wstring text)
    : grid_(grid), cell_{row, column, std::move(text)} {}

CGridCtrlEditCell::~CGridCtrlEditCell() = default;

bool CGridCtrlEditCell::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_DELETE ||
                                       msg->wParam == VK_ESCAPE || ::GetKeyState(VK_CONTROL) < 0)) {
        ::TranslateMessage(msg);
        ::DispatchMessageW(msg);
        return true;
    }
    return CEdit::PreTranslateMessage(msg);
}

bool CGridCtrlEditCell::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_CREATE:
        result = OnCreate(wParam, lParam);
        return true;
    case WM_CHAR:
        if (wParam != VK_ESCAPE && wParam != VK_RETURN) return false;
        if (wParam == VK_ESCAPE) cell_.cancelled = 1;
        // Ends the edit: the object is gone when SetFocus returns.
        ::SetFocus(grid_.m_hWnd);
        result = 0;
        return true;
    case WM_KILLFOCUS:
        OnKillFocus(wParam, lParam);
        result = 0;
        return true;
    default:
        return CEdit::OnMessage(message, wParam, lParam, result);
    }
}

LRESULT CGridCtrlEditCell::OnCreate(WPARAM wParam, LPARAM lParam) {
    if (DefWindowProc(WM_CREATE, wParam, lParam) == -1) return -1;
    SetFont(grid_.GetFont(), false);
    SetWindowText(cell_.editText);
    SetFocus();
    SetSel(0, -1);
    return 0;
}

void CGridCtrlEditCell::OnKillFocus(WPARAM wParam, LPARAM lParam) {
    DefWindowProc(WM_KILLFOCUS, wParam, lParam);
    std::wstring text = GetWindowText();

    NMLVDISPINFOW info{};
    info.hdr.hwndFrom = grid_.m_hWnd;
    info.hdr.idFrom = kGridEditCellId;
    info.hdr.code = LVN_ENDLABELEDITW;
    info.item.mask = LVIF_TEXT;
    info.item.iItem = cell_.editRow;
    info.item.iSubItem = cell_.editColumn;
    info.item.pszText = cell_.cancelled ? nullptr : text.data();
    info.item.cchTextMax = static_cast<int>(text.size());

    // The grid's handling may end this object (a parent that destroys the grid): only locals from here on.
    HWND self = m_hWnd;
    ::SendMessageW(info.hdr.hwndFrom, WM_NOTIFY, kGridEditCellId, reinterpret_cast<LPARAM>(&info));
    if (::IsWindow(self)) ::DestroyWindow(self);
}

void CGridCtrlEditCell::PostNcDestroy() {
    grid_.ReleaseEditCell(this);
}
