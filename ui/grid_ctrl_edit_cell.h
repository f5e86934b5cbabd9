#pragma once
// CGridCtrlEditCell: the small edit window over one grid cell. It exists only while the cell is being
// edited: losing the focus (Enter, Esc, a click elsewhere, scrolling the grid) ends the edit, tells the grid
// the outcome as a label-edit-end notification, and destroys the window; the grid then lets go of the object.

#include "dialogkit/edit.h"

#include <cstdint>
#include <string>

class CGridCtrl;

class CGridCtrlEditCell : public CEdit {
public:
    CGridCtrlEditCell(CGridCtrl& grid, int row, int column, std::wstring text);
    ~CGridCtrlEditCell() override;

    // Enter, Delete, Esc and every key with Ctrl held go straight to the editor, so that the dialog's
    // keyboard handling (default button, cancel, accelerators) never sees them.
    bool PreTranslateMessage(MSG* msg) override;

    int GetEditRow() const noexcept { return cell_.editRow; }
    int GetEditColumn() const noexcept { return cell_.editColumn; }
    // The cell's text when the edit began.
    const std::wstring& GetEditText() const noexcept { return cell_.editText; }
    bool IsCancelled() const noexcept { return cell_.cancelled != 0; }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void PostNcDestroy() override;

private:
    LRESULT OnCreate(WPARAM wParam, LPARAM lParam);
    void OnKillFocus(WPARAM wParam, LPARAM lParam);

    CGridCtrl& grid_;
    // The cell and what the analyst did with it, under the names the grid's documents give them.
    struct EditState {
        std::int32_t editRow;
        std::int32_t editColumn;
        std::wstring editText;
        std::int32_t cancelled = 0;
    };
    EditState cell_;
};
