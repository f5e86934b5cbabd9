#include "ui/list_texts.h"

#include <limits>

std::wstring FileNameOfPath(const std::wstring& path) {
    const std::size_t slash = path.rfind(L'\\');
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring SavedAssayText(uint32_t id, int32_t rowChecked) {
    const auto widened = static_cast<uint64_t>(static_cast<int64_t>(static_cast<int32_t>(id)));
    return std::to_wstring(widened) + L"/" + std::to_wstring(rowChecked);
}

std::optional<uint32_t> ParseSavedAssayId(const std::wstring& text) {
    const std::size_t slash = text.find(L'/');
    if (slash == std::wstring::npos) return std::nullopt;
    std::size_t position = 0;
    while (position < slash && (text[position] == L' ' || (text[position] >= L'\t' && text[position] <= L'\r'))) {
        ++position;
    }
    constexpr uint64_t kLargest = std::numeric_limits<uint64_t>::max();
    uint64_t value = 0;
    const std::size_t firstDigit = position;
    for (; position < slash && text[position] >= L'0' && text[position] <= L'9'; ++position) {
        const auto digit = static_cast<uint64_t>(text[position] - L'0');
        if (value > (kLargest - digit) / 10) return std::nullopt;
        value = value * 10 + digit;
    }
    if (position == firstDigit) return std::nullopt;
    return static_cast<uint32_t>(value);
}
