#pragma once
// The dialog the tests drive: template IDD_TEST with its layout, three numbers, a read-only number and a
// text exchanged with members, a list whose object keeps the notifications offered to it, and a button
// whose command throws.

#include "dialogkit/dialog.h"
#include "dialogkit/list_ctrl.h"
#include "test_resource.h"

#include <functional>
#include <string>
#include <vector>

// Codes of notifications the tests send on behalf of the list.
constexpr UINT kListTakes = 0x7001;   // the list answers 42 and keeps it from the parent
constexpr UINT kListLeaves = 0x7002;  // the list only looks at it

class RecordingList : public CListCtrl {
public:
    std::vector<UINT> offered;
    // The next WM_APP message throws.
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    bool OnReflectedNotify(NMHDR* header, LRESULT* result) override;
};

class TestDialog : public CDialogEx {
public:
    TestDialog() : CDialogEx(IDD_TEST) {}

    double number1 = 1;
    double number2 = 2;
    double number3 = 3;
    double water = 0;
    std::wstring errors;
    RecordingList list;
    std::vector<UINT> parentNotifications;
    // What the parent answers to the notifications it receives.
    LRESULT parentAnswer = 7;
    int cancelled = 0;
    // Run once after the framework's OnInitDialog.
    std::function<void(TestDialog&)> onInit;
    // Seen in PostNcDestroy: the user data of the window and its object at that time.
    LONG_PTR userDataAtEnd = -1;
    CWnd* objectAtEnd = reinterpret_cast<CWnd*>(1);
    bool ended = false;

    bool CreateShown();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    bool OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnCancel() override;
    void PostNcDestroy() override;

private:
    HWND endingWindow_ = nullptr;
};
