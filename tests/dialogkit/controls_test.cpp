#include "dialogkit/button.h"
#include "dialogkit/edit.h"
#include "dialogkit/list_ctrl.h"
#include "dialogkit/resources.h"
#include "dialogkit/tool_tip_ctrl.h"

#include "shown_dialog.h"

#include <gtest/gtest.h>

namespace {

using Controls = ShownDialog;

// Records the column record of each LVM_INSERTCOLUMNW before the list sees it.
class ColumnRecorder : public CListCtrl {
public:
    std::vector<LVCOLUMNW> inserted;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message == LVM_INSERTCOLUMNW) inserted.push_back(*reinterpret_cast<const LVCOLUMNW*>(lParam));
        return CListCtrl::OnMessage(message, wParam, lParam, result);
    }
};

TEST_F(Controls, InsertColumnFillsOnlyWhatIsGiven) {
    ColumnRecorder list;
    ASSERT_TRUE(list.SubclassWindow(dialog.list.UnsubclassWindow()));
    struct Row {
        int format, width, subItem;
        UINT mask;
    };
    const Row table[] = {
        {LVCFMT_LEFT, -1, -1, LVCF_TEXT | LVCF_FMT},
        {LVCFMT_RIGHT, 40, -1, LVCF_TEXT | LVCF_FMT | LVCF_WIDTH},
        {LVCFMT_CENTER, -1, 0, LVCF_TEXT | LVCF_FMT | LVCF_SUBITEM},
        {LVCFMT_LEFT, 93, 2, LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM},
    };
    for (const Row& row : table) {
        list.inserted.clear();
        EXPECT_GE(list.InsertColumn(0, L"Проба", row.format, row.width, row.subItem), 0);
        ASSERT_EQ(list.inserted.size(), 1u);
        EXPECT_EQ(list.inserted[0].mask, row.mask);
        EXPECT_EQ(list.inserted[0].fmt, row.format);
        if (row.width != -1) {
            EXPECT_EQ(list.GetColumnWidth(0), row.width);
        }
    }
}

TEST_F(Controls, ListRowsKeepTextDataAndState) {
    // A non-zero answer to LVN_ITEMCHANGING would refuse every change of data and state.
    dialog.parentAnswer = 0;
    CListCtrl& list = dialog.list;
    list.InsertColumn(0, L"№", LVCFMT_LEFT, 40);
    list.InsertColumn(1, L"Имя файла", LVCFMT_LEFT, 220);
    ASSERT_EQ(list.InsertItem(0, L"1"), 0);
    ASSERT_EQ(list.InsertItem(1, L"2"), 1);
    const std::wstring longText(3000, L'ж');
    EXPECT_TRUE(list.SetItemText(1, 1, longText.c_str()));
    EXPECT_EQ(list.GetItemText(1, 1), longText);
    EXPECT_EQ(list.GetItemText(0, 1), L"");
    EXPECT_EQ(list.GetItemText(1, 0), L"2");

    EXPECT_TRUE(list.SetItemData(1, 0x1234));
    EXPECT_EQ(list.GetItemData(1), 0x1234u);
    EXPECT_EQ(list.GetItemData(0), 0u);

    EXPECT_TRUE(list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(list.GetItemState(1, LVIS_SELECTED), static_cast<UINT>(LVIS_SELECTED));
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 1);
    EXPECT_EQ(list.GetSelectedCount(), 1);

    list.SetExtendedStyle(LVS_EX_CHECKBOXES);
    EXPECT_EQ(list.GetExtendedStyle(), static_cast<DWORD>(LVS_EX_CHECKBOXES));
    EXPECT_TRUE(list.SetCheck(0, true));
    EXPECT_TRUE(list.GetCheck(0));
    EXPECT_FALSE(list.GetCheck(1));
    list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    EXPECT_EQ(list.GetExtendedStyle(), static_cast<DWORD>(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT));

    RECT cell{};
    EXPECT_TRUE(list.GetSubItemRect(0, 1, LVIR_LABEL, cell));
    EXPECT_EQ(cell.right - cell.left, 220);

    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(list.GetItemCount(), 1);
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
}

