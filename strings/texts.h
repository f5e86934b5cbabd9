#pragma once
// The texts the analyst reads, by string id (strings/string_ids.h): where the calculation and the loaders get
// them from, and the built-in Russian table.

#include <string_view>

// Hands out the text of a string id. The module's looks in its resource module (the language module's when one is
// loaded); the tools' is BuiltInText. The text stays valid as long as the module it comes from is loaded.
using TextSource = std::wstring_view (*)(unsigned id);

// The Russian text of a string id, as the module's own string table holds it; empty for an id it lacks.
std::wstring_view BuiltInText(unsigned id);
