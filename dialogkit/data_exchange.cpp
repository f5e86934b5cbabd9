#include "dialogkit/data_exchange.h"

#include "dialogkit/resources.h"
#include "dialogkit/wnd.h"
#include "strings/string_ids.h"
#include "text/number_text.h"

#include <cmath>
#include <stdexcept>

namespace {

// Enough digits that every double the field shows reads back as the same double or its nearest neighbour,
// as the framework has always shown them.
constexpr int kShownDigits = 15;

std::wstring ControlText(HWND control) {
    CWnd window;
    window.Attach(control);
    return window.GetWindowText();
}

}  // namespace

CDataExchange::CDataExchange(CWnd* dialog, bool saveAndValidate) noexcept
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

HWND CDataExchange::PrepareCtrl(int id) {
    HWND control = m_pDlgWnd->GetDlgItem(id);
    if (!control) throw std::invalid_argument("data exchange with a control the dialog does not have");
    lastControl_ = control;
    lastIsEdit_ = false;
    return control;
}

HWND CDataExchange::PrepareEditCtrl(int id) {
    HWND control = PrepareCtrl(id);
    lastIsEdit_ = true;
    return control;
}

void CDataExchange::Fail() {
    if (lastControl_) {
        SetFocus(lastControl_);
        if (lastIsEdit_) SendMessageW(lastControl_, EM_SETSEL, 0, -1);
    }
    throw dialogkit::ExchangeStopped{};
}

void DDX_Text(CDataExchange* pDX, int id, double& value) {
    HWND control = pDX->PrepareEditCtrl(id);
    if (!pDX->m_bSaveAndValidate) {
        SetWindowTextW(control, FormatGeneral(value, kShownDigits).c_str());
        return;
    }
    if ((GetWindowLongW(control, GWL_STYLE) & ES_READONLY) != 0) return;
    std::optional<double> read = ParseWholeNumber(ControlText(control));
    if (!read) {
        pDX->m_pDlgWnd->MessageBox(std::wstring(dialogkit::ResourceText(IDS_NOT_A_NUMBER)), {},
                                   MB_OK | MB_ICONEXCLAMATION);
        pDX->Fail();
    }
    value = *read;
}

void DDX_Result(CDataExchange* pDX, int id, double value) {
    HWND control = pDX->PrepareEditCtrl(id);
    if (pDX->m_bSaveAndValidate) return;
    SetWindowTextW(control, std::isnan(value) ? L"" : FormatGeneral(value, kShownDigits).c_str());
}

void DDX_Text(CDataExchange* pDX, int id, std::wstring& value) {
    HWND control = pDX->PrepareEditCtrl(id);
    if (pDX->m_bSaveAndValidate)
        value = ControlText(control);
    else
        SetWindowTextW(control, value.c_str());
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (control.m_hWnd) return;
    if (!control.SubclassWindow(pDX->PrepareCtrl(id)))
        throw std::runtime_error("a dialog control could not be bound to its object");
}
