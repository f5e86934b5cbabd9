#pragma once
// A result that no longer belongs to what the dialog shows: once the chromatogram list or a mass has changed
// since the last calculation, neither the dialog nor the report may show a water value computed from
// something else.

#include <string_view>

struct CalcResults;
struct FormValues;

// Leaves the results as a stop leaves them (no water, the one line as the error text, no details to report),
// keeping the masses and contents the calculation took; the form's water and error list say the same.
void PutOutOfDate(FormValues& form, CalcResults& results, std::wstring_view line);

// Whether a mass field's text still gives the value it showed after the calculation: the same number however
// it is written now, or an empty field, which the data exchange refills with the value in force.
bool StillShowsMass(std::wstring_view text, std::wstring_view shown);
