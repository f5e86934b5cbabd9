#pragma once
// Typed calls of the host's chromatogram services: its assay picker and its viewer of chromatogram files.
// Each asks nothing of a host that lacks the service.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace AssayServices {

// Whether the host offers its assay picker.
bool CanPick();
// Shows the host's picker owned by owner; the ids it wrote, none when it was cancelled or answered a count
// beyond the buffer.
std::vector<uint32_t> Pick(HWND owner);

// Whether the host can open a chromatogram file for the analyst.
bool CanOpenFile();
// Asks the host to open the chromatogram file in its own viewer.
void OpenFile(const std::wstring& fileName);

}  // namespace AssayServices
