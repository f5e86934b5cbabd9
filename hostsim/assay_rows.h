#pragma once
// The host database's [assay] rows as the assay picker lists them, read from the file with a read-only
// connection: the picker never creates, locks for writing or changes the database it shows.

#include <cstdint>
#include <string>
#include <vector>

// One row of [assay]; NULL texts read as empty.
struct AssayRow {
    uint32_t id = 0;
    // Seconds since 1970-01-01 00:00 UTC.
    int64_t date = 0;
    std::wstring sample;
    std::wstring method;
    std::wstring filename;
};

// Every row whose id an IdBuffer can carry (0 to 4294967295; the plug-in reads the 32 bits unsigned), by
// ascending id. Throws DataBase::SqlException with SQLite's text when the file cannot be opened or read.
std::vector<AssayRow> ReadAssayRows(const std::wstring& databasePath);
