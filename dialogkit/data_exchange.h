#pragma once
// Dialog data exchange: a dialog's DoDataExchange is a table of DDX_ lines, one per control, run by
// UpdateData in one direction. A value that cannot be taken stops the exchange at its control: the analyst
// sees why, the control gets the focus, the values before it are taken and the later ones keep theirs.

#include <windows.h>

#include <string>

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, bool saveAndValidate) noexcept;

    // True: controls to values; false: values to controls.
    const bool m_bSaveAndValidate;
    CWnd* const m_pDlgWnd;

    // The control with this id, remembered as the one a failure stops at; throws when the dialog has none.
    HWND PrepareCtrl(int id);
    // The same for an edit, whose text a failure selects.
    HWND PrepareEditCtrl(int id);
    // Focuses the last prepared control and ends the exchange (UpdateData answers false).
    [[noreturn]] void Fail();

private:
    HWND lastControl_ = nullptr;
    bool lastIsEdit_ = false;
};

namespace dialogkit {
// What Fail throws; only UpdateData catches it.
struct ExchangeStopped {};
}  // namespace dialogkit

// A double: shown as "%.*g" with 15 significant digits; read back only when its whole text is one finite
// decimal number (a comma serving as the decimal point), else the number message stops the exchange. A
// read-only edit is not read back: it holds what the dialog put there ("nan" of a value not computed
// included), which the analyst cannot have changed.
void DDX_Text(CDataExchange* pDX, int id, double& value);
// A computed double, only shown: as DDX_Text shows it, and no number at all when it is not a number (nothing
// was computed). Never read back, so an empty field raises no message.
void DDX_Result(CDataExchange* pDX, int id, double value);
// A text, unchanged both ways.
void DDX_Text(CDataExchange* pDX, int id, std::wstring& value);
// Routes the control's messages through control, once: later exchanges leave it bound.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
