#pragma once
// Where the framework loads dialog templates, their layouts and strings from. A plug-in sets the resource
// handle to its language module (or leaves it at its own file); icons that must come from the code's own
// file use the instance handle.

#include <windows.h>

#include <string>
#include <string_view>

// The module (DLL or program) this code is linked into.
HINSTANCE AfxGetInstanceHandle();

// The module templates, layouts and strings are loaded from; the instance handle until set.
HINSTANCE AfxGetResourceHandle();

// Null goes back to the instance handle.
void AfxSetResourceHandle(HINSTANCE module);

// A string resource of the resource module; empty when it has none.
std::wstring AfxLoadString(UINT id);

namespace dialogkit {

// A text the analyst reads (strings/string_ids.h): the resource module's, or the built-in Russian one when the
// resource module has none (a program without the module's string table). Valid while the resource module is
// loaded; the module's text source.
std::wstring_view ResourceText(UINT id);

}  // namespace dialogkit
