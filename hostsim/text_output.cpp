#include "hostsim/text_output.h"

#include <windows.h>

#include <cstdio>

std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string result(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size, nullptr,
                        nullptr);
    return result;
}

std::wstring FromUtf8(const std::string& text) {
    if (text.empty()) return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size);
    return result;
}

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
    const std::string bytes = ToUtf8(line) + '\n';
    fwrite(bytes.data(), 1, bytes.size(), stream);
    fflush(stream);
}

}  // namespace

void WriteLine(const std::wstring& line) { Write(stdout, line); }

void WriteErrorLine(const std::wstring& line) { Write(stderr, line); }
