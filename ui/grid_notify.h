#pragma once
// What the grid tells its parent: the notification codes and their two record shapes.

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <cstdint>

// Notifications the grid sends its parent through WM_NOTIFY (wParam = the grid's control id); the parent's
// answer is the message's return value.
enum : UINT {
    GN_CELLCHANGED = 3426,  // NMGRID row, column; 0 puts the old text back
    GN_BEGINEDIT = 3427,    // NMGRID row, column; 0 refuses the edit
    GN_SELECTED = 3428,     // NMGRID row, sub-item; answer ignored
    GN_CONTEXTMENU = 3429,  // NMGRID x, y in screen coordinates; answer ignored
    GN_SORT = 3430,         // NMGRID column, 1 ascending / 0 descending; answer is the sort kind
    GN_COLUMNMOVED = 3431,  // NMGRID column, new header order; 1 refuses the move
    GN_BEGINRESIZE = 3432,  // NMGRID column, 0; non-zero forbids the resize
    GN_ENDRESIZE = 3433,    // NMGRID column, new width; 1 refuses the width
    GN_DBLCLICK = 3434,     // NMGRIDDBLCLK; the parent suppresses the grid's own action through *result
};

// The control id of the window that edits a cell.
constexpr int kGridEditCellId = 9801;

// Most grid notifications: two numbers whose meaning depends on the code.
struct NMGRID {
    NMHDR hdr;
    std::int32_t param1;
    std::int32_t param2;
};

// A double click on the grid: the list's own notification, and the result the grid will give for it.
struct NMGRIDDBLCLK {
    NMHDR hdr;
    NMITEMACTIVATE* activate;
    LRESULT* result;
};

// Parents written for the 32-bit module read these records by offset.
static_assert(offsetof(NMGRID, param1) == sizeof(NMHDR) && offsetof(NMGRID, param2) == sizeof(NMHDR) + 4);
static_assert(sizeof(NMGRID) == sizeof(NMHDR) + 8);
static_assert(offsetof(NMGRIDDBLCLK, activate) == sizeof(NMHDR));
static_assert(offsetof(NMGRIDDBLCLK, result) == sizeof(NMHDR) + sizeof(void*));
static_assert(sizeof(NMGRIDDBLCLK) == sizeof(NMHDR) + 2 * sizeof(void*));
