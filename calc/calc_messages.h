#pragma once
// Every text the calculation gives the analyst, in one place: the lines of the error list, and what each
// acceptance check judged with the clause of the method it applies. The module's dialog and report and the
// command-line tools show the same texts.

#include <array>
#include <string_view>

namespace calcmessages {

// The method's acceptance checks, in the order they are made.
inline constexpr std::array<std::wstring_view, 4> kLevel{
    L"Проверка градуировочного раствора 1 не пройдена (11.1 4в)",
    L"Проверка градуировочного раствора 2 не пройдена (11.1 4в)",
    L"Проверка градуировочного раствора 3 не пройдена (11.1 4в)",
    L"Проверка градуировочного раствора 4 не пройдена (11.1 4в)",
};
inline constexpr std::wstring_view kDryCalibration =
    L"Проверка осушенного экстрагента в градуировке не пройдена (11.1 4а)";
inline constexpr std::wstring_view kCoefficient =
    L"Проверка приемлемости градуировочного коэффициента не пройдена (11.2)";
inline constexpr std::wstring_view kDryAnalysis = L"Проверка осушенного экстрагента в анализе не пройдена (11.1 4б)";
inline constexpr std::wstring_view kSample = L"Проверка воды в анализе не пройдена (11.1 4г)";

// Why the water value could not be computed or stands on an incomplete set. The parts around a name or a
// count are joined as: before + name + after.
inline constexpr std::array<std::wstring_view, 4> kSolventMass{
    L"Масса растворителя m1 должна быть больше нуля",
    L"Масса растворителя m2 должна быть больше нуля",
    L"Масса растворителя m3 должна быть больше нуля",
    L"Масса растворителя m4 должна быть больше нуля",
};
inline constexpr std::wstring_view kPortionMass = L"Масса навески должна быть больше нуля";
inline constexpr std::wstring_view kSampleMass = L"Масса пробы должна быть больше нуля";
// «ROLE» — пиков воды N, нужно 2 (or "нужно не меньше 1" for the dried extractant of the calibration).
inline constexpr std::wstring_view kIncompleteBefore = L"Неполный набор: «";
inline constexpr std::wstring_view kIncompleteCount = L"» — пиков воды ";
inline constexpr std::wstring_view kIncompleteTwo = L", нужно 2";
inline constexpr std::wstring_view kIncompleteAtLeastOne = L", нужно не меньше 1";
// «SAMPLE» учтена как «ROLE».
inline constexpr std::wstring_view kUnmatchedBefore = L"Тип расчёта не определён: «";
inline constexpr std::wstring_view kUnmatchedAs = L"» учтена как «";
inline constexpr std::wstring_view kQuoteEnd = L"»";
// Расчёт остановлен: пик «NAME» в хроматограмме «FILE» — не вода.
inline constexpr std::wstring_view kStoppedBefore = L"Расчёт остановлен: пик «";
inline constexpr std::wstring_view kStoppedFile = L"» в хроматограмме «";
inline constexpr std::wstring_view kStoppedAfter = L"» — не вода";

// What each acceptance check judged, in words, and its clause; in the order of CalcDetails::checks.
struct CheckText {
    std::wstring_view clause;
    std::wstring_view subject;
};
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

}  // namespace calcmessages
