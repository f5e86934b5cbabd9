#pragma once
// The records a chromatogram file fills: the passport of the analysis and, per detector channel, the
// samples of its block and its peak table. Data only, so that the sample set can hold them without
// depending on the reader.

#include <cstdint>
#include <string>
#include <vector>

// One peak of a channel's peak table, as the file's document gives it.
struct PeakTableItem {
    double front = 0.0;
    double back = 0.0;
    double time = 0.0;
    double area = 0.0;
    double height = 0.0;
    double concent = 0.0;
    std::wstring name;
    bool reference = false;
    int32_t left = -1;
    int32_t right = -1;
    uint32_t flags = 0;
    double front_base_height = 0.0;
    double back_base_height = 0.0;
    double index = 0.0;
};

// One detector channel: the binary block and the peak table the document holds for its number.
struct ChannelRecord {
    uint32_t number = 0;
    std::vector<float> samples;
    double blockValueA = 0.0;
    double blockValueB = 0.0;
    std::vector<PeakTableItem> table;
};

// One separation column of the passport.
struct ColumnRecord {
    int32_t channel = 0;
    std::wstring name;
    std::wstring brand;
    int32_t type = 0;
    double diameter = 0.0;
    double length = 0.0;
    std::wstring carrier;
    std::wstring phase;
    double percent = 0.0;
    int32_t unit = 0;
    double fraction0 = 0.0;
    double fraction1 = 0.0;
    double film = 0.0;
    std::wstring part;
    std::wstring serial;
};

// A passport element the reader does not know by name, kept as it stood.
struct ExtraItem {
    std::wstring name;
    std::wstring title;
    std::wstring value;
};

// The descriptive data of the analysis.
struct Passport {
    std::wstring path;
    std::wstring assayid = L"00000000-0000-0000-0000-000000000000";
    std::wstring series;
    int64_t andate = 0;
    double duration = 0.0;
    std::wstring sample;
    std::wstring method;
    bool graduation = false;
    int64_t date = 0;
    bool defect = false;
    std::wstring mixture;
    std::vector<ColumnRecord> columns;
    std::vector<ExtraItem> extras;
};
