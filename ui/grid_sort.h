#pragma once
// How the grid orders two cells of the column being sorted, by the kind of comparison the parent asked for.

#include <string>

// The parent's answer to a sort request. Any non-zero value other than numbers and dates compares texts.
enum GridSortKind : int {
    kGridSortNone = 0,
    kGridSortNumbers = 2,
    kGridSortDates = 3,
};

// Numbers: the longest numeric prefix of each text, 0 when there is none. Never answers 0, so two equal
// numbers keep no defined order.
int CompareGridNumbers(const std::wstring& a, const std::wstring& b);

// Dates: both texts read as a date and time in the user's locale; 0 when either does not read as one.
int CompareGridDates(const std::wstring& a, const std::wstring& b);

// Texts: case-insensitive, the sign of the runtime's comparison.
int CompareGridTexts(const std::wstring& a, const std::wstring& b);

// The order of two cells of a column sorted as sortKind, reversed when the sort is descending.
int CompareGridCells(int sortKind, bool ascending, const std::wstring& a, const std::wstring& b);
