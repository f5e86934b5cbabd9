#include "grid_harness.h"

#include "dialogkit/message_filter.h"
#include "dialogkit/resources.h"

#include <sstream>

namespace {

constexpr wchar_t kParentClass[] = L"TalvexGridTestParent";

void RegisterParentClass() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = AfxGetInstanceHandle();
    wc.lpszClassName = kParentClass;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    RegisterClassW(&wc);  // a second registration fails harmlessly
}

bool IsGridCode(UINT code) {
    return code >= GN_CELLCHANGED && code <= GN_DBLCLICK;
}

bool IsHeaderCode(UINT code) {
    return static_cast<int>(code) <= static_cast<int>(HDN_FIRST) &&
           static_cast<int>(code) >= static_cast<int>(HDN_LAST);
}

std::string Describe(UINT code, int param1, int param2) {
    std::ostringstream text;
    text << static_cast<int>(code) << "(" << param1 << ", " << param2 << ")";
    return text.str();
}

}  // namespace

RecordingParent::RecordingParent() {
    RegisterParentClass();
    const RECT rect{0, 0, 480, 320};
    CreateEx(0, kParentClass, L"grid parent", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, rect, nullptr, 0);
}

bool RecordingParent::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN) keysSeen.push_back(msg->wParam);
    return false;
}

bool RecordingParent::OnNotify(WPARAM, LPARAM lParam, LRESULT* result) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    LoggedNotify entry{header->code, header->hwndFrom, header->idFrom, 0, 0};
    if (header->code == GN_DBLCLICK) {
        const auto* click = reinterpret_cast<const NMGRIDDBLCLK*>(header);
        entry.param1 = click->activate->iItem;
        entry.param2 = click->activate->iSubItem;
        EXPECT_EQ(*click->result, 0) << "the double click's result starts at 0";
        *click->result = doubleClickResult;
    } else if (IsGridCode(header->code)) {
        const auto* grid = reinterpret_cast<const NMGRID*>(header);
        entry.param1 = grid->param1;
        entry.param2 = grid->param2;
    } else if (IsHeaderCode(header->code)) {
        entry.param1 = reinterpret_cast<const NMHEADERW*>(header)->iItem;
    } else if (header->code <= LVN_FIRST && header->code >= LVN_LAST) {
        entry.param1 = reinterpret_cast<const NMLISTVIEW*>(header)->iItem;
        entry.param2 = reinterpret_cast<const NMLISTVIEW*>(header)->iSubItem;
    }
    if (header->code != static_cast<UINT>(NM_CUSTOMDRAW)) log.push_back(entry);
    const auto answer = answers.find(header->code);
    *result = answer == answers.end() ? 0 : answer->second;
    return true;
}

void ExpectSequence(const std::vector<LoggedNotify>& log, const std::vector<Expected>& expected, HWND grid,
                    const char* context) {
    std::string whole = "log:";
    for (const LoggedNotify& entry : log) whole.append(" ").append(Describe(entry.code, entry.param1, entry.param2));
    SCOPED_TRACE(context);
    SCOPED_TRACE(whole);
    size_t next = 0;
    for (const Expected& want : expected) {
        const bool present =
            next < log.size() && log[next].code == want.code &&
            ((want.flags & kAnyParams) || (log[next].param1 == want.param1 && log[next].param2 == want.param2));
        if (!present) {
            if (want.flags & kOptional) continue;
            ADD_FAILURE() << "expected " << Describe(want.code, want.param1, want.param2) << ", got "
                          << (next < log.size() ? Describe(log[next].code, log[next].param1, log[next].param2)
                                                : std::string("nothing"));
            return;
        }
        if (IsGridCode(want.code)) {
            EXPECT_EQ(log[next].from, grid);
            EXPECT_EQ(log[next].id, kGridId);
        }
        ++next;
    }
    for (; next < log.size(); ++next)
        ADD_FAILURE() << "unexpected " << Describe(log[next].code, log[next].param1, log[next].param2);
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (dialogkit::PreTranslateMessageChain(&msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void GridTest::SetUp() {
    // The parent stays hidden: focus, painting into a memory context and every notification work the
    // same, and nothing waits for the X server to map a window.
    ASSERT_TRUE(parent.IsWindow());
    ASSERT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, RECT{10, 10, 410, 210}, parent.m_hWnd, kGridId));
    grid.InsertColumn(0, L"Name", LVCFMT_LEFT, 80);
    grid.InsertColumn(1, L"Value", LVCFMT_LEFT, 80);
    grid.InsertColumn(2, L"Date", LVCFMT_LEFT, 80);
    PumpMessages();
    ClearLog();
}

void GridTest::TearDown() {
    grid.DestroyWindow();
    PumpMessages();
}

void GridTest::Fill(const std::vector<std::wstring>& rows) {
    grid.DeleteAllItems();
    for (size_t row = 0; row < rows.size(); ++row) {
        std::wstringstream cells(rows[row]);
        std::wstring cell;
        for (int column = 0; std::getline(cells, cell, L'|'); ++column) {
            if (column == 0)
                grid.InsertItem(static_cast<int>(row), cell.c_str());
            else
                grid.SetItemText(static_cast<int>(row), column, cell.c_str());
        }
    }
    PumpMessages();
    ClearLog();
}

std::vector<std::wstring> GridTest::Column(int column) const {
    std::vector<std::wstring> cells;
    for (int row = 0; row < grid.GetItemCount(); ++row) cells.push_back(grid.GetItemText(row, column));
    return cells;
}

LRESULT GridTest::SendFromList(NMHDR& header) {
    header.hwndFrom = grid.m_hWnd;
    header.idFrom = kGridId;
    return parent.SendMessage(WM_NOTIFY, kGridId, reinterpret_cast<LPARAM>(&header));
}

LRESULT GridTest::SendFromHeader(UINT code, int item, HDITEMW* pitem) {
    NMHEADERW notification{};
    notification.hdr.hwndFrom = grid.GetHeaderCtrl().m_hWnd;
    notification.hdr.idFrom = 0;
    notification.hdr.code = code;
    notification.iItem = item;
    notification.pitem = pitem;
    return grid.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notification));
}
