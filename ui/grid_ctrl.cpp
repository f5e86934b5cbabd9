#include "ui/grid_ctrl.h"

#include "ui/grid_ctrl_edit_cell.h"
#include "ui/grid_sort.h"

#include <utility>

namespace {

constexpr DWORD kAttachedExtendedStyle = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP;
constexpr DWORD kCreatedExtendedStyle = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;
// Item and sub-item notifications wanted at every stage; the post-paint ones that follow are ignored.
constexpr LRESULT kCustomDrawResult = CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
// The edit window's frame reaches a little above and below the cell's label.
constexpr int kEditCellMargin = 2;
// What FitStretchColumn leaves free of the control's width besides a vertical scroll bar.
constexpr int kStretchSlack = 7;
// The context-menu key puts the menu this far into the client area.
constexpr int kKeyboardMenuOffset = 5;

DWORD EditAlignment(int columnFormat) {
    switch (columnFormat & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT:
        return ES_RIGHT;
    case LVCFMT_CENTER:
        return ES_CENTER;
    default:
        return ES_LEFT;
    }
}

}  // namespace

CGridCtrl::CGridCtrl() noexcept = default;

CGridCtrl::~CGridCtrl() {
    // The editor goes while the grid that its window reports to is still whole.
    editCell_.reset();
}

bool CGridCtrl::Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
    return CreateEx(0, WC_LISTVIEWW, L"", style, rect, parent, id);
}

void CGridCtrl::PreSubclassWindow() {
    ModifyStyle(0, LVS_REPORT);
    SetExtendedStyle(kAttachedExtendedStyle);
}

bool CGridCtrl::PreCreateWindow(CREATESTRUCTW& cs) {
    cs.style |= LVS_REPORT;
    return CListCtrl::PreCreateWindow(cs);
}

bool CGridCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_CREATE:
        result = DefWindowProc(message, wParam, lParam);
        if (result != -1) SetExtendedStyle(GetExtendedStyle() | kCreatedExtendedStyle);
        return true;
    case WM_DESTROY:
        records_.clear();
        result = DefWindowProc(message, wParam, lParam);
        return true;
    case WM_SIZE:
        result = DefWindowProc(message, wParam, lParam);
        FitStretchColumn();
        return true;
    case WM_VSCROLL:
    case WM_HSCROLL:
        // Taking the focus ends an open cell edit before its cell moves away.
        if (::GetFocus() != m_hWnd) SetFocus();
        return false;
    case WM_CONTEXTMENU:
        OnContextMenu(lParam);
        result = 0;
        return true;
    default:
        return CListCtrl::OnMessage(message, wParam, lParam, result);
    }
}

bool CGridCtrl::OnNotify(WPARAM, LPARAM lParam, LRESULT* result) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (!header) return false;
    if (header->hwndFrom == m_hWnd && header->code == LVN_ENDLABELEDITW) {
        OnEndLabelEdit(reinterpret_cast<const NMLVDISPINFOW*>(header));
        *result = 0;
        return true;
    }
    if (header->hwndFrom != reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER))) return false;
    const auto* notification = reinterpret_cast<const NMHEADERW*>(header);
    switch (header->code) {
    case HDN_BEGINTRACKW:
    case HDN_BEGINTRACKA:
        return OnHeaderBeginTrack(notification, result);
    case HDN_ENDTRACKW:
    case HDN_ENDTRACKA:
        return OnHeaderEndTrack(notification, result);
    case HDN_ENDDRAG:
        return OnHeaderEndDrag(notification, result);
    default:
        return false;
    }
}

bool CGridCtrl::OnReflectedNotify(NMHDR* header, LRESULT* result) {
    switch (header->code) {
    case NM_CUSTOMDRAW:
        *result = OnCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(header));
        return true;
    case NM_DBLCLK:
        OnDoubleClick(reinterpret_cast<NMITEMACTIVATE*>(header), result);
        return true;
    case LVN_ITEMCHANGED:
        *result = 0;
        return OnItemChanged(reinterpret_cast<const NMLISTVIEW*>(header));
    case LVN_COLUMNCLICK:
        OnColumnClick(reinterpret_cast<const NMLISTVIEW*>(header)->iSubItem);
        *result = 0;
        return true;
    case LVN_ENDLABELEDITW:
        OnEndLabelEdit(reinterpret_cast<const NMLVDISPINFOW*>(header));
        *result = 0;
        return true;
    case LVN_DELETEITEM:
        // The row goes, and its record with it; the parent still hears of the deletion.
        records_.erase(reinterpret_cast<const NMLISTVIEW*>(header)->lParam);
        return false;
    case LVN_DELETEALLITEMS:
        // A parent may answer this by suppressing the per-row deletions: every record goes now.
        records_.clear();
        return false;
    default:
        return false;
    }
}

