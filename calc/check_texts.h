#pragma once
// What each acceptance check judged, in words, and the clause of the method it applies: the report and the
// command-line tools name the checks alike.

#include <array>
#include <string_view>

namespace checktexts {

struct CheckText {
    std::wstring_view clause;
    std::wstring_view subject;
};

// In the order of CalcDetails::checks.
inline constexpr std::array<CheckText, 8> kChecks{{
    {L"11.1 4в", L"градуировочный раствор 1"},
    {L"11.1 4в", L"градуировочный раствор 2"},
    {L"11.1 4в", L"градуировочный раствор 3"},
    {L"11.1 4в", L"градуировочный раствор 4"},
    {L"11.1 4а", L"осушенный экстрагент в градуировке"},
    {L"11.2", L"градуировочный коэффициент"},
    {L"11.1 4б", L"осушенный экстрагент в анализе"},
    {L"11.1 4г", L"вода в анализе"},
}};

}  // namespace checktexts
