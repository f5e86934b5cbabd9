#pragma once
// The profile store's file: UTF-8, one value a line, "TYPE<TAB>KEY<TAB>VALUE". Keys and texts escape
// backslash, TAB, CR, LF and lone surrogates (\\ \t \r \n \uXXXX), so that every UTF-16 text comes back
// unit for unit; doubles are written as the hexadecimal of their 64 bits.

#include <map>
#include <string>

#include "hostsim/profile_store.h"

std::string SerializeProfile(const std::map<std::wstring, ProfileStore::Value>& values);
// Throws ProfileFileError for a line it cannot read.
std::map<std::wstring, ProfileStore::Value> ParseProfile(const std::string& bytes);
