#include "dialogkit/dialog.h"
#include "dialogkit/edit.h"
#include "dialogkit/message_filter.h"
#include "dialogkit/resources.h"
#include "strings/string_ids.h"

#include "shown_dialog.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

LRESULT Notify(HWND parent, HWND from, UINT code) {
    NMHDR header{from, static_cast<UINT_PTR>(GetDlgCtrlID(from)), code};
    return SendMessageW(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

using Dialog = ShownDialog;

TEST_F(Dialog, NotificationsGoFirstToTheControlThatSentThem) {
    struct Row {
        UINT code;
        LRESULT answer;
        bool parentSees;
    };
    const Row table[] = {{kListTakes, 42, false}, {kListLeaves, 7, true}};
    for (const Row& row : table) {
        dialog.list.offered.clear();
        dialog.parentNotifications.clear();
        EXPECT_EQ(Notify(dialog, dialog.list, row.code), row.answer);
        EXPECT_EQ(dialog.list.offered, std::vector<UINT>{row.code});
        EXPECT_EQ(dialog.parentNotifications, row.parentSees ? std::vector<UINT>{row.code} : std::vector<UINT>{});
    }
}

TEST_F(Dialog, ListNotificationsPassThroughTheListObject) {
    dialog.list.InsertColumn(0, L"№");
    dialog.list.offered.clear();
    dialog.parentNotifications.clear();
    ASSERT_EQ(dialog.list.InsertItem(0, L"1"), 0);
    EXPECT_EQ(dialog.list.offered, std::vector<UINT>{static_cast<UINT>(LVN_INSERTITEM)});
    EXPECT_EQ(dialog.parentNotifications, std::vector<UINT>{static_cast<UINT>(LVN_INSERTITEM)});
}

TEST_F(Dialog, NotificationOfAControlWithoutObjectReachesTheParent) {
    dialog.list.offered.clear();
    dialog.parentNotifications.clear();
    HWND edit = dialog.GetDlgItem(IDC_NUMBER1);
    NMHDR header{edit, IDC_LIST, kListTakes};
    SendMessageW(dialog, WM_NOTIFY, IDC_LIST, reinterpret_cast<LPARAM>(&header));
    EXPECT_TRUE(dialog.list.offered.empty());
    EXPECT_EQ(dialog.parentNotifications, std::vector<UINT>{kListTakes});
}

TEST_F(Dialog, ExceptionInACommandEndsInAMessageBoxAndTheDialogLives) {
    EXPECT_EQ(SendMessageW(dialog, WM_COMMAND, IDC_THROW, 0), 0);
    EXPECT_EQ(boxes.texts(), std::vector<std::wstring>{L"Команда прервана ошибкой: сбой проверки"});
    ASSERT_TRUE(IsWindow(dialog));
    EXPECT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(Notify(dialog, dialog.list, kListTakes), 42);
}

TEST_F(Dialog, ExceptionInAControlsHandlerEndsInAMessageBoxAndTheControlLives) {
    EXPECT_EQ(dialog.list.SendMessage(WM_APP), 0);
    EXPECT_EQ(boxes.texts(), std::vector<std::wstring>{L"Команда прервана ошибкой: list failure"});
    ASSERT_TRUE(dialog.list.IsWindow());
    EXPECT_EQ(dialog.list.InsertColumn(0, L"№"), 0);
}

TEST_F(Dialog, CloseButtonAndEscapeCancelAndHide) {
    SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(dialog.cancelled, 1);
    EXPECT_FALSE(dialog.IsWindowVisible());
    EXPECT_TRUE(dialog.IsWindow());
}

TEST(DialogLifetime, UserDataAndObjectAreClearedBeforeTheWindowGoes) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.CreateShown());
    HWND hwnd = dialog;
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_USERDATA), reinterpret_cast<LONG_PTR>(&dialog));
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), &dialog);
    HWND list = dialog.list;
    EXPECT_EQ(CWnd::FromHandlePermanent(list), &dialog.list);

    ASSERT_TRUE(dialog.DestroyWindow());
    EXPECT_TRUE(dialog.ended);
    EXPECT_EQ(dialog.userDataAtEnd, 0);
    EXPECT_EQ(dialog.objectAtEnd, nullptr);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_EQ(dialog.list.m_hWnd, nullptr);
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST(DialogLifetime, ObjectGoingFirstTakesItsWindowAlong) {
    auto dialog = std::make_unique<TestDialog>();
    ASSERT_TRUE(dialog->CreateShown());
    HWND hwnd = *dialog;
    HWND list = dialog->list;
    dialog.reset();
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(IsWindow(list));
}

