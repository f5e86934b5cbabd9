#pragma once
// One recalculation as the dialog makes it: the assays read through LoadAssay on one database handle, the
// roles assigned as the list refresh assigns them, then the method's calculation. recalc prints the result.

#include "calc/sample_set.h"
#include "calc/water_calculator.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct RecalcRequest {
    std::wstring database;
    std::vector<uint32_t> ids;
    // The masses, and as water the value shown before the run.
    FormValues form;
};

struct RecalcReport {
    SampleSet sampleSet;
    // What LoadAssay answered for each id requested, in order.
    std::vector<int> indices;
    // By entry index: the message of a chromatogram file that could not be read.
    std::vector<std::optional<std::wstring>> fileErrors;
    FormValues form;
    CalcResults results;
    // The calculation stopped on a peak other than water.
    bool stopped = false;
    // SQLite's text (UTF-8) when reading an assay failed: the run then ended there, without a calculation.
    std::optional<std::string> databaseFailure;
};

// Runs the request. A failed read ends it with databaseFailure set. Throws DataBase::OpenException (naming
// the path) when the database cannot be opened.
RecalcReport RunRecalc(const RecalcRequest& request);

// The report as recalc prints it: one JSON object and a line end.
std::string RecalcJson(const RecalcRequest& request, const RecalcReport& report);

// The object printed when the database cannot be opened or read.
std::string RecalcErrorJson(const char* message);
