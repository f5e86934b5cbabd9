// The main dialog at scale: 1024 chromatograms restored from the profile as the dialog is made, and the list
// of 1024 rows refreshed. Each is set against a bare baseline doing the same work without the dialog's code:
// LoadAssay of the 1024 ids into a sample set, and 1024 rows of six texts inserted into a plain list-view.
// The refresh is what keeps the dialog from answering after a command; the goal is well under a second. The
// restore reads the list in parts between which the dialog answers: its longest busy stretch (the creation,
// or the handling of one message) is measured too, against the same goal.
// The files are smaller than a real determination's (2 channels x 5 000 samples), so that 1024 of them fit
// a 32-bit process beside the rest: the reading scales with the samples, the list does not.

#include "bench/scratch_folder.h"
#include "bench/ui/ratio_table.h"
#include "calc/sample_set.h"
#include "db/database_connection.h"
#include "db/handle.h"
#include "db/load_assay.h"
#include "host/host_interface.h"
#include "host/host_link.h"
#include "host/profile.h"
#include "res/dialog_ids.h"
#include "strings/texts.h"
#include "tools/chromwriter/chrom_writer.h"
#include "tools/gendb/host_database.h"
#include "tools/gendb/synthetic_chromatogram.h"
#include "ui/dlg_main.h"

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kAssays = 1024;
constexpr uint32_t kSamples = 5000;
constexpr int kRepetitions = 5;

// The host database of 1024 assays, removed at the end. Every assay names the same file: the reading cost
// is the same per assay, and the disk holds one file, not a thousand.
class Determinations {
public:
    Determinations() {
        SyntheticChromatogram chromatogram;
        chromatogram.sampleCount = kSamples;
        chromatogram.channels = {{1, 0.8, 0.02, {}}, {2, 1.2, 0.01, {}}};
        const std::filesystem::path file = folder_.path() / "assay.stg";
        SaveBytes(file, SynthesizeFile(chromatogram));
        std::vector<HostAssay> assays(kAssays);
        for (int id = 1; id <= kAssays; ++id) {
            HostAssay& assay = assays[static_cast<size_t>(id - 1)];
            assay.id = id;
            assay.date = 1772440200 + id * 60;
            assay.filename = file.wstring();
            assay.sample = L"Раствор град" + std::to_wstring(id % 4 + 1);
            assay.method = L"ЗЮЛК-04-04";
            assay.peaks.push_back({L"{water}", L"Вода", 120.0, 95.0, 0.0, 10.0, 1, 90.0, 100.0});
        }
        WriteHostDatabase(folder_.path() / "host.db", assays);
        DataBaseConnection::Instance().SetConnectionUri((folder_.path() / "host.db").wstring().c_str());
    }

private:
    ScratchFolder folder_{"talvex-bench-ui-"};
};

// The profile services of a host whose stored list is Assay 1 to Assay 1024.
HostValue __cdecl ServiceExists(const char* name) {
    return std::strcmp(name, HostService::ProfileGetString) == 0;
}

HostValue __cdecl CallService(const char* name, HostValue key, HostValue value) {
    if (std::strcmp(name, HostService::ProfileGetString) != 0) return 0;
    const wchar_t* assay = std::wcsstr(reinterpret_cast<const wchar_t*>(key), L"Assay ");
    const int number = assay ? std::wcstol(assay + 6, nullptr, 10) : 0;
    if (number < 1 || number > kAssays) return 0;
    auto& buffer = *reinterpret_cast<TextBuffer*>(value);
    std::swprintf(buffer.text, static_cast<size_t>(buffer.capacity), L"%d/0", number);
    return 1;
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// What the list refresh amounts to with nothing of the module: rows of six texts in a plain list-view,
// drawn once when all are in.
void FillPlainList(HWND list, const SampleSet& set) {
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    int position = 0;
    for (const AssayEntry& entry : set) {
        const std::wstring number = std::to_wstring(position + 1);
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = position;
        item.pszText = const_cast<wchar_t*>(number.c_str());
        item.lParam = entry.id;
        const int row = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        for (int column = 1; column < 6; ++column) {
            LVITEMW cell{};
            cell.iSubItem = column;
            cell.pszText = const_cast<wchar_t*>(column == 2 ? entry.sample.c_str() : entry.filename.c_str());
            SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
        }
        ++position;
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

double Milliseconds(std::chrono::steady_clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

// Makes and shows the dialog, then hands it its messages until the stored list is read, as a host's loop
// would. The result is the longest time the thread stayed away from the loop: the creation or one message.
double LongestBusyStretch(DlgMain& dialog, HWND owner) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point created = Clock::now();
    dialog.Create(IDD_MAIN, owner);
    dialog.ShowWindow(SW_SHOWNORMAL);
    double longest = Milliseconds(Clock::now() - created);
    MSG msg;
    while (dialog.Restoring()) {
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            WaitMessage();
            continue;
        }
        const Clock::time_point start = Clock::now();
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        longest = std::max(longest, Milliseconds(Clock::now() - start));
    }
    PumpMessages();
    return longest;
}

}  // namespace

int main() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    const Determinations determinations;
    HostInterface host{};
    host.ServiceExists = &ServiceExists;
    host.CallService = &CallService;
    HostLink::Attach(&host);
    Profile::SetRoot(L"plugins\\talvex7");

    const HWND owner = CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW, 0, 0, 1200, 800, nullptr, nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
    RatioTable table(kRepetitions);

    SampleSet bareSet;
    table.Measure(
        "bare LoadAssay x1024", [&] { bareSet.removeAll(); },
        [&] {
            DataBase::Handle handle;
            for (uint32_t id = 1; id <= kAssays; ++id) LoadAssay(handle, bareSet, id, &BuiltInText);
        });

    std::unique_ptr<DlgMain> dialog;
    table.Measure(
        "restore dialog x1024", [&] { dialog = std::make_unique<DlgMain>(); },
        [&] {
            dialog->Create(IDD_MAIN, owner);
            PumpMessages();
        });
    std::vector<double> stretches;
    for (int i = 0; i < kRepetitions; ++i) {
        dialog = std::make_unique<DlgMain>();
        stretches.push_back(LongestBusyStretch(*dialog, owner));
    }
    std::sort(stretches.begin(), stretches.end());
    std::printf("%-32s %10.1f ms real (median of %d, longest %.1f)\n", "restore: longest busy stretch",
                stretches[stretches.size() / 2], kRepetitions, stretches.back());
    const HWND list = GetDlgItem(dialog->m_hWnd, IDC_LIST);
    const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));

    table.Measure(
        "refresh list x1024", [] {},
        [&] {
            dialog->RefreshList();
            PumpMessages();
        });

    const HWND plain = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 800, 400, owner,
                                       nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(plain, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    ShowWindow(owner, SW_SHOWNORMAL);
    for (int column = 0; column < 6; ++column) {
        LVCOLUMNW format{};
        format.mask = LVCF_WIDTH;
        format.cx = 100;
        SendMessageW(plain, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&format));
    }
    table.Measure(
        "bare list x1024", [] {},
        [&] {
            FillPlainList(plain, bareSet);
            PumpMessages();
        });

    std::printf("rows restored: %d of %d\n", rows, kAssays);
    table.PrintRatio("restore dialog x1024", "bare LoadAssay x1024", "1024 chromatograms from the profile");
    table.PrintRatio("refresh list x1024", "bare list x1024", "1024 rows");
    dialog.reset();
    DestroyWindow(owner);
    HostLink::Attach(nullptr);
    return rows == kAssays ? 0 : 1;
}
