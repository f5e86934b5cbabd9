#pragma once
// Writes a host database the way the chromatography workstation keeps one: the tables [assay] and [peak]
// with the columns the module reads, a primary key on each and an index on peak.assayid.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// One row of [peak].
struct HostPeak {
    std::wstring nameid;
    std::wstring name;
    double area = 0.0;
    double time = 0.0;
    double concentration = 0.0;
    double height = 0.0;
    int32_t channel = 0;
    double front = 0.0;
    double back = 0.0;
};

// One row of [assay] with its peaks.
struct HostAssay {
    int64_t id = 0;
    // Seconds since 1970-01-01 00:00 UTC.
    int64_t date = 0;
    std::wstring filename;
    std::wstring sample;
    std::wstring mixture;
    std::wstring method;
    int32_t iscalibration = 0;
    std::vector<HostPeak> peaks;
};

// Creates the database file (replacing one that exists) with the host's tables and the assays given, in one
// transaction. Throws std::runtime_error with SQLite's text when that fails.
void WriteHostDatabase(const std::filesystem::path& path, const std::vector<HostAssay>& assays);
