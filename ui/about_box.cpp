#include "ui/about_box.h"

#include "dialogkit/resources.h"
#include "res/dialog_ids.h"
#include "ui/module_resources.h"

AboutBox::AboutBox(HWND parent) noexcept : CDialogEx(IDD_ABOUT, parent) {}

BOOL AboutBox::OnInitDialog() {
    CDialogEx::OnInitDialog();
    SetIcon(ModuleIcon(), true);
    SetIcon(ModuleIcon(), false);
    constexpr int kPictureSize = 80;
    picture_.reset(static_cast<HICON>(
        LoadImageW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDI_MODULE), IMAGE_ICON, kPictureSize, kPictureSize, 0)));
    SendDlgItemMessageW(m_hWnd, IDC_ABOUT_ICON, STM_SETICON, reinterpret_cast<WPARAM>(picture_.get()), 0);
    return TRUE;
}