TEST_F(Controls, HeaderItemsCarryTheSortArrows) {
    dialog.list.InsertColumn(0, L"№");
    dialog.list.InsertColumn(1, L"Проба");
    CHeaderCtrl header = dialog.list.GetHeaderCtrl();
    ASSERT_NE(header.m_hWnd, nullptr);
    EXPECT_EQ(header.GetItemCount(), 2);
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    ASSERT_TRUE(header.GetItem(1, &item));
    item.fmt |= HDF_SORTUP;
    ASSERT_TRUE(header.SetItem(1, &item));
    HDITEMW read{};
    read.mask = HDI_FORMAT;
    ASSERT_TRUE(header.GetItem(1, &read));
    EXPECT_EQ(read.fmt & (HDF_SORTUP | HDF_SORTDOWN), HDF_SORTUP);
}

TEST_F(Controls, TooltipToolsTakeTheirTexts) {
    CToolTipCtrl tooltip;
    ASSERT_TRUE(tooltip.Create(dialog, TTS_BALLOON | TTS_ALWAYSTIP));
    HWND first = dialog.GetDlgItem(IDC_NUMBER1);
    HWND second = dialog.GetDlgItem(IDC_NUMBER2);
    EXPECT_TRUE(tooltip.AddTool(first, L"Подсказка"));
    EXPECT_TRUE(tooltip.AddTool(second, IDS_TOOLTIP));
    EXPECT_FALSE(tooltip.AddTool(dialog.GetDlgItem(4242), L"нет"));
    tooltip.Activate(true);
    EXPECT_EQ(tooltip.GetToolCount(), 2);
    EXPECT_EQ(tooltip.GetText(first), L"Подсказка");
    EXPECT_EQ(tooltip.GetText(second), L"Добавить хроматограммы");
    MSG relayed{first, WM_MOUSEMOVE, 0, 0, 0, {0, 0}};
    tooltip.RelayEvent(&relayed);
    HWND window = tooltip;
    EXPECT_EQ(GetWindow(window, GW_OWNER), dialog.m_hWnd);
}

TEST_F(Controls, ButtonShowsAnIcon) {
    CButton button(dialog.GetDlgItem(IDC_THROW));
    button.ModifyStyle(0, BS_ICON);
    HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
    button.SetIcon(icon);
    EXPECT_EQ(button.GetIcon(), icon);
}

// An edit made by its object: it sees its creation and its end.
class CreatedEdit : public CEdit {
public:
    std::vector<UINT> seen;
    bool ended = false;

protected:
    bool PreCreateWindow(CREATESTRUCTW& cs) override {
        cs.style |= ES_RIGHT;
        return true;
    }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message == WM_NCCREATE || message == WM_CREATE) seen.push_back(message);
        return CEdit::OnMessage(message, wParam, lParam, result);
    }
    void PostNcDestroy() override { ended = true; }
};

TEST_F(Controls, CreatedWindowIsRoutedFromItsFirstMessage) {
    CreatedEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, RECT{10, 10, 100, 30}, dialog.list, 9801));
    EXPECT_EQ(edit.seen, (std::vector<UINT>{WM_NCCREATE, WM_CREATE}));
    EXPECT_TRUE(edit.GetStyle() & ES_RIGHT);
    EXPECT_EQ(edit.GetDlgCtrlID(), 9801);
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), &edit);
    edit.SetWindowText(L"текст");
    edit.SetSel(0, -1);
    int start = -1, end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 5);
    HWND hwnd = edit;
    EXPECT_TRUE(edit.DestroyWindow());
    EXPECT_TRUE(edit.ended);
    EXPECT_EQ(edit.m_hWnd, nullptr);
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(Controls, CreatedWindowGoesWithItsObject) {
    HWND hwnd;
    {
        CEdit edit;
        ASSERT_TRUE(edit.Create(WS_CHILD, RECT{0, 0, 50, 20}, dialog, 77));
        hwnd = edit;
    }
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST(Resources, StringsComeFromTheResourceHandle) {
    EXPECT_EQ(AfxGetResourceHandle(), AfxGetInstanceHandle());
    EXPECT_EQ(AfxGetInstanceHandle(), GetModuleHandleW(nullptr));
    EXPECT_EQ(AfxLoadString(IDS_TOOLTIP), L"Добавить хроматограммы");
    EXPECT_EQ(AfxLoadString(4242), L"");
    // A module without the string: nothing, not the instance's text.
    AfxSetResourceHandle(GetModuleHandleW(L"kernel32.dll"));
    EXPECT_EQ(AfxLoadString(IDS_TOOLTIP), L"");
    AfxSetResourceHandle(nullptr);
    EXPECT_EQ(AfxGetResourceHandle(), AfxGetInstanceHandle());
}

}  // namespace
