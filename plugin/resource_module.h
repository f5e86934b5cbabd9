#pragma once
// The module that dialogs, strings and the dialog icons are loaded from: the module itself, or the
// language module chosen at Load.

#include <windows.h>

#include <string>

// This module's own instance handle (the DLL, or the program the code is linked into).
HMODULE OwnModule();

HMODULE ResourceModule();
// Null goes back to the module itself.
void SetResourceModule(HMODULE module);

// String resource id of the resource module; empty when it has none.
std::wstring LoadResourceString(UINT id);