NMHDR CGridCtrl::MakeHeader(UINT code) const {
    NMHDR header{};
    header.hwndFrom = m_hWnd;
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    header.code = code;
    return header;
}

LRESULT CGridCtrl::NotifyParent(UINT code, int param1, int param2) {
    NMGRID notification{MakeHeader(code), param1, param2};
    return ::SendMessageW(GetParent(), WM_NOTIFY, notification.hdr.idFrom, reinterpret_cast<LPARAM>(&notification));
}

void CGridCtrl::OnContextMenu(LPARAM point) {
    // Signed 16-bit coordinates: screens left of or above the primary one are negative.
    POINT at{static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
    if (at.x == -1 && at.y == -1) {
        // Asked for from the keyboard: no mouse position to show it at.
        at = POINT{0, 0};
        ClientToScreen(at);
        at.x += kKeyboardMenuOffset;
        at.y += kKeyboardMenuOffset;
    }
    NotifyParent(GN_CONTEXTMENU, at.x, at.y);
}

LRESULT CGridCtrl::OnCustomDraw(NMLVCUSTOMDRAW* draw) {
    const DWORD stage = draw->nmcd.dwDrawStage;
    if (stage == CDDS_ITEMPREPAINT || stage == (CDDS_ITEMPREPAINT | CDDS_SUBITEM)) {
        const int row = static_cast<int>(draw->nmcd.dwItemSpec);
        if (const GridRowData* data = GetRowData(row)) {
            draw->clrText = data->textColor;
            draw->clrTextBk = data->backColor;
        }
        if (GetItemState(row, LVIS_SELECTED) == LVIS_SELECTED) {
            draw->clrText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
            draw->clrTextBk = ::GetSysColor(COLOR_HIGHLIGHT);
        }
    }
    return kCustomDrawResult;
}

void CGridCtrl::OnDoubleClick(NMITEMACTIVATE* activate, LRESULT* result) {
    *result = 0;
    NMGRIDDBLCLK notification{MakeHeader(GN_DBLCLICK), activate, result};
    ::SendMessageW(GetParent(), WM_NOTIFY, notification.hdr.idFrom, reinterpret_cast<LPARAM>(&notification));
    if (*result != 0 || activate->iItem == -1) return;
    if (GetItemState(activate->iItem, LVIS_FOCUSED) & LVIS_FOCUSED)
        BeginEdit(activate->iItem, activate->iSubItem);
    else
        SetItemState(activate->iItem, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

bool CGridCtrl::OnItemChanged(const NMLISTVIEW* change) {
    const bool becameSelected =
        (change->uChanged & LVIF_STATE) && (change->uNewState & LVIS_SELECTED) && !(change->uOldState & LVIS_SELECTED);
    if (!becameSelected) return false;
    NotifyParent(GN_SELECTED, change->iItem, change->iSubItem);
    return true;
}

void CGridCtrl::OnColumnClick(int column) {
    // The direction toggles even when nothing is sorted, so that the parent sees the click sequence.
    columns_.sortAscending = (column == columns_.sortColumn && columns_.sortAscending) ? 0 : 1;
    if (GetStyle() & LVS_NOSORTHEADER) return;
    columns_.sortColumn = column;
    columns_.sortKind = static_cast<std::int32_t>(NotifyParent(GN_SORT, column, columns_.sortAscending));
    if (columns_.sortKind == kGridSortNone) return;
    ShowSortArrow(column, columns_.sortAscending != 0);
    SortItemsEx(&CGridCtrl::SortCompare, reinterpret_cast<DWORD_PTR>(this));
}

void CGridCtrl::ShowSortArrow(int column, bool ascending) {
    CHeaderCtrl header = GetHeaderCtrl();
    if (!header.m_hWnd) return;
    const int count = header.GetItemCount();
    for (int index = 0; index < count; ++index) {
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        if (!header.GetItem(index, &item)) continue;
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (index == column) item.fmt |= ascending ? HDF_SORTUP : HDF_SORTDOWN;
        header.SetItem(index, &item);
    }
}

int CALLBACK CGridCtrl::SortCompare(LPARAM row1, LPARAM row2, LPARAM grid) {
    // Called from inside the list's own code: nothing may unwind through it.
    try {
        const auto* self = reinterpret_cast<const CGridCtrl*>(grid);
        return CompareGridCells(self->columns_.sortKind, self->columns_.sortAscending != 0,
                                self->GetItemText(static_cast<int>(row1), self->columns_.sortColumn),
                                self->GetItemText(static_cast<int>(row2), self->columns_.sortColumn));
    } catch (...) {
        return 0;
    }
}

CGridCtrlEditCell* CGridCtrl::BeginEdit(int row, int column) {
    LVCOLUMNW format{};
    format.mask = LVCF_FMT;
    // A column the list does not have has no cell to edit: nothing to ask the parent about.
    if (row < 0 || column < 0 || !GetColumn(column, &format) || !EnsureVisible(row, true)) return nullptr;
    if (NotifyParent(GN_BEGINEDIT, row, column) == 0) return nullptr;

    RECT rect{};
    GetSubItemRect(row, column, LVIR_LABEL, rect);
    rect.top -= kEditCellMargin;
    rect.bottom += kEditCellMargin;
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | EditAlignment(format.fmt);

    auto cell = std::make_unique<CGridCtrlEditCell>(*this, row, column, GetItemText(row, column));
    // Creating the editor takes the focus, which ends (and releases) an editor that is still open.
    if (!cell->Create(style, rect, m_hWnd, kGridEditCellId)) return nullptr;
    editCell_ = std::move(cell);
    return editCell_.get();
}

void CGridCtrl::ReleaseEditCell(const CGridCtrlEditCell* cell) noexcept {
    if (editCell_.get() == cell) editCell_.reset();
}

void CGridCtrl::OnEndLabelEdit(const NMLVDISPINFOW* info) {
    if (!info->item.pszText) return;  // cancelled
    const int row = info->item.iItem;
    const int column = info->item.iSubItem;
    const std::wstring oldText = GetItemText(row, column);
    if (oldText == info->item.pszText) return;
    SetItemText(row, column, info->item.pszText);
    if (NotifyParent(GN_CELLCHANGED, row, column) == 0) SetItemText(row, column, oldText.c_str());
}

bool CGridCtrl::OnHeaderBeginTrack(const NMHEADERW* header, LRESULT* result) {
    // A column of width 0 is hidden; it cannot be pulled open.
    *result = GetColumnWidth(header->iItem) != 0 ? NotifyParent(GN_BEGINRESIZE, header->iItem, 0) : 1;
    return true;
}

bool CGridCtrl::OnHeaderEndTrack(const NMHEADERW* header, LRESULT* result) {
    *result = 0;
    if (!header->pitem || !(header->pitem->mask & HDI_WIDTH)) return false;
    if (GetColumnWidth(header->iItem) != 0 && NotifyParent(GN_ENDRESIZE, header->iItem, header->pitem->cxy) == 1) {
        *result = 1;
        return true;
    }
    FitStretchColumn();
    return false;
}

bool CGridCtrl::OnHeaderEndDrag(const NMHEADERW* header, LRESULT* result) {
    *result = 0;
    if (!header->pitem || !(header->pitem->mask & HDI_ORDER) || GetColumnWidth(header->iItem) == 0) return false;
    if (NotifyParent(GN_COLUMNMOVED, header->iItem, header->pitem->iOrder) != 1) return false;
    *result = 1;
    return true;
}

void CGridCtrl::FitStretchColumn() {
    if (columns_.stretchColumn < 0) return;
    int count = 0;
    int total = 0;
    int stretchWidth = 0;
    for (;; ++count) {
        LVCOLUMNW column{};
        column.mask = LVCF_WIDTH;
        if (!GetColumn(count, &column)) break;
        total += column.cx;
        if (count == columns_.stretchColumn) stretchWidth = column.cx;
    }
    if (columns_.stretchColumn >= count) return;
    const int others = total - stretchWidth;
    const int scrollBar = GetItemCount() > GetCountPerPage() ? ::GetSystemMetrics(SM_CXVSCROLL) : 0;
    const RECT window = GetWindowRect();
    const int available = (window.right - window.left) - scrollBar - kStretchSlack;
    if (others < available) SetColumnWidth(columns_.stretchColumn, available - others);
}

bool CGridCtrl::SetRowData(int row, const GridRowData& data) {
    auto record = std::make_unique<GridRowData>(data);
    const auto key = reinterpret_cast<LPARAM>(record.get());
    const auto previous = static_cast<LPARAM>(GetItemData(row));
    records_.emplace(key, std::move(record));
    // The list asks the parent before it changes a row's data; a refusal keeps the old record.
    if (!SetItemData(row, static_cast<DWORD_PTR>(key))) {
        records_.erase(key);
        return false;
    }
    records_.erase(previous);
    return true;
}

const GridRowData* CGridCtrl::GetRowData(int row) const {
    const auto found = records_.find(static_cast<LPARAM>(GetItemData(row)));
    return found == records_.end() ? nullptr : found->second.get();
}
