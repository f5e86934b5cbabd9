#pragma once
// The error list as the report document carries it.

#include <string>
#include <string_view>

// Every "\r\n" replaced by the characters "<br />", left to right without overlap; a lone "\r" or "\n"
// stays as it is. The markers are text, not markup: the style sheet splits the list at them.
std::wstring ReplaceLineBreaks(std::wstring_view text);
