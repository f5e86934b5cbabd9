#pragma once
// The host's assay picker: a modal dialog listing [assay] rows (number, date, sample, method, file), several
// of which the analyst selects; OK or a double-click on a row takes the selection, Cancel takes nothing.

#include <windows.h>

#include <cstdint>
#include <vector>

struct AssayRow;

// Shows the rows in a dialog owned by owner (null for none) and waits for the analyst. Answers the ids of
// the selected rows in list order, as 32-bit values the way the plug-in's buffer holds them; none on Cancel.
// Throws std::runtime_error when the dialog cannot be created.
std::vector<uint32_t> ShowAssayPicker(HWND owner, const std::vector<AssayRow>& rows);
