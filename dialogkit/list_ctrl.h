#pragma once
// CListCtrl: the list-view control in report view, one method per message the module sends.

#include "dialogkit/header_ctrl.h"
#include "dialogkit/wnd.h"

#include <commctrl.h>

#include <string>

class CListCtrl : public CWnd {
public:
    // Inserts a column at index; the column record carries the format and text, and the width and sub-item
    // only when given (not -1). Returns the new index, -1 on failure.
    int InsertColumn(int index, const wchar_t* heading, int format = LVCFMT_LEFT, int width = -1, int subItem = -1);
    int InsertColumn(int index, const LVCOLUMNW& column) {
        return static_cast<int>(
            SendMessage(LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column)));
    }
    bool GetColumn(int index, LVCOLUMNW* column) const {
        return SendMessage(LVM_GETCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(column)) != 0;
    }
    bool DeleteColumn(int index) { return SendMessage(LVM_DELETECOLUMN, static_cast<WPARAM>(index)) != 0; }
    int GetColumnWidth(int index) const {
        return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(index)));
    }
    bool SetColumnWidth(int index, int width) {
        return SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(index), MAKELPARAM(width, 0)) != 0;
    }

    // Inserts a row with the text of its first column; returns its index, -1 on failure.
    int InsertItem(int index, const wchar_t* text);
    int InsertItem(const LVITEMW& item) {
        return static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    }
    bool DeleteItem(int index) { return SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(index)) != 0; }
    bool DeleteAllItems() { return SendMessage(LVM_DELETEALLITEMS) != 0; }
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    int GetCountPerPage() const { return static_cast<int>(SendMessage(LVM_GETCOUNTPERPAGE)); }

    bool SetItemText(int index, int subItem, const wchar_t* text);
    // The whole text of a cell, however long.
    std::wstring GetItemText(int index, int subItem) const;
    bool SetItemData(int index, DWORD_PTR data);
    DWORD_PTR GetItemData(int index) const;

    UINT GetItemState(int index, UINT mask) const {
        return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(index), static_cast<LPARAM>(mask)));
    }
    // Sets the state bits of mask to those of state; index -1 means every row.
    bool SetItemState(int index, UINT state, UINT mask);
    // The next row after start (-1: from the first) with the LVNI_ flags.
    int GetNextItem(int start, UINT flags) const {
        return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(start), MAKELPARAM(flags, 0)));
    }
    int GetSelectedCount() const { return static_cast<int>(SendMessage(LVM_GETSELECTEDCOUNT)); }
    // The check box state image of a row (LVS_EX_CHECKBOXES).
    bool GetCheck(int index) const { return ((GetItemState(index, LVIS_STATEIMAGEMASK) >> 12) - 1) == 1; }
    bool SetCheck(int index, bool check = true) {
        return SetItemState(index, INDEXTOSTATEIMAGEMASK(check ? 2 : 1), LVIS_STATEIMAGEMASK);
    }

    // Replaces every extended style (mask 0); returns the previous ones.
    DWORD SetExtendedStyle(DWORD styles) {
        return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(styles)));
    }
    DWORD GetExtendedStyle() const { return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE)); }

    // The header of the report view (no header window: an empty object).
    CHeaderCtrl GetHeaderCtrl() const { return CHeaderCtrl(reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER))); }

    // Sorts the rows by compare, called with two row indexes and data (LVM_SORTITEMSEX).
    bool SortItemsEx(PFNLVCOMPARE compare, DWORD_PTR data) {
        return SendMessage(LVM_SORTITEMSEX, data, reinterpret_cast<LPARAM>(compare)) != 0;
    }
    bool EnsureVisible(int index, bool partialOK) {
        return SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), partialOK) != 0;
    }
    // The rectangle of a cell, area being LVIR_BOUNDS, LVIR_ICON or LVIR_LABEL.
    bool GetSubItemRect(int index, int subItem, int area, RECT& rect) const;
    bool GetItemRect(int index, RECT& rect, int area) const;
    // The row and cell at a point in client coordinates (LVM_SUBITEMHITTEST).
    int SubItemHitTest(LVHITTESTINFO* info) const {
        return static_cast<int>(SendMessage(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(info)));
    }
};
