#pragma once
// CGridCtrl: the module's list control. A report list with per-row colours, editing of single cells,
// sorting by a click on a column header and a column stretched to the control's width. The grid decides
// nothing about its data: every feature beyond a plain list is offered to the parent through the GN_
// notifications, and a parent that answers 0 to all of them gets a plain list.

#include "dialogkit/list_ctrl.h"
#include "ui/grid_notify.h"
#include "ui/grid_row_data.h"

#include <cstdint>
#include <memory>
#include <unordered_map>

class CGridCtrlEditCell;

class CGridCtrl : public CListCtrl {
public:
    CGridCtrl() noexcept;
    ~CGridCtrl() override;

    // Creates the grid's own list window, in report view, as child id of parent.
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);

    // Opens a cell for editing when it can be scrolled into view and the parent allows it (GN_BEGINEDIT);
    // the editor lives until it loses the focus. None when nothing was opened.
    CGridCtrlEditCell* BeginEdit(int row, int column);
    // Widens the stretch column so that the columns fill the control's width.
    void FitStretchColumn();
    // The list's sort callback: two row indexes and the grid.
    static int CALLBACK SortCompare(LPARAM row1, LPARAM row2, LPARAM grid);

    // Gives a row its record, a copy of data whose address becomes the row's item data. The grid frees it
    // when the row is deleted, when the row gets another record and when the grid's window goes. False
    // when the list refused the change (the row keeps its record).
    bool SetRowData(int row, const GridRowData& data);
    // The row's record; none when the row has none (or item data the grid did not give it).
    const GridRowData* GetRowData(int row) const;

    int GetSortColumn() const noexcept { return columns_.sortColumn; }
    bool IsSortAscending() const noexcept { return columns_.sortAscending != 0; }
    int GetSortKind() const noexcept { return columns_.sortKind; }
    int GetStretchColumn() const noexcept { return columns_.stretchColumn; }
    // -1: no column is stretched.
    void SetStretchColumn(int column) noexcept { columns_.stretchColumn = column; }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // Notifications of the header and the cell editor, which come to the grid's own window.
    bool OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    // The list's notifications, offered back by the parent before its own handlers see them.
    bool OnReflectedNotify(NMHDR* header, LRESULT* result) override;
    void PreSubclassWindow() override;
    bool PreCreateWindow(CREATESTRUCTW& cs) override;

private:
    friend class CGridCtrlEditCell;

    // Sends a GN_ notification with two numbers; the parent's answer.
    LRESULT NotifyParent(UINT code, int param1, int param2);
    NMHDR MakeHeader(UINT code) const;

    void OnContextMenu(LPARAM point);
    LRESULT OnCustomDraw(NMLVCUSTOMDRAW* draw);
    void OnDoubleClick(NMITEMACTIVATE* activate, LRESULT* result);
    bool OnItemChanged(const NMLISTVIEW* change);
    void OnColumnClick(int column);
    void ShowSortArrow(int column, bool ascending);
    void OnEndLabelEdit(const NMLVDISPINFOW* info);
    bool OnHeaderBeginTrack(const NMHEADERW* header, LRESULT* result);
    bool OnHeaderEndTrack(const NMHEADERW* header, LRESULT* result);
    bool OnHeaderEndDrag(const NMHEADERW* header, LRESULT* result);

    // Called by the cell editor once its window is gone.
    void ReleaseEditCell(const CGridCtrlEditCell* cell) noexcept;

    // The sort and the filled column, under the names the grid's documents give them.
    struct ColumnState {
        std::int32_t sortColumn = -1;
        std::int32_t sortAscending = 1;
        std::int32_t sortKind = 0;
        std::int32_t stretchColumn = -1;
    };
    ColumnState columns_;
    // The records of the rows, by the item data that points to each: one owner, so that no path frees a
    // record twice and a row's item data is read as a record only while the grid holds it.
    std::unordered_map<LPARAM, std::unique_ptr<GridRowData>> records_;
    std::unique_ptr<CGridCtrlEditCell> editCell_;
};
