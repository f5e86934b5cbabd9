// The main dialog's state in the host's profile.

#include "ui/dlg_main.h"

#include "dialogkit/message_box.h"
#include "dialogkit/resources.h"
#include "host/profile.h"
#include "strings/format_text.h"
#include "strings/string_ids.h"
#include "ui/check_marks.h"
#include "ui/list_texts.h"
#include "ui/window_placement.h"

#include <string>
#include <vector>

namespace {

// Every value lies directly under the module's profile root.
const std::wstring kNoSection;
// What an absent "Assay N" reads as; a save never writes it.
constexpr wchar_t kAbsentAssay[] = L"404";
// The restore reads Assay 1 to this; a save stores no more and removes every number above its own.
constexpr int kMostStoredAssays = 1024;

struct StoredDouble {
    const wchar_t* name;
    double FormValues::*value;
};
constexpr StoredDouble kStoredMasses[] = {
    {L"m1", &FormValues::m1},
    {L"m2", &FormValues::m2},
    {L"m3", &FormValues::m3},
    {L"m4", &FormValues::m4},
    {L"mass_proba", &FormValues::sampleMass},
    {L"mass_rastv", &FormValues::portionMass},
};

struct StoredEdge {
    const wchar_t* name;
    LONG RECT::*edge;
};
constexpr StoredEdge kStoredEdges[] = {
    {L"WindowRect_btx", &RECT::right},
    {L"WindowRect_bty", &RECT::bottom},
    {L"WindowRect_tlx", &RECT::left},
    {L"WindowRect_tly", &RECT::top},
};

std::wstring AssayKeyName(int number) {
    return L"Assay " + std::to_wstring(number);
}

// Writes the list as Assay 1, 2, ... and removes every higher number a larger save left, so that the next
// load brings back exactly this list. A host that cannot store texts has every number removed instead: the
// next load shows an empty list, never an older one or a mix of both. Answers what the analyst is told about
// a list that was not kept whole, or nothing.
std::wstring StoreAssayList(const SampleSet& sampleSet) {
    const bool canWrite = Profile::CanSetString();
    int number = 0;
    for (const AssayEntry& entry : sampleSet) {
        if (!canWrite || number == kMostStoredAssays) break;
        ++number;
        Profile::SetString(kNoSection, AssayKeyName(number), SavedAssayText(entry.id, entry.rowChecked));
    }
    for (int stale = number + 1; stale <= kMostStoredAssays; ++stale) Profile::Delete(kNoSection, AssayKeyName(stale));
    if (number < sampleSet.count() && !canWrite) return std::wstring(dialogkit::ResourceText(IDS_LIST_NOT_SAVED));
    if (number < sampleSet.count())
        return FormatText(dialogkit::ResourceText(IDS_LIST_PARTLY_SAVED),
                          {std::to_wstring(number), std::to_wstring(sampleSet.count())});
    return {};
}

// The stored list up to the first absent number; values without a readable id are passed over.
std::vector<uint32_t> ReadStoredAssayIds() {
    std::vector<uint32_t> ids;
    for (int number = 1; number <= kMostStoredAssays; ++number) {
        const std::wstring value = Profile::GetString(kNoSection, AssayKeyName(number), kAbsentAssay);
        if (value == kAbsentAssay) break;
        if (const std::optional<uint32_t> id = ParseSavedAssayId(value)) ids.push_back(*id);
    }
    return ids;
}

}  // namespace

void DlgMain::SaveState() {
    UpdateData(true);
    TakeCheckMarks(list_, sampleSet_);
    // A list the restore could not read from the database stays stored until the analyst changes it.
    const std::wstring notKept = keepStoredList_ ? std::wstring() : StoreAssayList(sampleSet_);
    for (const StoredDouble& mass : kStoredMasses) Profile::SetDouble(kNoSection, mass.name, form_.*mass.value);
    const RECT window = GetWindowRect();
    for (const StoredEdge& edge : kStoredEdges) Profile::SetInt(kNoSection, edge.name, window.*edge.edge);
    UpdateData(false);
    if (!notKept.empty()) dialogkit::ShowMessageBox(m_hWnd, notKept);
}

void DlgMain::RestoreState() {
    sampleSet_.removeAll();
    restore_.Start(m_hWnd, ReadStoredAssayIds());
    for (const StoredDouble& mass : kStoredMasses) form_.*mass.value = Profile::GetDouble(kNoSection, mass.name, 0.0);
    RECT stored{};
    for (const StoredEdge& edge : kStoredEdges) stored.*edge.edge = Profile::GetInt(kNoSection, edge.name, 0);
    const RECT created = GetWindowRect();
    const SIZE templateSize{created.right - created.left, created.bottom - created.top};
    const HWND host = ::GetAncestor(GetParent(), GA_ROOT);
    RECT hostRect{};
    if (!host || !::GetWindowRect(host, &hostRect)) ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &hostRect, 0);
    const bool onMonitor = ::MonitorFromRect(&stored, MONITOR_DEFAULTTONULL) != nullptr;
    MoveWindow(PlaceMainWindow(stored, templateSize, hostRect, onMonitor), true);
    UpdateData(false);
}