TEST(DialogLifetime, BoundControlGoingFirstGivesTheWindowBack) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.CreateShown());
    HWND list;
    {
        RecordingList other;
        list = dialog.list.UnsubclassWindow();
        ASSERT_TRUE(other.SubclassWindow(list));
        EXPECT_FALSE(dialog.list.SubclassWindow(list));
    }
    EXPECT_EQ(CWnd::FromHandlePermanent(list), nullptr);
    EXPECT_TRUE(IsWindow(list));
    EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 0);
    dialog.DestroyWindow();
}

TEST(DialogModal, OkTakesTheValuesAndEndsTheDialog) {
    MessageBoxRecorder boxes;
    TestDialog dialog;
    dialog.onInit = [](TestDialog& d) {
        d.SetDlgItemText(IDC_NUMBER1, L"11");
        d.PostMessage(WM_COMMAND, IDOK);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.number1, 11);
    EXPECT_TRUE(boxes.texts().empty());
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST(DialogModal, OkWithABadNumberKeepsTheDialogOpen) {
    MessageBoxRecorder boxes;
    TestDialog dialog;
    dialog.onInit = [](TestDialog& d) {
        d.SetDlgItemText(IDC_NUMBER3, L"три");
        d.PostMessage(WM_COMMAND, IDOK);
        d.PostMessage(WM_COMMAND, IDCANCEL);
    };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(boxes.texts(), std::vector<std::wstring>{std::wstring(dialogkit::ResourceText(IDS_NOT_A_NUMBER))});
    EXPECT_EQ(dialog.cancelled, 1);
    EXPECT_EQ(dialog.number3, 3);
}

TEST(DialogModal, MissingTemplateAnswersMinusOne) {
    CDialog dialog(4242);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_FALSE(dialog.Create(4242));
}

// Keys reach the dialog manager through the hook even when the loop dispatches them plainly.
class EscapeTaker : public CEdit {
public:
    int taken = 0;
    bool PreTranslateMessage(MSG* msg) override {
        if (msg->message != WM_KEYDOWN || msg->wParam != VK_ESCAPE) return false;
        ++taken;
        return true;
    }
};

TEST_F(Dialog, HookedLoopGivesKeysToTheDialogManager) {
    HWND edit = dialog.GetDlgItem(IDC_NUMBER1);
    PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
    PumpMessages();
    EXPECT_EQ(dialog.cancelled, 0);

    dialogkit::MessageFilterHook hook;
    ASSERT_TRUE(hook.IsInstalled());
    PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
    PumpMessages();
    EXPECT_EQ(dialog.cancelled, 1);
    EXPECT_FALSE(dialog.IsWindowVisible());
}

TEST_F(Dialog, ControlsPreTranslationComesBeforeTheDialogs) {
    EscapeTaker taker;
    ASSERT_TRUE(taker.SubclassDlgItem(IDC_NUMBER2, dialog));
    dialogkit::MessageFilterHook hook;
    PostMessageW(taker, WM_KEYDOWN, VK_ESCAPE, 0);
    PumpMessages();
    EXPECT_EQ(taker.taken, 1);
    EXPECT_EQ(dialog.cancelled, 0);
}

}  // namespace
