// The chromatogram list commands of the main dialog and the list refresh.

#include "ui/dlg_main.h"

#include <string>

namespace {

// The set-changed message the host listens for.
constexpr UINT kSetChangedMessage = WM_USER + 11;

}  // namespace

void DlgMain::OnAdd() {
    UpdateData(true);
}

void DlgMain::OnRemove() {
    for (int row = list_.GetNextItem(-1, LVNI_SELECTED); row != -1; row = list_.GetNextItem(row, LVNI_SELECTED)) {
        if (const GridRowData* data = list_.GetRowData(row)) sampleSet_.remove(data->itemId);
    }
    RefreshList();
    NotifySetChanged();
}

void DlgMain::OnRemoveAll() {
    sampleSet_.removeAll();
    RefreshList();
    NotifySetChanged();
}

void DlgMain::OnOpen() {}

void DlgMain::RefreshList() {
    list_.DeleteAllItems();
    int position = 0;
    for (const AssayEntry& entry : sampleSet_) {
        const int row = list_.InsertItem(position, std::to_wstring(position + 1).c_str());
        list_.SetRowData(row, GridRowData{CLR_DEFAULT, CLR_DEFAULT, entry.id});
        ++position;
    }
}

void DlgMain::NotifySetChanged() {
    ::PostMessageW(::GetParent(GetParent()), kSetChangedMessage, 0, 0);
}
