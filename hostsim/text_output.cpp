#include "hostsim/text_output.h"

#include <cstdio>

#include "text/utf8_text.h"

std::wstring EscapeText(const std::wstring& text) {
    std::wstring result;
    for (size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') {
            result += L"\\n";
            ++i;
        } else if (c == L'\n') {
            result += L"\\n";
        } else if (c == L'\r') {
            result += L"\\r";
        } else if (c == L'\t') {
            result += L"\\t";
        } else {
            result += c;
        }
    }
    return result;
}

namespace {

void Write(FILE* stream, const std::wstring& line) {
    const std::string bytes = Utf8FromWide(line) + '\n';
    fwrite(bytes.data(), 1, bytes.size(), stream);
    fflush(stream);
}

}  // namespace

void WriteLine(const std::wstring& line) {
    Write(stdout, line);
}

void WriteErrorLine(const std::wstring& line) {
    Write(stderr, line);
}
