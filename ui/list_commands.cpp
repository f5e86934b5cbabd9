// The chromatogram list commands of the main dialog and the list refresh.

#include "ui/dlg_main.h"

#include "db/assay_queries.h"
#include "db/handle.h"
#include "db/sql_exception.h"
#include "dialogkit/message_box.h"
#include "dialogkit/resources.h"
#include "host/assay_services.h"
#include "host/host_interface.h"
#include "report/time_text.h"
#include "ui/assay_loading.h"
#include "ui/check_marks.h"
#include "ui/list_texts.h"
#include "ui/redraw_pause.h"
#include "ui/wait_cursor.h"

#include <exception>
#include <string>
#include <vector>

namespace {

enum ListColumnIndex { kNumberColumn, kFileColumn, kSampleColumn, kTimeColumn, kRoleColumn, kMethodColumn };

// The rows the analyst selected, from the top, as the ids of the entries they show.
std::vector<uint32_t> SelectedIds(const CGridCtrl& list) {
    std::vector<uint32_t> ids;
    for (int row = list.GetNextItem(-1, LVNI_SELECTED); row != -1; row = list.GetNextItem(row, LVNI_SELECTED)) {
        if (const GridRowData* data = list.GetRowData(row)) ids.push_back(data->itemId);
    }
    return ids;
}

}  // namespace

void DlgMain::OnAdd() {
    UpdateData(true);
    if (!AssayServices::CanPick()) return;
    TakeCheckMarks(list_, sampleSet_);
    const std::vector<uint32_t> ids = AssayServices::Pick(m_hWnd);
    if (ids.empty()) return;
    const int before = sampleSet_.count();
    AssayLoad load;
    std::exception_ptr failure;
    {
        // Reading hundreds of files and rebuilding as many rows takes a while.
        WaitCursor wait;
        try {
            load = LoadAssays(sampleSet_, ids);
        } catch (...) {
            // Whatever stopped the reading, the set keeps what was appended before it.
            failure = std::current_exception();
            load.changed = sampleSet_.count() != before;
        }
        // The host and the saved list learn of the new entries before anything else can fail.
        if (load.changed) {
            keepStoredList_ = false;
            NotifySetChanged();
        }
        // An id already listed appends nothing: the result still belongs to the list.
        if (sampleSet_.count() != before) PutResultOutOfDate();
        if (load.changed || !load.failure.empty() || failure) RefreshList();
    }
    UpdateData(false);
    // The dialog's procedure tells the analyst what stopped the reading.
    if (failure) std::rethrow_exception(failure);
    const std::wstring message = AssayLoadMessage(load);
    if (!message.empty()) dialogkit::ShowMessageBox(m_hWnd, message);
}

void DlgMain::OnRemove() {
    const int before = sampleSet_.count();
    for (const uint32_t id : SelectedIds(list_)) sampleSet_.remove(id);
    if (sampleSet_.count() != before) {
        keepStoredList_ = false;
        PutResultOutOfDate();
    }
    RefreshList();
    NotifySetChanged();
}

void DlgMain::OnRemoveAll() {
    if (sampleSet_.count() > 0) {
        keepStoredList_ = false;
        PutResultOutOfDate();
    }
    sampleSet_.removeAll();
    RefreshList();
    NotifySetChanged();
}

void DlgMain::OnOpen() {
    if (!AssayServices::CanOpenFile()) return;
    const std::vector<uint32_t> ids = SelectedIds(list_);
    if (ids.empty()) return;
    try {
        DataBase::Handle handle;
        for (const uint32_t id : ids) {
            DataBase::ForEachAssayFileName(handle, id, &AssayServices::OpenFile);
        }
    } catch (const DataBase::SqlException& error) {
        dialogkit::ShowMessageBox(m_hWnd, DatabaseFailureText(error));
    }
}

void DlgMain::RefreshList() {
    const RedrawPause pause(list_);
    list_.DeleteAllItems();
    int position = 0;
    for (AssayEntry& entry : sampleSet_) {
        const int row = list_.InsertItem(position, std::to_wstring(position + 1).c_str());
        list_.SetRowData(row, GridRowData{CLR_DEFAULT, CLR_DEFAULT, entry.id});
        list_.SetItemText(row, kFileColumn, FileNameOfPath(entry.filename).c_str());
        list_.SetItemText(row, kSampleColumn, entry.sample.c_str());
        list_.SetItemText(row, kTimeColumn, AnalyseTimeText(entry.date).c_str());
        const std::optional<std::wstring> role = AssignRole(entry, &dialogkit::ResourceText);
        list_.SetItemText(row, kRoleColumn, role ? role->c_str() : L"");
        list_.SetItemText(row, kMethodColumn, entry.method.c_str());
        list_.SetCheck(row, entry.rowChecked != 0);
        ++position;
    }
}

void DlgMain::NotifySetChanged() {
    // A host that hands over its top-level window has no window above it. A post to no window would be a
    // message of the thread, which a modal loop running meanwhile (the message box that ends an add) takes
    // and drops, since it has no window to give it to: the top-level window gets it instead.
    const HWND parent = GetParent();
    const HWND above = parent ? ::GetParent(parent) : nullptr;
    ::PostMessageW(above ? above : parent, kSetChangedMessage, 0, 0);
}
