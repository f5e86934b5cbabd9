// The notification protocol: which notifications the parent receives for each action, with which numbers,
// which of the list's own are withheld, and what the parent's answers change.

#include "grid_harness.h"

namespace {

using GridProtocol = GridTest;

constexpr UINT kChanging = static_cast<UINT>(LVN_ITEMCHANGING);
constexpr UINT kChanged = static_cast<UINT>(LVN_ITEMCHANGED);

TEST_F(GridProtocol, AttachingMakesReportViewWithExactlyTheGridStyles) {
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | LVS_ICON, 0, 0, 100, 100, parent.m_hWnd, nullptr,
                                nullptr, nullptr);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_CHECKBOXES | LVS_EX_HEADERDRAGDROP);
    CGridCtrl attached;
    ASSERT_TRUE(attached.SubclassWindow(list));
    EXPECT_EQ(attached.GetStyle() & LVS_TYPEMASK, static_cast<DWORD>(LVS_REPORT));
    EXPECT_EQ(attached.GetExtendedStyle(), 0x421u);
    DestroyWindow(list);

    // A window the grid creates itself keeps the extended styles it had and gains grid lines and full rows.
    EXPECT_EQ(grid.GetStyle() & LVS_TYPEMASK, static_cast<DWORD>(LVS_REPORT));
    EXPECT_EQ(grid.GetExtendedStyle() & 0x21u, 0x21u);
    EXPECT_EQ(grid.GetSortColumn(), -1);
    EXPECT_TRUE(grid.IsSortAscending());
    EXPECT_EQ(grid.GetSortKind(), 0);
    EXPECT_EQ(grid.GetStretchColumn(), -1);
}

TEST_F(GridProtocol, NewlySelectedRowIsReportedAndItsListNotificationWithheld) {
    Fill({L"a", L"b", L"c"});
    grid.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    ExpectSequence(parent.log, {{kChanging, 1, 0, kOptional}, {GN_SELECTED, 1, 0}}, grid.m_hWnd, "select");

    ClearLog();
    grid.SetItemState(1, LVIS_FOCUSED, LVIS_FOCUSED);
    ExpectSequence(parent.log, {{kChanging, 1, 0, kOptional}, {kChanged, 1, 0}}, grid.m_hWnd, "focus only");

    ClearLog();
    grid.SetItemState(1, 0, LVIS_SELECTED);
    ExpectSequence(parent.log, {{kChanging, 1, 0, kOptional}, {kChanged, 1, 0}}, grid.m_hWnd, "deselect");
}

TEST_F(GridProtocol, ContextMenuReportsScreenPointOrPointBelowClientCornerForKeyboard) {
    POINT corner{0, 0};
    ClientToScreen(grid.m_hWnd, &corner);
    struct Case {
        LPARAM point;
        int x, y;
    } cases[] = {
        {MAKELPARAM(-1, -1), corner.x + 5, corner.y + 5},
        {MAKELPARAM(120, 45), 120, 45},
        {MAKELPARAM(-20, 30), -20, 30},
    };
    for (const Case& c : cases) {
        ClearLog();
        grid.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(grid.m_hWnd), c.point);
        ExpectSequence(parent.log, {{GN_CONTEXTMENU, c.x, c.y}}, grid.m_hWnd, "context menu");
    }
}

