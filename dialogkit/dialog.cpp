#include "dialogkit/dialog.h"

#include "dialogkit/message_box.h"
#include "dialogkit/resources.h"

#include <commctrl.h>

namespace {

// The common controls a template may hold (list, header, tooltips, ...) must be registered before the
// dialog manager creates them, in the activation context the caller has active.
void RegisterCommonControls() {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
}

// Messages whose result a dialog procedure returns itself instead of through DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
    switch (message) {
    case WM_INITDIALOG:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_QUERYDRAGICON:
    case WM_VKEYTOITEM:
        return true;
    default:
        return false;
    }
}

}  // namespace

CDialog::CDialog(UINT templateId, HWND parent) noexcept : templateId_(templateId), parent_(parent) {}

CDialog::~CDialog() {
    // The derived parts are gone already: the window must not reach this object while it is destroyed.
    HWND hwnd = m_hWnd;
    const bool owned = OwnsWindow();
    ReleaseWindow();
    if (owned && hwnd && ::IsWindow(hwnd)) ::DestroyWindow(hwnd);
}

void CDialog::ReleaseWindow() noexcept {
    if (!m_hWnd) return;
    if (GetWindowLongPtrW(m_hWnd, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(this))
        SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
    DetachRouted();
    SetOwnsWindow(false);
}

bool CDialog::Create(UINT templateId, HWND parent) {
    if (m_hWnd) return false;
    templateId_ = templateId;
    parent_ = parent;
    RegisterCommonControls();
    HWND hwnd = CreateDialogParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(templateId), parent, &CDialog::DialogProc,
                                   reinterpret_cast<LPARAM>(this));
    if (!hwnd) return false;
    SetOwnsWindow(true);
    return true;
}

INT_PTR CDialog::DoModal() {
    if (m_hWnd) return -1;
    RegisterCommonControls();
    return DialogBoxParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(templateId_), parent_, &CDialog::DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(int result) {
    ::EndDialog(m_hWnd, result);
}

bool CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    try {
        DoDataExchange(&exchange);
    } catch (const dialogkit::ExchangeStopped&) {
        return false;
    }
    return true;
}

bool CDialog::PreTranslateMessage(MSG* msg) {
    // Only keyboard and mouse input concerns the dialog manager; it dispatches what it takes itself.
    const bool input = (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) ||
                       (msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST);
    return input && IsDialogMessageW(m_hWnd, msg) != FALSE;
}

BOOL CDialog::OnInitDialog() {
    if (auto rules = dialogkit::LoadLayoutResource(AfxGetResourceHandle(), templateId_)) layout_.Start(m_hWnd, *rules);
    UpdateData(false);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK() {
    if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

bool CDialog::OnSysCommand(UINT, LPARAM) {
    return false;
}

void CDialog::OnSize(UINT type, int, int) {
    if (type != SIZE_MINIMIZED) layout_.Adjust();
}

void CDialog::OnGetMinMaxInfo(MINMAXINFO*) {}

bool CDialog::OnCommand(WPARAM wParam, LPARAM) {
    // Buttons, menus and accelerators; a control's other notifications are no commands.
    if (HIWORD(wParam) > 1) return false;
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOK();
        return true;
    case IDCANCEL:
        OnCancel();
        return true;
    default:
        return false;
    }
}

bool CDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_INITDIALOG:
        result = OnInitDialog();
        return true;
    case WM_SYSCOMMAND:
        return OnSysCommand(static_cast<UINT>(wParam), lParam);
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return false;
    case WM_GETMINMAXINFO:
        result = DefWindowProc(message, wParam, lParam);
        OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
        return true;
    default:
        return CWnd::OnMessage(message, wParam, lParam, result);
    }
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnMessage(message, wParam, lParam, result)) return FALSE;
    if (ReturnsResultDirectly(message)) return result;
    SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* created = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, lParam);
        created->AttachRouted(hwnd);
    }
    auto* self = reinterpret_cast<CDialog*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return FALSE;
    INT_PTR answer = FALSE;
    try {
        answer = self->Dispatch(message, wParam, lParam);
    } catch (...) {
        dialogkit::ReportException(hwnd);
        answer = FALSE;
    }
    if (message == WM_NCDESTROY) {
        self->ReleaseWindow();
        try {
            self->PostNcDestroy();
        } catch (...) {
            dialogkit::ReportException(nullptr);
        }
    }
    return answer;
}
