#pragma once
// Helpers of the chromatogram file tests: temporary files, loading bytes through the reader, typical file
// contents and field-by-field comparison of the records.

#include <filesystem>
#include <string>

#include "chromfile/records.h"
#include "chromfile/veltrox_file4.h"
#include "tools/chromwriter/chrom_writer.h"

// A file in the temporary folder, named after the running test, removed when the object goes.
class TempFile {
public:
    explicit TempFile(const std::wstring& suffix = L".stg");
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::wstring WidePath() const;
    void Write(const std::string& bytes) const;

private:
    std::filesystem::path path_;
};

// Writes bytes to a temporary file and loads it into file; the result code.
int32_t LoadBytes(CVeltroxFile4& file, const std::string& bytes);

// A channel with the given number and samples, and distinct block values.
ChannelRecord MakeChannel(uint32_t number, std::vector<float> samples);

// A peak with every field set to a value of its own.
PeakTableItem MakePeak(double time, const std::wstring& name);

// A file with every passport field set, two columns, one extra, and two channels with peak tables.
ChromFileSpec FullSpec();

// A document "root" holding inner, as the document part of a file.
std::string DocumentWith(const std::string& inner);

// The channel numbers the reader holds, in order.
std::vector<uint32_t> Numbers(const CVeltroxFile4& file);

// Whether any channel the reader holds has a peak table.
bool AnyTable(const CVeltroxFile4& file);

bool operator==(const PeakTableItem& a, const PeakTableItem& b);
bool operator==(const ChannelRecord& a, const ChannelRecord& b);
bool operator==(const ColumnRecord& a, const ColumnRecord& b);
bool operator==(const ExtraItem& a, const ExtraItem& b);
bool operator==(const Passport& a, const Passport& b);

// Failure messages show records as chromdump does.
void PrintTo(const ChannelRecord& channel, std::ostream* out);
void PrintTo(const Passport& passport, std::ostream* out);
void PrintTo(const PeakTableItem& item, std::ostream* out);
