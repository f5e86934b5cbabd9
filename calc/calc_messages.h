#pragma once
// Every text the calculation gives the analyst, by its string id: the lines of the error list, and what each
// acceptance check judged with the clause of the method it applies. The texts come from whoever runs the
// calculation: the module's dialog and report show them in the module's language, the command-line tools in
// the built-in Russian.

#include "strings/format_text.h"
#include "strings/string_ids.h"
#include "strings/texts.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace calcmessages {

// One acceptance check: the clause of the method it applies (cited as the method's document has it, in every
// language), its failure message (the clause put in for "%1") and what it judged.
struct CheckText {
    std::wstring_view clause;
    unsigned failed;
    unsigned subject;
};
// In the order the checks are made, that of CalcDetails::checks.
inline constexpr std::array<CheckText, 8> kChecks{{
    {L"11.1 4в", IDS_CHECK_LEVEL1, IDS_SUBJECT_LEVEL1},
    {L"11.1 4в", IDS_CHECK_LEVEL2, IDS_SUBJECT_LEVEL2},
    {L"11.1 4в", IDS_CHECK_LEVEL3, IDS_SUBJECT_LEVEL3},
    {L"11.1 4в", IDS_CHECK_LEVEL4, IDS_SUBJECT_LEVEL4},
    {L"11.1 4а", IDS_CHECK_DRY_CALIBRATION, IDS_SUBJECT_DRY_CALIBRATION},
    {L"11.2", IDS_CHECK_COEFFICIENT, IDS_SUBJECT_COEFFICIENT},
    {L"11.1 4б", IDS_CHECK_DRY_ANALYSIS, IDS_SUBJECT_DRY_ANALYSIS},
    {L"11.1 4г", IDS_CHECK_SAMPLE, IDS_SUBJECT_SAMPLE},
}};

// The error list's line for a failed check (an index of kChecks), without its line end.
inline std::wstring CheckFailedText(std::size_t check, TextSource texts) {
    return FormatText(texts(kChecks[check].failed), {kChecks[check].clause});
}

// Why the water value could not be computed: the solvent mass of calibration solutions 1 to 4 is not a finite
// number above zero.
inline constexpr std::array<unsigned, 4> kSolventMass{IDS_SOLVENT_MASS1, IDS_SOLVENT_MASS2, IDS_SOLVENT_MASS3,
                                                      IDS_SOLVENT_MASS4};

}  // namespace calcmessages
