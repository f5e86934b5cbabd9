#include "test_dialog.h"

#include <stdexcept>

bool RecordingList::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_APP) throw std::runtime_error("list failure");
    return CListCtrl::OnMessage(message, wParam, lParam, result);
}

bool RecordingList::OnReflectedNotify(NMHDR* header, LRESULT* result) {
    offered.push_back(header->code);
    if (header->code != kListTakes) return false;
    *result = 42;
    return true;
}

bool TestDialog::CreateShown() {
    if (!Create(IDD_TEST)) return false;
    ShowWindow(SW_SHOW);
    endingWindow_ = m_hWnd;
    return true;
}

BOOL TestDialog::OnInitDialog() {
    CDialogEx::OnInitDialog();
    if (onInit) onInit(*this);
    return TRUE;
}

void TestDialog::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, IDC_NUMBER1, number1);
    DDX_Text(pDX, IDC_NUMBER2, number2);
    DDX_Text(pDX, IDC_NUMBER3, number3);
    DDX_Text(pDX, IDC_WATER, water);
    DDX_Text(pDX, IDC_ERRORS, errors);
    DDX_Control(pDX, IDC_LIST, list);
}

bool TestDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == IDC_THROW) throw std::runtime_error("сбой проверки");
    return CDialogEx::OnCommand(wParam, lParam);
}

bool TestDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (wParam != IDC_LIST) return false;
    parentNotifications.push_back(reinterpret_cast<NMHDR*>(lParam)->code);
    *result = parentAnswer;
    return true;
}

void TestDialog::OnCancel() {
    ++cancelled;
    CDialogEx::OnCancel();
}

void TestDialog::PostNcDestroy() {
    ended = true;
    userDataAtEnd = GetWindowLongPtrW(endingWindow_, GWLP_USERDATA);
    objectAtEnd = FromHandlePermanent(endingWindow_);
}
