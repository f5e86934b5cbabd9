#pragma once
// Finding the language module: a resource-only DLL beside this module whose name carries the host
// language's three-letter abbreviation (talvex7.dll looks for talvex7ENU.dll).

#include <windows.h>

#include <optional>
#include <string>

#include "owner/handles.h"

// The full file name of a loaded module, however long; nothing when it cannot be had whole.
std::optional<std::wstring> ModuleFileName(HMODULE module);

// The language module's path for a module path and an abbreviation: the extension replaced.
std::wstring LanguageModulePath(const std::wstring& modulePath, const std::wstring& abbreviation);

// Loads the language module of this language beside the given module, by its full path; null when the
// language is Russian (the module's own), its abbreviation is unknown, or no such file loads.
UniqueModule LoadLanguageModule(HMODULE module, LANGID language);
