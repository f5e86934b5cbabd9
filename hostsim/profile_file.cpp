#include "hostsim/profile_file.h"

#include <charconv>
#include <cstring>

#include "text/surrogates.h"
#include "text/utf8_text.h"

namespace {

std::wstring Escape(const std::wstring& text) {
    std::wstring result;
    for (size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c == L'\\')
            result += L"\\\\";
        else if (c == L'\t')
            result += L"\\t";
        else if (c == L'\r')
            result += L"\\r";
        else if (c == L'\n')
            result += L"\\n";
        else if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            result += c;
            result += text[++i];
        } else if (IsSurrogate(c)) {
            wchar_t code[8];
            swprintf(code, 8, L"\\u%04X", static_cast<unsigned>(c));
            result += code;
        } else {
            result += c;
        }
    }
    return result;
}

[[noreturn]] void Fail(size_t line, const char* what) {
    throw ProfileFileError("profile file, line " + std::to_string(line) + ": " + what);
}

std::wstring Unescape(const std::wstring& text, size_t line) {
    std::wstring result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'\\') {
            result += text[i];
            continue;
        }
        if (++i >= text.size()) Fail(line, "escape at the end of a text");
        switch (text[i]) {
        case L'\\':
            result += L'\\';
            break;
        case L't':
            result += L'\t';
            break;
        case L'r':
            result += L'\r';
            break;
        case L'n':
            result += L'\n';
            break;
        case L'u': {
            if (i + 4 >= text.size()) Fail(line, "short \\u escape");
            const std::string hex = Utf8FromWide(text.substr(i + 1, 4));
            unsigned value = 0;
            const auto [end, error] = std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
            if (error != std::errc() || end != hex.data() + hex.size()) Fail(line, "bad \\u escape");
            result += static_cast<wchar_t>(value);
            i += 4;
            break;
        }
        default:
            Fail(line, "unknown escape");
        }
    }
    return result;
}

std::string HexBits(double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    char text[17];
    const auto result = std::to_chars(text, text + sizeof text, bits, 16);
    return std::string(static_cast<size_t>(16 - (result.ptr - text)), '0') + std::string(text, result.ptr);
}

double DoubleFromBits(const std::string& hex, size_t line) {
    uint64_t bits = 0;
    const auto [end, error] = std::from_chars(hex.data(), hex.data() + hex.size(), bits, 16);
    if (hex.size() != 16 || error != std::errc() || end != hex.data() + hex.size()) Fail(line, "bad double bits");
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

int32_t IntFromText(const std::string& text, size_t line) {
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) Fail(line, "bad integer");
    return value;
}

struct ValueWriter {
    std::string operator()(int32_t value) const { return "int\t" + std::to_string(value); }
    std::string operator()(double value) const { return "double\t" + HexBits(value); }
    std::string operator()(const std::wstring& value) const { return "string\t" + Utf8FromWide(Escape(value)); }
};

}  // namespace

std::string SerializeProfile(const std::map<std::wstring, ProfileStore::Value>& values) {
    std::string bytes;
    for (const auto& [key, value] : values) {
        const std::string typed = std::visit(ValueWriter{}, value);
        const size_t tab = typed.find('\t');
        bytes += typed.substr(0, tab) + '\t' + Utf8FromWide(Escape(key)) + typed.substr(tab) + '\n';
    }
    return bytes;
}

std::map<std::wstring, ProfileStore::Value> ParseProfile(const std::string& bytes) {
    std::map<std::wstring, ProfileStore::Value> values;
    size_t start = 0;
    for (size_t line = 1; start < bytes.size(); ++line) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        const std::string text = bytes.substr(start, end - start);
        start = end + 1;
        if (text.empty()) continue;
        const size_t first = text.find('\t');
        const size_t second = first == std::string::npos ? first : text.find('\t', first + 1);
        if (second == std::string::npos) Fail(line, "expected TYPE<TAB>KEY<TAB>VALUE");
        const std::string type = text.substr(0, first);
        const std::wstring key = Unescape(WideFromUtf8(text.substr(first + 1, second - first - 1)), line);
        const std::string value = text.substr(second + 1);
        if (type == "int")
            values[key] = IntFromText(value, line);
        else if (type == "double")
            values[key] = DoubleFromBits(value, line);
        else if (type == "string")
            values[key] = Unescape(WideFromUtf8(value), line);
        else
            Fail(line, "unknown type");
    }
    return values;
}
