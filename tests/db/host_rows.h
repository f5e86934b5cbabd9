#pragma once
// Host databases for the fault and replay tests: the host's two tables, and rows written with bound texts,
// so that a test can store any sequence of UTF-16 code units, lone surrogates included.

#include "tests/db/scratch_database.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// The host's [assay] and [peak] tables with the column types the host gives them.
inline constexpr char kHostSchema[] =
    "CREATE TABLE assay(id INTEGER PRIMARY KEY, date INTEGER, filename TEXT, sample TEXT, mixture TEXT,"
    " method TEXT, iscalibration INTEGER);"
    "CREATE TABLE peak(id INTEGER PRIMARY KEY, assayid INTEGER REFERENCES assay(id), nameid TEXT, name TEXT,"
    " area REAL, time REAL, concentration REAL, height REAL, channel INTEGER, front REAL, back REAL);"
    "CREATE INDEX peak_assayid ON peak(assayid);";

// Runs one SQL statement with the texts bound as UTF-16 to ?1, ?2, ... in order.
void ExecWithTexts(const ScratchDatabase& database, const char* sql, std::initializer_list<std::u16string_view> texts);

// One calibration assay row (date 1767000000, sample "Раствор град1") naming the file.
void AddAssayRow(const ScratchDatabase& database, int64_t id, std::u16string_view filename);
// Such a row for each file, with the ids firstId, firstId + 1, ..., written in one transaction.
void AddAssayRows(const ScratchDatabase& database, int64_t firstId, const std::vector<std::u16string>& filenames);

// One water peak of the assay on channel 1 at the time, height 100.
void AddPeakRow(const ScratchDatabase& database, int64_t assayId, double time);
