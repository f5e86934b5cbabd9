#include "text/utf8_text.h"

namespace {

constexpr uint32_t kReplacement = 0xFFFD;

void AppendWide(std::wstring& out, uint32_t codePoint) {
    if constexpr (sizeof(wchar_t) == 2) {
        if (codePoint >= 0x10000) {
            out.push_back(static_cast<wchar_t>(HighSurrogateOf(codePoint)));
            out.push_back(static_cast<wchar_t>(LowSurrogateOf(codePoint)));
            return;
        }
    }
    out.push_back(static_cast<wchar_t>(codePoint));
}

// Length of the sequence a lead byte starts and the bits it carries; 0 for a byte no sequence starts with.
int SequenceLength(unsigned char lead, uint32_t& bits) {
    if (lead < 0x80) {
        bits = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead < 0xE0) {
        bits = lead & 0x1F;
        return 2;
    }
    if (lead >= 0xE0 && lead < 0xF0) {
        bits = lead & 0x0F;
        return 3;
    }
    if (lead >= 0xF0 && lead < 0xF5) {
        bits = lead & 0x07;
        return 4;
    }
    return 0;
}

// The code point of the sequence at bytes[i], and its length; 0 when no sequence starts there.
int DecodeAt(std::string_view bytes, size_t i, uint32_t& codePoint) {
    static constexpr uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    const int length = SequenceLength(static_cast<unsigned char>(bytes[i]), codePoint);
    if (length == 0 || bytes.size() - i < static_cast<size_t>(length)) return 0;
    for (int k = 1; k < length; ++k) {
        const unsigned char next = static_cast<unsigned char>(bytes[i + static_cast<size_t>(k)]);
        if ((next & 0xC0) != 0x80) return 0;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    return codePoint >= kSmallest[length] && codePoint <= 0x10FFFF ? length : 0;
}

// Decodes bytes into out; a byte that starts no sequence gives U+FFFD, or ends the decoding with false when
// strict.
bool Decode(std::string_view bytes, std::wstring& out, bool strict) {
    out.reserve(bytes.size());
    size_t i = 0;
    while (i < bytes.size()) {
        uint32_t codePoint = 0;
        const int length = DecodeAt(bytes, i, codePoint);
        if (length == 0) {
            if (strict) return false;
            out.push_back(static_cast<wchar_t>(kReplacement));
            ++i;
        } else {
            AppendWide(out, codePoint);
            i += static_cast<size_t>(length);
        }
    }
    return true;
}

}  // namespace

void AppendUtf8(std::string& out, uint32_t codePoint) {
    if (codePoint > 0x10FFFF) codePoint = kReplacement;
    if (codePoint < 0x80) {
        out.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

std::string Utf8FromWide(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    ForEachCodePoint(text, [&out](uint32_t codePoint) { AppendUtf8(out, codePoint); });
    return out;
}

std::wstring WideFromUtf8(std::string_view bytes) {
    std::wstring out;
    Decode(bytes, out, false);
    return out;
}

std::optional<std::wstring> WideFromStrictUtf8(std::string_view bytes) {
    std::wstring out;
    if (!Decode(bytes, out, true)) return std::nullopt;
    return out;
}
