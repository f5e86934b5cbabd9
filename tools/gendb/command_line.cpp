#include "tools/gendb/command_line.h"

#include "text/utf8_text.h"

#include <charconv>
#include <exception>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

// The text as ASCII, or nullopt when it holds anything else (no number does).
std::optional<std::string> Ascii(std::wstring_view text) {
    std::string out;
    for (wchar_t ch : text) {
        if (ch <= 0 || ch > 0x7F) return std::nullopt;
        out.push_back(static_cast<char>(ch));
    }
    return out;
}

template <class T>
std::optional<T> ParseWhole(std::wstring_view text) {
    const auto ascii = Ascii(text);
    if (!ascii || ascii->empty()) return std::nullopt;
    T value{};
    const char* end = ascii->data() + ascii->size();
    const auto [stop, error] = std::from_chars(ascii->data(), end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::map<std::wstring, std::wstring>> ParseOptions(const std::vector<std::wstring>& args,
                                                                 const std::vector<std::wstring>& known) {
    std::map<std::wstring, std::wstring> options;
    for (std::size_t i = 1; i < args.size(); i += 2) {
        if (args[i].rfind(L"--", 0) != 0 || i + 1 == args.size()) return std::nullopt;
        const std::wstring name = args[i].substr(2);
        bool isKnown = false;
        for (const std::wstring& candidate : known) isKnown = isKnown || candidate == name;
        if (!isKnown || !options.emplace(name, args[i + 1]).second) return std::nullopt;
    }
    return options;
}

std::optional<double> ParseDouble(std::wstring_view text) {
    return ParseWhole<double>(text);
}

std::optional<uint64_t> ParseUnsigned(std::wstring_view text) {
    return ParseWhole<uint64_t>(text);
}

void WriteOut(std::FILE* stream, const std::string& bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
    std::fflush(stream);
}

int RunTool(const char* tool, const std::vector<std::wstring>& args, int (*body)(const std::vector<std::wstring>&)) {
    try {
        return body(args);
    } catch (const std::exception& error) {
        WriteOut(stderr, std::string(tool) + ": " + error.what() + "\n");
        return 1;
    }
}

std::vector<std::wstring> ToolArguments(int argc, char** argv) {
    std::vector<std::wstring> args;
    for (int i = 0; i < argc; ++i) args.push_back(WideFromUtf8(argv[i]));
    return args;
}

std::vector<std::wstring> ToolArguments(int argc, wchar_t** argv) {
    return std::vector<std::wstring>(argv, argv + argc);
}

void UseBinaryOutput() {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}
