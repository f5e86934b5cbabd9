#include "hostsim/assay_picker.h"

#include <commctrl.h>

#include <iterator>
#include <stdexcept>
#include <string>

#include "hostsim/assay_rows.h"
#include "hostsim/dialog_template.h"
#include "hostsim/log.h"
#include "report/time_text.h"
#include "text/utf8_text.h"

namespace {

constexpr WORD kListId = 100;
// Room around a header's title, in pixels, for its margins and the sort arrow's place.
constexpr int kHeaderPadding = 24;

constexpr const wchar_t* kColumns[] = {L"Номер", L"Дата", L"Проба", L"Методика", L"Файл"};

DialogTemplate PickerTemplate() {
    DialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_MODALFRAME | DS_CENTER, 420, 240,
                          L"Выбор хроматограмм", 8, L"MS Shell Dlg");
    dialog.AddControl(WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS, 7, 7, 406, 204, kListId, WC_LISTVIEWW,
                      L"");
    dialog.AddControl(WS_TABSTOP | BS_DEFPUSHBUTTON, 306, 219, 50, 14, IDOK, L"Button", L"OK");
    dialog.AddControl(WS_TABSTOP | BS_PUSHBUTTON, 363, 219, 50, 14, IDCANCEL, L"Button", L"Отмена");
    return dialog;
}

// The texts of a row, in column order.
std::vector<std::wstring> RowTexts(const AssayRow& row) {
    return {std::to_wstring(row.id), AnalyseTimeText(row.date), row.sample, row.method, row.filename};
}

class AssayPicker {
public:
    explicit AssayPicker(const std::vector<AssayRow>& rows) : rows_(rows) {}

    std::vector<uint32_t> Run(HWND owner) {
        const DialogTemplate dialog = PickerTemplate();
        const INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.Get(), owner, &DialogProc,
                                                       reinterpret_cast<LPARAM>(this));
        if (result == -1 || result == 0) throw std::runtime_error("the assay picker could not be created");
        return chosen_;
    }

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        auto* self = reinterpret_cast<AssayPicker*>(GetWindowLongPtrW(dialog, DWLP_USER));
        if (!self) return FALSE;
        try {
            return self->OnMessage(dialog, message, wParam, lParam);
        } catch (const std::exception& error) {
            Log(L"assay picker: " + WideFromUtf8(error.what()));
        } catch (...) {
            Log(L"assay picker: unknown failure");
        }
        // Whatever failed, the analyst is not left with a half-filled picker: it ends as cancelled.
        self->chosen_.clear();
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }

    INT_PTR OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
        case WM_INITDIALOG:
            Fill(GetDlgItem(dialog, kListId));
            RecordLayout(dialog);
            // The keyboard starts in the list, on its first row.
            ListView_SetItemState(GetDlgItem(dialog, kListId), 0, LVIS_FOCUSED, LVIS_FOCUSED);
            SetFocus(GetDlgItem(dialog, kListId));
            return FALSE;
        case WM_SIZE:
            ApplyLayout(dialog, LOWORD(lParam), HIWORD(lParam));
            return TRUE;
        case WM_GETMINMAXINFO:
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = minimumSize_;
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                Finish(dialog, LOWORD(wParam));
                return TRUE;
            }
            return FALSE;
        case WM_NOTIFY: {
            const auto* item = reinterpret_cast<const NMITEMACTIVATE*>(lParam);
            if (item->hdr.idFrom == kListId && item->hdr.code == NM_DBLCLK && item->iItem >= 0) {
                Finish(dialog, IDOK);
                return TRUE;
            }
            return FALSE;
        }
        }
        return FALSE;
    }

    void Fill(HWND list) const {
        ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
        for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i) {
            LVCOLUMNW column{};
            column.mask = LVCF_TEXT;
            column.pszText = const_cast<wchar_t*>(kColumns[i]);
            ListView_InsertColumn(list, i, &column);
        }
        for (size_t i = 0; i < rows_.size(); ++i) {
            const std::vector<std::wstring> texts = RowTexts(rows_[i]);
            LVITEMW item{};
            item.mask = LVIF_TEXT | LVIF_PARAM;
            item.iItem = static_cast<int>(i);
            item.pszText = const_cast<wchar_t*>(texts[0].c_str());
            item.lParam = static_cast<LPARAM>(i);
            const int row = ListView_InsertItem(list, &item);
            for (int column = 1; column < static_cast<int>(texts.size()); ++column)
                ListView_SetItemText(list, row, column, const_cast<wchar_t*>(texts[column].c_str()));
        }
        // As wide as the longest text, never narrower than the header's title (the last column is not
        // stretched to the list's edge: a long path scrolls instead).
        for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i) {
            ListView_SetColumnWidth(list, i, LVSCW_AUTOSIZE);
            const int title = ListView_GetStringWidth(list, kColumns[i]) + kHeaderPadding;
            if (ListView_GetColumnWidth(list, i) < title) ListView_SetColumnWidth(list, i, title);
        }
    }

    // The template's places: the smallest size, and each control's rectangle at that size.
    void RecordLayout(HWND dialog) {
        RECT window{};
        GetWindowRect(dialog, &window);
        minimumSize_ = {window.right - window.left, window.bottom - window.top};
        GetClientRect(dialog, &client_);
        for (Anchor& anchor : anchors_) {
            GetWindowRect(GetDlgItem(dialog, anchor.id), &anchor.rect);
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&anchor.rect), 2);
        }
        layoutRecorded_ = true;
    }

    // The list takes what the dialog grew by; the buttons keep to the lower right corner.
    void ApplyLayout(HWND dialog, int width, int height) const {
        if (!layoutRecorded_) return;
        const int dx = width - client_.right;
        const int dy = height - client_.bottom;
        for (const Anchor& anchor : anchors_) {
            const RECT& r = anchor.rect;
            if (anchor.grows)
                MoveWindow(GetDlgItem(dialog, anchor.id), r.left, r.top, r.right - r.left + dx, r.bottom - r.top + dy,
                           TRUE);
            else
                MoveWindow(GetDlgItem(dialog, anchor.id), r.left + dx, r.top + dy, r.right - r.left, r.bottom - r.top,
                           TRUE);
        }
    }

    void Finish(HWND dialog, int command) {
        chosen_.clear();
        if (command == IDOK) {
            HWND list = GetDlgItem(dialog, kListId);
            for (int row = ListView_GetNextItem(list, -1, LVNI_SELECTED); row >= 0;
                 row = ListView_GetNextItem(list, row, LVNI_SELECTED)) {
                LVITEMW item{};
                item.mask = LVIF_PARAM;
                item.iItem = row;
                ListView_GetItem(list, &item);
                // The plug-in reads the 32 bits back as the unsigned id.
                chosen_.push_back(rows_.at(static_cast<size_t>(item.lParam)).id);
            }
        }
        EndDialog(dialog, command);
    }

    struct Anchor {
        int id;
        bool grows;
        RECT rect;
    };

    const std::vector<AssayRow>& rows_;
    std::vector<uint32_t> chosen_;
    Anchor anchors_[3] = {{kListId, true, {}}, {IDOK, false, {}}, {IDCANCEL, false, {}}};
    RECT client_{};
    POINT minimumSize_{};
    bool layoutRecorded_ = false;
};

}  // namespace

std::vector<uint32_t> ShowAssayPicker(HWND owner, const std::vector<AssayRow>& rows) {
    // The list view's class, also where the program registered no common controls of its own.
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    return AssayPicker(rows).Run(owner);
}
