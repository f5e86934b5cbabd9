#include "db/utf16.h"

#include <cstdint>

namespace DataBase {

namespace {

constexpr bool kWideIsUtf16 = sizeof(wchar_t) == sizeof(char16_t);

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

std::u16string ToUtf16(std::wstring_view text) {
    std::u16string result;
    result.reserve(text.size());
    for (wchar_t ch : text) {
        const auto point = static_cast<char32_t>(ch);
        if (kWideIsUtf16 || point <= 0xFFFF) {
            result.push_back(static_cast<char16_t>(point));
        } else {
            const char32_t offset = point - 0x10000;
            result.push_back(static_cast<char16_t>(0xD800 + (offset >> 10)));
            result.push_back(static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
        }
    }
    return result;
}

std::wstring FromUtf16(const void* text) {
    std::wstring result;
    if (text == nullptr) return result;
    const auto* units = static_cast<const char16_t*>(text);
    for (std::size_t i = 0; units[i] != 0; ++i) {
        const char32_t unit = units[i];
        const char32_t next = units[i + 1];
        if (!kWideIsUtf16 && IsHighSurrogate(unit) && IsLowSurrogate(next)) {
            result.push_back(static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00)));
            ++i;
        } else {
            result.push_back(static_cast<wchar_t>(unit));
        }
    }
    return result;
}

}  // namespace DataBase
