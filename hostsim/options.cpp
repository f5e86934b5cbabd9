#include "hostsim/options.h"

#include <cwchar>

#include "text/utf8_text.h"

const wchar_t kUsage[] =
    L"usage: hostsim.exe --plugin PATH [--db PATH] [--profile PATH] [--language HEX] [--no-service NAME]...\n"
    L"                   [--script FILE|-] [--log FILE]";

namespace {

uint16_t ParseLanguage(const std::wstring& text) {
    wchar_t* end = nullptr;
    const unsigned long value = std::wcstoul(text.c_str(), &end, 16);
    if (text.empty() || *end != L'\0' || value > 0xFFFF) throw UsageError("--language takes a hexadecimal language id");
    return static_cast<uint16_t>(value);
}

}  // namespace

Options ParseOptions(const std::vector<std::wstring>& arguments) {
    Options options;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::wstring& name = arguments[i];
        if (i + 1 >= arguments.size()) throw UsageError("option without a value: " + Utf8FromWide(name));
        const std::wstring& value = arguments[++i];
        if (name == L"--plugin")
            options.plugin = value;
        else if (name == L"--db")
            options.db = value;
        else if (name == L"--profile")
            options.profile = value;
        else if (name == L"--language")
            options.language = ParseLanguage(value);
        else if (name == L"--no-service")
            options.noService.insert(Utf8FromWide(value));
        else if (name == L"--script")
            options.script = value;
        else if (name == L"--log")
            options.log = value;
        else
            throw UsageError("unknown option: " + Utf8FromWide(name));
    }
    if (options.plugin.empty()) throw UsageError("--plugin is required");
    return options;
}
