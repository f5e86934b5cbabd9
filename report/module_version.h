#pragma once
// The file version a report names: which build of the module made it.

#include <windows.h>

#include <string>

// "major.minor.build.revision" from the module's version resource; empty when it has none.
std::wstring FileVersionText(HMODULE module);

// The file version of the module this code is linked into.
std::wstring OwnFileVersionText();
