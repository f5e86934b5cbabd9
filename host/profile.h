#pragma once
// Typed access to the host's user profile. Keys are root + "\" + section + "/" + name; each wrapper asks
// the host whether its service exists first, and an absent service or a zero answer gives false (setters,
// the delete) or the caller's default (getters). Nothing is reported.

#include <cstdint>
#include <string>

namespace Profile {

// The prefix of every key; empty until the module's dialog first opens.
void SetRoot(std::wstring root);
const std::wstring& Root();

std::wstring MakeKey(const std::wstring& section, const std::wstring& name);

bool SetInt(const std::wstring& section, const std::wstring& name, int32_t value);
bool SetDouble(const std::wstring& section, const std::wstring& name, double value);
bool SetString(const std::wstring& section, const std::wstring& name, const std::wstring& value);
// Whether the host can store texts at all: a list it cannot keep whole is better not written in part.
bool CanSetString();
// Removes the value; a name never stored is no failure of the caller's.
bool Delete(const std::wstring& section, const std::wstring& name);
int32_t GetInt(const std::wstring& section, const std::wstring& name, int32_t defaultValue);
double GetDouble(const std::wstring& section, const std::wstring& name, double defaultValue);
// At most 127 units of the stored text come back.
std::wstring GetString(const std::wstring& section, const std::wstring& name, const std::wstring& defaultValue);

}  // namespace Profile
