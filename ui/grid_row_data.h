#pragma once
// The item data of each grid row.

#include <windows.h>
#include <commctrl.h>

#include <cstdint>

// A row's colours (CLR_DEFAULT: the list's own) and an id of the filler's choice (the list commands keep the
// assay id here). The grid owns the record of each row it was given to.
struct GridRowData {
    COLORREF textColor = CLR_DEFAULT;
    COLORREF backColor = CLR_DEFAULT;
    std::uint32_t itemId = 0;
};

static_assert(sizeof(GridRowData) == 12, "three 32-bit fields");
