#pragma once
// Conversions between the module's wide texts and UTF-8 bytes. wchar_t is UTF-16 on Windows and UTF-32
// natively; both are walked as code points, so a surrogate pair becomes one character on either target and
// the two targets agree byte for byte.
//
// One rule on every path: a lone surrogate travels as the three bytes of its value (what an XML parser gives
// back as that same unit) and comes back as that unit, so that any UTF-16 text survives the round trip
// (where wchar_t is 32 bits wide, a pair spelled as two units comes back as the one character it stands
// for); a byte that starts no sequence of UTF-8 (a stray continuation byte, a cut or overlong sequence, a
// value beyond U+10FFFF) reads as U+FFFD, one for each such byte. Embedded zero characters are kept both
// ways.

#include "text/surrogates.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Calls visit(codePoint) for each character of text: a surrogate pair is joined into one code point, a lone
// surrogate is passed on as its own value, so that callers decide how to spell it.
template <typename Visit>
void ForEachCodePoint(std::wstring_view text, Visit&& visit) {
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t unit = static_cast<uint32_t>(text[i]);
        if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(static_cast<uint32_t>(text[i + 1]))) {
            unit = JoinSurrogates(unit, static_cast<uint32_t>(text[i + 1]));
            ++i;
        }
        visit(unit);
    }
}

// Appends the UTF-8 bytes of one code point; a lone surrogate takes the three bytes of its value, a value
// above U+10FFFF (possible only where wchar_t is 32 bits wide) the replacement character.
void AppendUtf8(std::string& out, uint32_t codePoint);

// UTF-8 text of a wide text.
std::string Utf8FromWide(std::wstring_view text);

// Wide text of UTF-8 bytes; each byte that starts no sequence gives U+FFFD.
std::wstring WideFromUtf8(std::string_view bytes);

// The same when every byte belongs to a sequence; none otherwise, for callers that read such bytes in
// another encoding instead.
std::optional<std::wstring> WideFromStrictUtf8(std::string_view bytes);
