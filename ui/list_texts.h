#pragma once
// Texts of the chromatogram list and of the stored list that do not need a window.

#include <cstdint>
#include <optional>
#include <string>

// The file's own name: the part after the last backslash, the whole text when it holds none.
std::wstring FileNameOfPath(const std::wstring& path);

// One stored chromatogram, "id/checked": the id widened with its sign and printed unsigned, as earlier
// versions of the module wrote it, so that stored lists stay readable both ways.
std::wstring SavedAssayText(int32_t id, int32_t rowChecked);

// The id of a stored chromatogram: the text before the first "/", blanks first skipped, read as an unsigned
// 64-bit decimal whose low 32 bits are the id (so every text SavedAssayText writes comes back). None when
// the text holds no "/", no digits there, or a number beyond 64 bits.
std::optional<int32_t> ParseSavedAssayId(const std::wstring& text);
