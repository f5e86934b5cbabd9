#include "db/utf16.h"

#include "text/surrogates.h"

#include <cstdint>

namespace DataBase {

namespace {

constexpr bool kWideIsUtf16 = sizeof(wchar_t) == sizeof(char16_t);

}  // namespace

std::u16string ToUtf16(std::wstring_view text) {
    std::u16string result;
    result.reserve(text.size());
    for (wchar_t ch : text) {
        const auto point = static_cast<uint32_t>(ch);
        if (kWideIsUtf16 || point <= 0xFFFF) {
            result.push_back(static_cast<char16_t>(point));
        } else {
            result.push_back(static_cast<char16_t>(HighSurrogateOf(point)));
            result.push_back(static_cast<char16_t>(LowSurrogateOf(point)));
        }
    }
    return result;
}

std::wstring FromUtf16(const void* text) {
    std::wstring result;
    if (text == nullptr) return result;
    const auto* units = static_cast<const char16_t*>(text);
    for (std::size_t i = 0; units[i] != 0; ++i) {
        const uint32_t unit = units[i];
        const uint32_t next = units[i + 1];
        if (!kWideIsUtf16 && IsHighSurrogate(unit) && IsLowSurrogate(next)) {
            result.push_back(static_cast<wchar_t>(JoinSurrogates(unit, next)));
            ++i;
        } else {
            result.push_back(static_cast<wchar_t>(unit));
        }
    }
    return result;
}

}  // namespace DataBase
