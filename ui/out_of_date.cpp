#include "ui/out_of_date.h"

#include "calc/water_calculator.h"
#include "text/number_text.h"

#include <limits>
#include <optional>
#include <utility>

namespace {

// What the calculation took from the analyst, which a stop keeps too.
constexpr double CalcResults::*kKept[] = {
    &CalcResults::m1, &CalcResults::m2, &CalcResults::m3, &CalcResults::m4,          &CalcResults::c1,
    &CalcResults::c2, &CalcResults::c3, &CalcResults::c4, &CalcResults::portionMass, &CalcResults::sampleMass,
};

}  // namespace

void PutOutOfDate(FormValues& form, CalcResults& results, std::wstring_view line) {
    CalcResults stale;
    for (const auto kept : kKept) stale.*kept = results.*kept;
    stale.water = std::numeric_limits<double>::quiet_NaN();
    stale.verdict = Verdict::Incomplete;
    stale.errorText.assign(line);
    stale.errorText += L"\r\n";
    form.water = stale.water;
    form.errorText = stale.errorText;
    results = std::move(stale);
}

bool StillShowsMass(std::wstring_view text, std::wstring_view shown) {
    if (text.empty()) return true;
    const std::optional<double> typed = ParseWholeNumber(text);
    const std::optional<double> before = ParseWholeNumber(shown);
    // What is no number now (or was none then, as "nan") has to be the very text.
    return typed && before ? *typed == *before : text == shown;
}
