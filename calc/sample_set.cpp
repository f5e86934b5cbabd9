#include "calc/sample_set.h"

#include "strings/string_ids.h"

#include <algorithm>
#include <array>
#include <string_view>

int SampleSet::indexOf(uint32_t id) const {
    const auto found =
        std::find_if(entries_.begin(), entries_.end(), [id](const AssayEntry& entry) { return entry.id == id; });
    return found == entries_.end() ? -1 : static_cast<int>(found - entries_.begin());
}

int SampleSet::append(AssayEntry entry) {
    if (const int existing = indexOf(entry.id); existing >= 0) return existing;
    entries_.push_back(std::move(entry));
    return count() - 1;
}

void SampleSet::remove(uint32_t id) {
    if (const int index = indexOf(id); index >= 0) entries_.erase(entries_.begin() + index);
}

namespace {

// A rule holds when the sample contains both keywords (an empty second keyword always matches).
struct RoleRule {
    std::wstring_view keyword;
    std::wstring_view alsoKeyword;
    AssayRole role;
    unsigned text;
};

// Tried from the top, the first rule that holds decides: a sample with "осуш" and "град" is the dried
// extractant of the calibration whatever level number it also carries.
constexpr std::array<RoleRule, 7> kRoleRules{{
    {L"осуш", L"град", AssayRole::DriedCalibration, IDS_ROLE_DRIED_CALIBRATION},
    {L"град1", L"", AssayRole::Calibration1, IDS_ROLE_CALIBRATION1},
    {L"град2", L"", AssayRole::Calibration2, IDS_ROLE_CALIBRATION2},
    {L"град3", L"", AssayRole::Calibration3, IDS_ROLE_CALIBRATION3},
    {L"град4", L"", AssayRole::Calibration4, IDS_ROLE_CALIBRATION4},
    {L"проб", L"осуш", AssayRole::DriedAnalysis, IDS_ROLE_DRIED_ANALYSIS},
    {L"проб", L"", AssayRole::Analysis, IDS_ROLE_ANALYSIS},
}};

bool Contains(std::wstring_view text, std::wstring_view keyword) {
    return text.find(keyword) != std::wstring_view::npos;
}

// The first rule that holds for the sample name, or none.
const RoleRule* FindRule(std::wstring_view sample) {
    for (const RoleRule& rule : kRoleRules) {
        if (Contains(sample, rule.keyword) && Contains(sample, rule.alsoKeyword)) return &rule;
    }
    return nullptr;
}

}  // namespace

std::optional<std::wstring> AssignRole(AssayEntry& entry, TextSource texts) {
    const RoleRule* rule = FindRule(entry.sample);
    if (rule == nullptr) return std::nullopt;
    entry.role = rule->role;
    entry.roleText = texts(rule->text);
    return entry.roleText;
}

bool HasRoleRule(std::wstring_view sample) {
    return FindRule(sample) != nullptr;
}

std::wstring_view RoleText(AssayRole role, TextSource texts) {
    // Each role has exactly one rule.
    for (const RoleRule& rule : kRoleRules) {
        if (rule.role == role) return texts(rule.text);
    }
    return {};
}

bool PeakBefore(const PeakRecord& a, const PeakRecord& b) {
    // channel x 1000 plus a time term; in 64 bits so that no channel number overflows the product.
    const int64_t keyA = int64_t{a.channel} * 1000 + (a.time > b.time ? 1 : 0);
    const int64_t keyB = int64_t{b.channel} * 1000 + (b.time > a.time ? 1 : 0);
    return keyA < keyB;
}

void SortPeaks(AssayEntry& entry) {
    // A merge sort stays within the sequence even if a time that is not a number makes the order
    // inconsistent, and keeps peaks of equal channel and time in the order they were read.
    std::stable_sort(entry.peaks.begin(), entry.peaks.end(), PeakBefore);
}
