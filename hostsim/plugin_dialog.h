#pragma once
// The plug-in's dialog as the script steps reach it: the plug-in's top-level dialog window owned by the
// host's main window, and its controls by id.

#include <windows.h>

#include <string>

// The plug-in's dialog owned by owner, visible or not; throws StepError when there is none.
HWND FindPluginDialog(HWND owner);
// A control of the dialog; throws StepError when the dialog has none with this id.
HWND DialogControl(HWND dialog, const std::wstring& idText);
// Brings the dialog to the front and makes it the active window, as the analyst's click would.
void ActivateDialog(HWND dialog);
// The text of a window, however long.
std::wstring WindowText(HWND window);
