#include "report/markup_text.h"

std::wstring ReplaceLineBreaks(std::wstring_view text) {
    constexpr std::wstring_view lineBreak = L"\r\n";
    constexpr std::wstring_view marker = L"<br />";
    std::wstring result;
    result.reserve(text.size() + text.size() / 2);
    std::size_t start = 0;
    for (std::size_t found = text.find(lineBreak); found != std::wstring_view::npos;
         found = text.find(lineBreak, start)) {
        result.append(text.substr(start, found - start));
        result.append(marker);
        start = found + lineBreak.size();
    }
    result.append(text.substr(start));
    return result;
}
