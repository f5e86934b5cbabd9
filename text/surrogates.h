#pragma once
// The arithmetic of UTF-16 surrogate pairs, for every conversion between wide texts and other encodings.

#include <cstdint>

// Whether a code unit is the first or the second half of a surrogate pair.
constexpr bool IsHighSurrogate(uint32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
constexpr bool IsLowSurrogate(uint32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Whether a code unit is either half, paired or alone.
constexpr bool IsSurrogate(uint32_t unit) {
    return unit >= 0xD800 && unit <= 0xDFFF;
}

// The code point a high and a low surrogate stand for.
constexpr uint32_t JoinSurrogates(uint32_t high, uint32_t low) {
    return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
}

// The two halves of a code point beyond the basic plane (U+10000 to U+10FFFF).
constexpr uint32_t HighSurrogateOf(uint32_t codePoint) {
    return 0xD800 + ((codePoint - 0x10000) >> 10);
}
constexpr uint32_t LowSurrogateOf(uint32_t codePoint) {
    return 0xDC00 + ((codePoint - 0x10000) & 0x3FF);
}
