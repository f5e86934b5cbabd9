#pragma once
// Writes a demo determination to disk: one chromatogram file per assay and the host database naming them.

#include "tools/gendb/determination.h"

#include <cstdint>
#include <filesystem>
#include <string>

struct DemoFiles {
    std::filesystem::path database;
    // Where the chromatogram files are written.
    std::filesystem::path folder;
    // The folder as the database names it: the path the module will open, which differs from folder when
    // the files are written from outside the system that reads them.
    std::wstring storedFolder;
    uint32_t samplesPerChannel = 50000;
    uint64_t seed = 462;
    // The assay whose water peak the database names "метан" (a determination the calculation must refuse);
    // 0 for none.
    int32_t foreignPeakAssay = 0;
};

// The path the database stores for a file of the stored folder: joined with the folder's own separator.
std::wstring StoredPath(const std::wstring& storedFolder, const std::wstring& fileName);

// Writes the files and the database. Throws std::runtime_error when either cannot be written.
void WriteDemo(const DemoDetermination& determination, const DemoFiles& files);
