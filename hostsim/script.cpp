#include "hostsim/script.h"

#include <fcntl.h>
#include <io.h>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <memory>

#include "hostsim/message_pump.h"
#include "hostsim/text_output.h"
#include "text/utf8_text.h"

namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

const StepTable& Steps() {
    static const StepTable table = [] {
        StepTable steps;
        AddPluginSteps(steps);
        AddDialogSteps(steps);
        return steps;
    }();
    return table;
}

struct FileCloser {
    void operator()(FILE* file) const noexcept { fclose(file); }
};

std::string ReadAll(FILE* file) {
    std::string bytes;
    char chunk[4096];
    for (size_t n; (n = fread(chunk, 1, sizeof chunk, file)) > 0;) bytes.append(chunk, n);
    return bytes;
}

void RunStep(const std::wstring& line, StepContext& context, bool& failed) {
    const auto [name, arguments] = SplitFirstWord(line);
    try {
        const auto step = Steps().find(name);
        if (step == Steps().end()) throw StepError("unknown step");
        step->second(context, arguments);
    } catch (const std::exception& error) {
        WriteLine(L"error " + name + L" " + WideFromUtf8(error.what()));
        failed = true;
    }
}

// The whole text as a number of this type, or StepError.
template <class Number>
Number ParseNumber(const std::wstring& text, const char* what) {
    const std::string bytes = Utf8FromWide(text);
    Number value{};
    const auto [end, error] = std::from_chars(bytes.data(), bytes.data() + bytes.size(), value);
    if (bytes.empty() || error != std::errc() || end != bytes.data() + bytes.size()) throw StepError(what + bytes);
    return value;
}

}  // namespace

std::string ReadScript(const std::wstring& source) {
    if (source == L"-") {
        _setmode(_fileno(stdin), _O_BINARY);
        return ReadAll(stdin);
    }
    std::unique_ptr<FILE, FileCloser> file(_wfopen(source.c_str(), L"rb"));
    if (!file) throw std::runtime_error("cannot read the script " + Utf8FromWide(source));
    return ReadAll(file.get());
}

int RunScript(const std::string& script, StepContext& context) {
    std::wstring text = WideFromUtf8(script);
    if (!text.empty() && text.front() == 0xFEFF) text.erase(0, 1);
    bool failed = false;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        std::wstring line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == L'\r') line.pop_back();
        const size_t first = line.find_first_not_of(L" \t");
        if (first == std::wstring::npos || line[first] == L'#') continue;
        // Whatever the last step left queued (a posted message, a box to answer) arrives first.
        PumpPending(context.state);
        RunStep(line.substr(first), context, failed);
    }
    PumpPending(context.state);
    return failed ? 1 : 0;
}

std::pair<std::wstring, std::wstring> SplitFirstWord(const std::wstring& text) {
    size_t end = 0;
    while (end < text.size() && !IsBlank(text[end])) ++end;
    return {text.substr(0, end), end < text.size() ? text.substr(end + 1) : std::wstring()};
}

std::vector<std::wstring> Words(const std::wstring& text) {
    std::vector<std::wstring> words;
    for (size_t i = 0; i < text.size();) {
        if (IsBlank(text[i])) {
            ++i;
            continue;
        }
        size_t end = i;
        while (end < text.size() && !IsBlank(text[end])) ++end;
        words.push_back(text.substr(i, end - i));
        i = end;
    }
    return words;
}

int32_t ParseInt(const std::wstring& text) {
    return ParseNumber<int32_t>(text, "not a 32-bit integer: ");
}

uint32_t ParseAssayId(const std::wstring& text) {
    const auto value = ParseNumber<int64_t>(text, "not an assay id: ");
    if (value < INT32_MIN || value > int64_t{UINT32_MAX}) throw StepError("not an assay id: " + Utf8FromWide(text));
    // The picker's buffer holds the id's 32 bits, unsigned: a negative form is its two's complement.
    return static_cast<uint32_t>(value);
}

double ParseDouble(const std::wstring& text) {
    return ParseNumber<double>(text, "not a number: ");
}
