#include "ui/dlg_main.h"

#include "dialogkit/button.h"
#include "dialogkit/message_box.h"
#include "dialogkit/resources.h"
#include "owner/com.h"
#include "report/report_builder.h"
#include "res/dialog_ids.h"
#include "strings/string_ids.h"
#include "text/number_text.h"
#include "ui/about_box.h"
#include "ui/module_resources.h"
#include "ui/out_of_date.h"

#include <commctrl.h>

#include <iterator>
#include <utility>

namespace {

// The system-menu command of the About box.
constexpr UINT kAboutCommand = 0x0010;

// The smallest window the analyst can drag the dialog to, pixels.
constexpr LONG kMinimumWidth = 1038;
constexpr LONG kMinimumHeight = 505;

// The mass fields in exchange order, with the value each holds.
struct MassField {
    int id;
    double FormValues::*value;
};
constexpr MassField kMassFields[] = {
    {IDC_M1, &FormValues::m1},
    {IDC_M2, &FormValues::m2},
    {IDC_M3, &FormValues::m3},
    {IDC_M4, &FormValues::m4},
    {IDC_PORTION_MASS, &FormValues::portionMass},
    {IDC_SAMPLE_MASS, &FormValues::sampleMass},
};
// An emptied field is refilled with its value this way before the exchange, so that it keeps the value.
constexpr int kRefillDecimals = 6;

// The list-command buttons: image and tooltip text.
struct CommandButton {
    int id;
    UINT icon;
    UINT tip;
};
constexpr CommandButton kCommandButtons[] = {
    {IDC_ADD, IDI_ADD, IDS_TIP_ADD},
    {IDC_REMOVE, IDI_REMOVE, IDS_TIP_REMOVE},
    {IDC_REMOVE_ALL, IDI_REMOVE_ALL, IDS_TIP_REMOVE_ALL},
    {IDC_OPEN, IDI_OPEN, IDS_TIP_OPEN},
    {IDC_REPORT, IDI_REPORT, IDS_TIP_REPORT},
};

struct ListColumn {
    UINT header;
    int width;
};
constexpr ListColumn kListColumns[] = {
    {IDS_COLUMN_NUMBER, 40}, {IDS_COLUMN_FILE, 220}, {IDS_COLUMN_SAMPLE, 200},
    {IDS_COLUMN_TIME, 93},   {IDS_COLUMN_ROLE, 120}, {IDS_COLUMN_METHOD, 80},
};

}  // namespace

DlgMain::DlgMain() : CDialogEx(IDD_MAIN) {}

DlgMain::~DlgMain() {
    DestroyWindow();
}

BOOL DlgMain::OnInitDialog() {
    CDialogEx::OnInitDialog();

    if (HMENU systemMenu = GetSystemMenu()) {
        AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(systemMenu, MF_STRING, kAboutCommand,
                    std::wstring(dialogkit::ResourceText(IDS_ABOUT_MENU)).c_str());
    }
    calculator_ = std::make_unique<WaterCalculator>(&dialogkit::ResourceText);
    reportBuilder_ = std::make_unique<ReportBuilder>(&dialogkit::ResourceText);
    SetIcon(ModuleIcon(), true);
    SetIcon(ModuleIcon(), false);
    SetButtonImages();
    CreateToolTips();
    SetUpList();
    keyboard_.emplace();
    RestoreState();
    return TRUE;
}

void DlgMain::SetButtonImages() {
    for (const CommandButton& button : kCommandButtons) {
        if (HWND window = GetDlgItem(button.id)) CButton(window).SetIcon(ButtonIcon(button.icon));
    }
}

void DlgMain::CreateToolTips() {
    if (!tooltip_.Create(m_hWnd, TTS_BALLOON | TTS_ALWAYSTIP)) return;
    for (const CommandButton& button : kCommandButtons) tooltip_.AddTool(GetDlgItem(button.id), button.tip);
    tooltip_.Activate(true);
}

void DlgMain::SetUpList() {
    // Replaces the styles the grid chose when it was attached: no info tips in this list.
    list_.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    list_.ModifyStyle(0, WS_HSCROLL);
    list_.ShowScrollBar(SB_HORZ, true);
    list_.SetScrollPos(SB_HORZ, 0);
    int index = 0;
    for (const ListColumn& column : kListColumns) {
        const std::wstring header(dialogkit::ResourceText(column.header));
        list_.InsertColumn(index++, header.c_str(), LVCFMT_LEFT, column.width);
    }
}

void DlgMain::DoDataExchange(CDataExchange* pDX) {
    for (const MassField& field : kMassFields) {
        double& value = form_.*field.value;
        if (GetDlgItemText(field.id).empty()) SetDlgItemText(field.id, FormatFixed(value, kRefillDecimals));
        DDX_Text(pDX, field.id, value);
    }
    DDX_Result(pDX, IDC_WATER, form_.water);
    DDX_Text(pDX, IDC_ERRORS, form_.errorText);
    DDX_Control(pDX, IDC_LIST, list_);
}

