#include "db/sql_format.h"

#include <stdexcept>

namespace DataBase {

namespace {

// Appends the decimal digits of a magnitude.
void AppendDecimal(std::wstring& out, uint64_t magnitude) {
    wchar_t digits[20];
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<wchar_t>(L'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    while (count != 0) out.push_back(digits[--count]);
}

void AppendInteger(std::wstring& out, const SqlFormatArg& arg) {
    if (const auto* value = std::get_if<int64_t>(&arg.value())) {
        if (*value < 0) {
            out.push_back(L'-');
            // Negating in unsigned arithmetic keeps INT64_MIN representable.
            AppendDecimal(out, 0 - static_cast<uint64_t>(*value));
        } else {
            AppendDecimal(out, static_cast<uint64_t>(*value));
        }
    } else if (const auto* unsignedValue = std::get_if<uint64_t>(&arg.value())) {
        AppendDecimal(out, *unsignedValue);
    } else {
        throw std::invalid_argument("SQL format: an integer directive met a text argument");
    }
}

void AppendText(std::wstring& out, const SqlFormatArg& arg) {
    const auto* text = std::get_if<std::wstring_view>(&arg.value());
    if (text == nullptr) throw std::invalid_argument("SQL format: a text directive met an integer argument");
    out.append(*text);
}

// Skips the length letters after '%'; they do not matter with typed arguments.
std::size_t SkipLength(std::wstring_view format, std::size_t pos) {
    while (pos < format.size() && std::wstring_view(L"lhzj").find(format[pos]) != std::wstring_view::npos) ++pos;
    return pos;
}

}  // namespace

std::wstring FormatSql(std::wstring_view format, std::span<const SqlFormatArg> args) {
    std::wstring out;
    out.reserve(format.size());
    auto next = args.begin();
    for (std::size_t pos = 0; pos < format.size(); ++pos) {
        if (format[pos] != L'%') {
            out.push_back(format[pos]);
            continue;
        }
        if (pos + 1 < format.size() && format[pos + 1] == L'%') {
            out.push_back(L'%');
            ++pos;
            continue;
        }
        pos = SkipLength(format, pos + 1);
        if (pos == format.size()) throw std::invalid_argument("SQL format: incomplete directive");
        const wchar_t letter = format[pos];
        if (letter != L'd' && letter != L'i' && letter != L'u' && letter != L's')
            throw std::invalid_argument("SQL format: unsupported directive");
        if (next == args.end()) throw std::invalid_argument("SQL format: too few arguments");
        if (letter == L's')
            AppendText(out, *next);
        else
            AppendInteger(out, *next);
        ++next;
    }
    if (next != args.end()) throw std::invalid_argument("SQL format: too many arguments");
    return out;
}

}  // namespace DataBase
