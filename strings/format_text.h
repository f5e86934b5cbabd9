#pragma once
// Putting values into a text of the string tables, where each language orders them its own way.

#include <initializer_list>
#include <string>
#include <string_view>

// The pattern with "%1" to "%9" replaced by the arguments in that order, in one pass: a "%1" inside an argument
// stays as it is, and so does a "%" that no argument number follows.
std::wstring FormatText(std::wstring_view pattern, std::initializer_list<std::wstring_view> arguments);