void DlgMain::OnRecalculate() {
    // The fields are taken and shown again now: no change of the analyst's.
    calculatedMasses_.reset();
    // A refused number has been told; the calculation goes on with the values in force.
    UpdateData(true);
    calculator_->bind(sampleSet_, form_, results_, *this);
    calculator_->calculate();
    UpdateData(false);
    static_assert(std::size(kMassFields) == kMassFieldCount);
    std::array<std::wstring, kMassFieldCount> shown;
    for (std::size_t i = 0; i < kMassFieldCount; ++i) shown[i] = GetDlgItemText(kMassFields[i].id);
    calculatedMasses_ = std::move(shown);
}

void DlgMain::OnMassChanged(int id) {
    if (!calculatedMasses_) return;
    for (std::size_t i = 0; i < kMassFieldCount; ++i) {
        if (kMassFields[i].id == id && !StillShowsMass(GetDlgItemText(id), (*calculatedMasses_)[i])) {
            PutResultOutOfDate();
            return;
        }
    }
}

void DlgMain::PutResultOutOfDate() {
    if (!calculatedMasses_) return;
    calculatedMasses_.reset();
    PutOutOfDate(form_, results_, dialogkit::ResourceText(IDS_RESULT_OUT_OF_DATE));
    // Only the result's two fields: the analyst may be in the middle of typing a mass.
    SetDlgItemText(IDC_WATER, L"");
    SetDlgItemText(IDC_ERRORS, form_.errorText);
}

void DlgMain::OnReport() {
    // MSXML needs COM on this thread for the report's length.
    OleInitialization ole;
    reportBuilder_->bind(results_, sampleSet_);
    ReportEnvironment environment = SystemReportEnvironment([this](const std::wstring& text) { MessageBox(text); });
    if (reportShell_) {
        environment.shellExecute = reportShell_;
    }
    reportBuilder_->MakeReport(environment);
}

void DlgMain::OnClose() {
    SaveState();
    CDialogEx::OnCancel();
}

void DlgMain::OnOK() {
    // A refused number has been told; the dialog stays for the analyst to correct it.
    if (UpdateData(true)) OnClose();
}

void DlgMain::reportNoWater(std::wstring_view message) {
    try {
        MessageBox(std::wstring(message));
    } catch (...) {
        // The calculation ends all the same; a box that could not be shown changes nothing else.
    }
}

bool DlgMain::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == EN_CHANGE) OnMassChanged(LOWORD(wParam));
    if (HIWORD(wParam) == BN_CLICKED) {
        restore_.Finish();
        switch (LOWORD(wParam)) {
        case IDC_ADD:
            OnAdd();
            return true;
        case IDC_REMOVE:
            OnRemove();
            return true;
        case IDC_REMOVE_ALL:
            OnRemoveAll();
            return true;
        case IDC_OPEN:
            OnOpen();
            return true;
        case IDC_REPORT:
            OnReport();
            return true;
        case IDC_RECALCULATE:
            OnRecalculate();
            return true;
        case IDCANCEL:
            OnClose();
            return true;
        case IDOK:
            OnOK();
            return true;
        default:
            break;
        }
    }
    return CDialogEx::OnCommand(wParam, lParam);
}

bool DlgMain::OnSysCommand(UINT id, LPARAM lParam) {
    if ((id & 0xFFF0) != kAboutCommand) return CDialogEx::OnSysCommand(id, lParam);
    dialogkit::ActivationScope scope(ModuleActivationContext());
    AboutBox(m_hWnd).DoModal();
    return true;
}

void DlgMain::OnGetMinMaxInfo(MINMAXINFO* info) {
    info->ptMinTrackSize = POINT{kMinimumWidth, kMinimumHeight};
}

void DlgMain::RelayToolTip(HWND window, UINT mouseMessage) {
    if (!tooltip_.IsWindow()) return;
    MSG relayed{};
    relayed.hwnd = window;
    relayed.message = mouseMessage;
    tooltip_.RelayEvent(&relayed);
}

bool DlgMain::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_SETCURSOR:
        RelayToolTip(reinterpret_cast<HWND>(wParam), HIWORD(lParam));
        if (!Restoring() || LOWORD(lParam) != HTCLIENT) return false;
        // Working in the background: the analyst may go on typing.
        ::SetCursor(::LoadCursorW(nullptr, IDC_APPSTARTING));
        result = TRUE;
        return true;
    case WM_DESTROY:
        keyboard_.reset();
        return CDialogEx::OnMessage(message, wParam, lParam, result);
    default:
        if (restore_.OnMessage(message, wParam)) return true;
        return CDialogEx::OnMessage(message, wParam, lParam, result);
    }
}

void DlgMain::OnRestoreEnded(const AssayLoad& load, bool stopped) {
    keepStoredList_ = stopped || !load.failure.empty();
    RefreshList();
    NotifySetChanged();
    const std::wstring message = AssayLoadMessage(load);
    if (!message.empty()) dialogkit::ShowMessageBox(m_hWnd, message);
}
