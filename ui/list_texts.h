#pragma once
// Texts of the chromatogram list and of the stored list that do not need a window.

#include <cstdint>
#include <optional>
#include <string>

// The file's own name: the part after the last backslash, the whole text when it holds none.
std::wstring FileNameOfPath(const std::wstring& path);

// One stored chromatogram, "id/checked". Earlier versions of the module held the id signed, widened it
// with its sign and printed that unsigned; an id from 2^31 on is still written so, here and nowhere else, so
// that stored lists stay readable both ways.
std::wstring SavedAssayText(uint32_t id, int32_t rowChecked);

// The id of a stored chromatogram: the text before the first "/", blanks first skipped, read as an unsigned
// 64-bit decimal whose low 32 bits are the id (so every text SavedAssayText writes comes back). None when
// the text holds no "/", no digits there, or a number beyond 64 bits.
std::optional<uint32_t> ParseSavedAssayId(const std::wstring& text);
