#pragma once
// Message boxes of the module's windows, and what a window procedure shows when an exception reaches it.

#include <windows.h>

#include <string>

namespace dialogkit {

// A modal message box owned by the top-level window of owner (none when owner is null), so that the owner
// takes no other command while it is open. An empty caption takes that window's title.
int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption = {}, UINT type = MB_OK);

// Called inside a catch block at a boundary Windows calls (window and dialog procedures, hooks, callbacks):
// tells the analyst what failed in a message box owned by window's top-level window. Never throws.
void ReportException(HWND window) noexcept;

}  // namespace dialogkit
