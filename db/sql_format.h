#pragma once
// The printf-style formatting of SQL texts, done by our own code so that every target formats alike (the C
// runtimes disagree on what "%s" means in a wide format). The arguments are typed: each directive takes the
// next one, and its letter must suit it.
//   %%            a percent sign
//   %d %i %u      an integer argument, in decimal (length letters l, ll, h, hh, z, j are accepted and change
//                 nothing: the argument's own type decides)
//   %s %ls        a text argument, as it is
// A directive of another kind, an argument of the wrong kind, too few or too many arguments throw
// std::invalid_argument: they are faults of the calling code, not of the database.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

namespace DataBase {

// One argument of a format: a signed or unsigned integer, or a text.
class SqlFormatArg {
public:
    template <class T, std::enable_if_t<std::is_integral_v<T> && std::is_signed_v<T>, int> = 0>
    SqlFormatArg(T value) : value_(static_cast<int64_t>(value)) {}
    template <class T, std::enable_if_t<std::is_integral_v<T> && std::is_unsigned_v<T>, int> = 0>
    SqlFormatArg(T value) : value_(static_cast<uint64_t>(value)) {}
    SqlFormatArg(std::wstring_view text) : value_(text) {}
    SqlFormatArg(const wchar_t* text) : value_(std::wstring_view(text)) {}
    SqlFormatArg(const std::wstring& text) : value_(std::wstring_view(text)) {}

    const std::variant<int64_t, uint64_t, std::wstring_view>& value() const { return value_; }

private:
    std::variant<int64_t, uint64_t, std::wstring_view> value_;
};

std::wstring FormatSql(std::wstring_view format, std::span<const SqlFormatArg> args);

}  // namespace DataBase
