#pragma once
// The chromatograms of one determination: each assay with its passport data, its peaks, its role in the
// method and the data of its chromatogram file, held in the order the analyst added them.

#include "chromfile/records.h"
#include "strings/texts.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a chromatogram stands for in the method; derived from its sample name by AssignRole.
enum class AssayRole : int32_t {
    DriedCalibration = 0,
    Calibration1 = 1,
    Calibration2 = 2,
    Calibration3 = 3,
    Calibration4 = 4,
    DriedAnalysis = 5,
    Analysis = 6,
};

// One named peak of an assay, as the host database holds it.
struct PeakRecord {
    std::wstring nameid;
    std::wstring name;
    double area = 0.0;
    double time = 0.0;
    double concentration = 0.0;
    double height = 0.0;
    int32_t channel = 0;
    double front = 0.0;
    double back = 0.0;
    // Kept for the record's layout; nothing fills them.
    std::wstring spareText;
    int32_t spareNumber = 0;
};

// What a chromatogram file was when its entry was made, so that it can be shown later to be unchanged.
struct FileFingerprint {
    uint64_t size = 0;
    std::array<unsigned char, 32> sha256{};

    bool operator==(const FileFingerprint&) const = default;
};

// One chromatogram of the determination.
struct AssayEntry {
    // The host's assay id, unsigned 32 bits as its picker writes it and the statements bind it.
    uint32_t id = 0;
    // Seconds since 1970-01-01 00:00 UTC.
    int64_t date = 0;
    std::wstring filename;
    std::wstring sample;
    std::wstring method;
    std::wstring mixture;
    bool iscalibration = false;
    // Empty until AssignRole matched a keyword; then in the language of the texts it was given.
    std::wstring roleText;
    // The check state of the entry's list row.
    int32_t rowChecked = 0;
    AssayRole role = AssayRole::DriedCalibration;
    // The chromatogram file's channels; empty when the file could not be read.
    std::vector<ChannelRecord> channels;
    std::vector<PeakRecord> peaks;
    // Block values of the file's last channel; the lowest finite double when there is none.
    double blockValueB = std::numeric_limits<double>::lowest();
    double blockValueA = std::numeric_limits<double>::lowest();
    // One trace per channel of the file, its samples widened to double.
    std::vector<std::vector<double>> traces;
    // The file's size and SHA-256 as it was read; none when it could not be opened or read to its end.
    std::optional<FileFingerprint> fingerprint;
};

// The ordered set of chromatograms. Order is the order of addition and is never changed: it decides which
// injection of a role counts as the first and which as the second, and it is the row order of the list and
// the report. An assay id occurs at most once. Indices are int, as the list rows that show them are.
class SampleSet {
public:
    using const_iterator = std::vector<AssayEntry>::const_iterator;
    using iterator = std::vector<AssayEntry>::iterator;

    int count() const { return static_cast<int>(entries_.size()); }
    // index must lie in [0, count()).
    const AssayEntry& entry(int index) const { return entries_.at(static_cast<std::size_t>(index)); }
    AssayEntry& entry(int index) { return entries_.at(static_cast<std::size_t>(index)); }
    // The index of the entry with this id, or -1.
    int indexOf(uint32_t id) const;
    // Appends the entry and answers its index; an id already present leaves the set as it is and answers
    // the index of the entry that holds it.
    int append(AssayEntry entry);
    // Removes the entry with this id, if any; the others keep their order.
    void remove(uint32_t id);
    void removeAll() { entries_.clear(); }

    const_iterator begin() const { return entries_.begin(); }
    const_iterator end() const { return entries_.end(); }
    iterator begin() { return entries_.begin(); }
    iterator end() { return entries_.end(); }

private:
    std::vector<AssayEntry> entries_;
};

// Derives the entry's role from its sample name (first matching keyword rule wins, keywords are
// case-sensitive). On a match sets role and roleText (from texts) and answers the role text; otherwise changes
// nothing and answers std::nullopt, which the list shows as an empty cell.
std::optional<std::wstring> AssignRole(AssayEntry& entry, TextSource texts);

// Whether some keyword rule gives this sample name a role (AssignRole would change the entry).
bool HasRoleRule(std::wstring_view sample);

// The text the list and the messages show for a role, from texts.
std::wstring_view RoleText(AssayRole role, TextSource texts);

// The order of peaks within an assay: by channel, then by time.
bool PeakBefore(const PeakRecord& a, const PeakRecord& b);

// Puts the entry's peaks in PeakBefore order; peaks with equal channel and time keep their reading order.
void SortPeaks(AssayEntry& entry);
