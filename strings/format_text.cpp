#include "strings/format_text.h"

std::wstring FormatText(std::wstring_view pattern, std::initializer_list<std::wstring_view> arguments) {
    std::wstring text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t number = i + 1 < pattern.size() ? static_cast<std::size_t>(pattern[i + 1] - L'1') : 9;
        if (pattern[i] == L'%' && number < arguments.size()) {
            text += arguments.begin()[number];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}
