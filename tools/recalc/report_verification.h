#pragma once
// recalc --verify: what a report says about its determination, read back from the report's data document or
// from the default style sheet's page, and compared with what the database and the files give now.

#include "calc/sample_set.h"
#include "tools/recalc/recalc_run.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// One chromatogram of the report, in the report's order.
struct ReportedInjection {
    uint32_t id = 0;
    // None when the report names no fingerprint (the file could not be read then).
    std::optional<FileFingerprint> fingerprint;
    // The water heights as the report writes them ("%.3f").
    std::vector<std::wstring> heights;
};

// What a verification needs of a report: its chromatograms, the exact masses and result, its verdict.
struct ReportedDetermination {
    std::vector<ReportedInjection> injections;
    // The masses the report's result was computed from, and that result as water.
    FormValues exact;
    std::wstring verdict;
};

// Reads the report at path: a "Document" data document, or a page that carries the document's "details" in
// the data block the default style sheet writes. Answers why it cannot be verified (for the analyst) when the
// file does not read as such, or carries no exact values (a report of an older module, or one made without a
// calculation that ran to its end).
std::variant<ReportedDetermination, std::wstring> ReadReport(const std::wstring& path);

// The request that recalculates the report's determination: its ids in its order, its exact masses.
RecalcRequest VerificationRequest(const ReportedDetermination& reported, const std::wstring& database);

// What a verification found: whether the report still stands, and the object recalc prints for it.
struct Verification {
    bool verified = false;
    // {"verified": …, "differences": […]} and a line end.
    std::string json;
};

// Compares the report with the recalculation of its request.
Verification Verify(const ReportedDetermination& reported, const RecalcReport& now);
