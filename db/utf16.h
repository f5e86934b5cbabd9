#pragma once
// SQLite's 16-bit interface meets our wide texts here, and only here. On Windows wchar_t is a UTF-16 code
// unit and nothing changes; where wchar_t is 32 bits wide, code points beyond the basic plane travel as
// surrogate pairs and come back as one character.

#include <string>
#include <string_view>

namespace DataBase {

// The text as zero-terminated UTF-16 for SQLite.
std::u16string ToUtf16(std::wstring_view text);
// The zero-terminated UTF-16 text SQLite handed out (null reads as empty), up to its first zero unit.
// A lone surrogate is kept as the code unit it is.
std::wstring FromUtf16(const void* text);

}  // namespace DataBase