TEST_F(GridProtocol, HeaderResizeAndMoveAskTheParentAndHonourItsAnswer) {
    grid.SetColumnWidth(2, 0);
    grid.SetStretchColumn(0);
    HDITEMW width{};
    width.mask = HDI_WIDTH;
    width.cxy = 55;
    HDITEMW order{};
    order.mask = HDI_ORDER;
    order.iOrder = 2;
    HDITEMW neither{};
    neither.mask = HDI_TEXT;
    const UINT endTrackW = static_cast<UINT>(HDN_ENDTRACKW);
    const UINT endDrag = static_cast<UINT>(HDN_ENDDRAG);
    // Unhandled header notifications go on to the list, which passes them to the parent.
    struct Case {
        const char* name;
        UINT code;
        int column;
        HDITEMW* item;
        LRESULT answer;
        LRESULT result;
        std::vector<Expected> log;
    } cases[] = {
        {"resize begins, allowed", HDN_BEGINTRACKW, 1, &width, 0, 0, {{GN_BEGINRESIZE, 1, 0}}},
        {"resize begins, forbidden", HDN_BEGINTRACKA, 0, &width, 7, 7, {{GN_BEGINRESIZE, 0, 0}}},
        {"resize begins, hidden column", HDN_BEGINTRACKW, 2, &width, 0, 1, {}},
        {"resize ends, refused", endTrackW, 1, &width, 1, 1, {{GN_ENDRESIZE, 1, 55}}},
        {"resize ends, accepted",
         HDN_ENDTRACKA,
         1,
         &width,
         2,
         0,
         {{GN_ENDRESIZE, 1, 55}, {static_cast<UINT>(HDN_ENDTRACKA), 1, 0}}},
        {"resize ends, no width", endTrackW, 1, &neither, 1, 0, {{endTrackW, 1, 0}}},
        {"resize ends, hidden column", endTrackW, 2, &width, 1, 0, {{endTrackW, 2, 0}}},
        {"move, refused", endDrag, 0, &order, 1, 1, {{GN_COLUMNMOVED, 0, 2}}},
        {"move, allowed", endDrag, 1, &order, 0, 0, {{GN_COLUMNMOVED, 1, 2}, {endDrag, 1, 0}}},
        {"move, other answer", endDrag, 1, &order, 5, 0, {{GN_COLUMNMOVED, 1, 2}, {endDrag, 1, 0}}},
        {"move, no order", endDrag, 0, &neither, 1, 0, {{endDrag, 0, 0}}},
        {"move, hidden column", endDrag, 2, &order, 1, 0, {{endDrag, 2, 0}}},
    };
    for (const Case& c : cases) {
        ClearLog();
        parent.answers = {{GN_BEGINRESIZE, c.answer}, {GN_ENDRESIZE, c.answer}, {GN_COLUMNMOVED, c.answer}};
        EXPECT_EQ(SendFromHeader(c.code, c.column, c.item), c.result) << c.name;
        ExpectSequence(parent.log, c.log, grid.m_hWnd, c.name);
    }
    // A width change that goes through fits the stretch column to what the others leave.
    const RECT window = grid.GetWindowRect();
    EXPECT_EQ(grid.GetColumnWidth(0), window.right - window.left - 7 - 80);
}

TEST_F(GridProtocol, DoubleClickOnFocusedRowAsksToEditOtherwiseSelectsTheRow) {
    Fill({L"a|1", L"b|2", L"c|3"});
    grid.SetItemState(1, LVIS_FOCUSED, LVIS_FOCUSED);
    ClearLog();

    auto doubleClick = [&](int row, int column) {
        ClearLog();
        NMITEMACTIVATE activate{};
        activate.hdr.code = NM_DBLCLK;
        activate.iItem = row;
        activate.iSubItem = column;
        return SendFromList(activate.hdr);
    };

    doubleClick(1, 1);
    ExpectSequence(parent.log, {{GN_DBLCLICK, 1, 1}, {GN_BEGINEDIT, 1, 1}}, grid.m_hWnd, "focused row");
    EXPECT_EQ(EditWindow(), nullptr);

    doubleClick(2, 0);
    // Row 1 loses the focus (the parent hears of it from the list), row 2 becomes selected (from the grid).
    ExpectSequence(parent.log,
                   {{GN_DBLCLICK, 2, 0},
                    {kChanging, 2, 0, kOptional},
                    {kChanging, 1, 0, kOptional},
                    {kChanged, 1, 0},
                    {GN_SELECTED, 2, 0}},
                   grid.m_hWnd, "row without focus");
    EXPECT_EQ(grid.GetItemState(2, LVIS_SELECTED | LVIS_FOCUSED), static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED));

    doubleClick(-1, 0);
    ExpectSequence(parent.log, {{GN_DBLCLICK, -1, 0}}, grid.m_hWnd, "no row");

    parent.doubleClickResult = 1;
    parent.answers = {{GN_BEGINEDIT, 1}};
    EXPECT_EQ(doubleClick(2, 1), 1);
    ExpectSequence(parent.log, {{GN_DBLCLICK, 2, 1}}, grid.m_hWnd, "suppressed by the parent");
    EXPECT_EQ(EditWindow(), nullptr);
}

TEST_F(GridProtocol, MouseDoubleClickReachesTheParentOnlyAsGridNotification) {
    Fill({L"a|1", L"b|2"});
    RECT cell{};
    grid.GetSubItemRect(1, 1, LVIR_LABEL, cell);
    grid.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(cell.left + 5, (cell.top + cell.bottom) / 2));
    ExpectSequence(parent.log,
                   {{static_cast<UINT>(NM_RELEASEDCAPTURE), 0, 0, kOptional | kAnyParams},
                    {GN_DBLCLICK, 1, 1},
                    {kChanging, 1, 0, kOptional | kAnyParams},
                    {kChanging, 1, 0, kOptional | kAnyParams},
                    {GN_SELECTED, 1, 0},
                    {static_cast<UINT>(LVN_ITEMACTIVATE), 1, 1, kOptional | kAnyParams}},
                   grid.m_hWnd, "double click");
}

}  // namespace
