#pragma once
// CDialog / CDialogEx: a dialog made from a template of the resource module (AfxGetResourceHandle), modeless
// (Create) or modal (DoModal). Its dialog procedure finds the object through GWLP_USERDATA, set at
// WM_INITDIALOG and cleared when the window goes (WM_NCDESTROY), and passes every message to OnMessage; no
// exception leaves the procedure. The framework's OnInitDialog starts the template's dynamic layout and shows
// the values (UpdateData(false)); WM_SIZE applies the layout.

#include "dialogkit/data_exchange.h"
#include "dialogkit/dynamic_layout.h"
#include "dialogkit/wnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, HWND parent = nullptr) noexcept;
    ~CDialog() override;

    // Creates the modeless dialog from the template; false when the window could not be made.
    bool Create(UINT templateId, HWND parent = nullptr);
    // Runs the dialog modally with the constructor's template and parent; the value given to EndDialog, or
    // -1 when the dialog could not be made.
    INT_PTR DoModal();
    // Ends a modal dialog with result; a modeless dialog is hidden and stays.
    void EndDialog(int result);

    // Runs DoDataExchange in one direction; false when a value could not be taken.
    bool UpdateData(bool saveAndValidate = true);

    bool PreTranslateMessage(MSG* msg) override;

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    // IDOK: takes the values and, when they are all taken, ends the dialog with IDOK.
    virtual void OnOK();
    // IDCANCEL: ends the dialog with IDCANCEL.
    virtual void OnCancel();
    // WM_SYSCOMMAND; true when handled, false for the system's own handling.
    virtual bool OnSysCommand(UINT id, LPARAM lParam);
    // WM_SIZE; the base applies the dynamic layout.
    virtual void OnSize(UINT type, int cx, int cy);
    // WM_GETMINMAXINFO, after the system filled in its values.
    virtual void OnGetMinMaxInfo(MINMAXINFO* info);

    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    // The dialog manager's own handling comes after a dialog procedure that leaves a message unhandled; what
    // a handler may call first is the window default below it.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void ReleaseWindow() noexcept;

    UINT templateId_;
    HWND parent_;
    dialogkit::DynamicLayout layout_;
};

// The framework's extended dialog; the module uses nothing beyond CDialog.
class CDialogEx : public CDialog {
public:
    using CDialog::CDialog;
};
