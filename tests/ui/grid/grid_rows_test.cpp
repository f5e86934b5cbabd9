// Rows and columns: the colours each row is drawn in, the ownership of the row records, and the stretch
// column.

#include "grid_harness.h"

#include <cstdlib>
#include <new>
#include <vector>

// Every address given back to the heap while a test records them: proves that each row record is freed
// exactly once.
namespace {
bool recordingFrees = false;
std::vector<void*>* freed = nullptr;
}  // namespace

void* operator new(std::size_t size) {
    if (void* block = std::malloc(size ? size : 1)) return block;
    throw std::bad_alloc();
}

namespace {

// Both forms of delete free here (one calling the other is taken by GCC for a mismatched delete).
void Release(void* block) noexcept {
    if (recordingFrees && block) {
        recordingFrees = false;  // the log's own growth is not recorded
        freed->push_back(block);
        recordingFrees = true;
    }
    std::free(block);
}

}  // namespace

void operator delete(void* block) noexcept {
    Release(block);
}

void operator delete(void* block, std::size_t) noexcept {
    Release(block);
}

namespace {

using GridRows = GridTest;

class FreeRecorder {
public:
    FreeRecorder() {
        log_.reserve(1024);
        freed = &log_;
        recordingFrees = true;
    }
    ~FreeRecorder() {
        recordingFrees = false;
        freed = nullptr;
    }
    size_t TimesFreed(const void* block) const { return std::count(log_.begin(), log_.end(), block); }

private:
    std::vector<void*> log_;
};

constexpr COLORREF kInk = RGB(1, 2, 3);
constexpr COLORREF kPaper = RGB(200, 100, 50);
constexpr COLORREF kUntouched = RGB(9, 9, 9);

TEST_F(GridRows, CustomDrawGivesRecordColoursAndSelectionColours) {
    Fill({L"record", L"defaults", L"no record", L"selected"});
    grid.SetRowData(0, GridRowData{kInk, kPaper, 10});
    grid.SetRowData(1, GridRowData{CLR_DEFAULT, CLR_DEFAULT, 11});
    grid.SetRowData(3, GridRowData{kInk, kPaper, 13});
    grid.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    const COLORREF highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const DWORD subItemPrePaint = CDDS_ITEMPREPAINT | CDDS_SUBITEM;
    struct Case {
        DWORD stage;
        int row;
        COLORREF text, back;
    } cases[] = {
        {CDDS_PREPAINT, 0, kUntouched, kUntouched},
        {CDDS_ITEMPREPAINT, 0, kInk, kPaper},
        {subItemPrePaint, 0, kInk, kPaper},
        {CDDS_ITEMPREPAINT, 1, CLR_DEFAULT, CLR_DEFAULT},
        {CDDS_ITEMPREPAINT, 2, kUntouched, kUntouched},
        {CDDS_ITEMPREPAINT, 3, highlightText, highlight},
        {subItemPrePaint, 3, highlightText, highlight},
        {CDDS_ITEMPOSTPAINT, 0, kUntouched, kUntouched},
        {CDDS_POSTPAINT, 0, kUntouched, kUntouched},
    };
    for (const Case& c : cases) {
        NMLVCUSTOMDRAW draw{};
        draw.nmcd.hdr.code = NM_CUSTOMDRAW;
        draw.nmcd.dwDrawStage = c.stage;
        draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(c.row);
        draw.clrText = kUntouched;
        draw.clrTextBk = kUntouched;
        SCOPED_TRACE(testing::Message() << "stage " << std::hex << c.stage << " row " << c.row);
        EXPECT_EQ(SendFromList(draw.nmcd.hdr), 0x30);
        EXPECT_EQ(draw.clrText, c.text);
        EXPECT_EQ(draw.clrTextBk, c.back);
    }
}

TEST_F(GridRows, ListPaintsTheRecordBackground) {
    Fill({L"coloured|x", L"plain|y"});
    grid.SetRowData(0, GridRowData{kInk, kPaper, 1});
    RECT client = grid.GetClientRect();
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ old = SelectObject(memory, bitmap);
    grid.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
    RECT coloured{}, plain{};
    grid.GetSubItemRect(0, 1, LVIR_LABEL, coloured);
    grid.GetSubItemRect(1, 1, LVIR_LABEL, plain);
    EXPECT_EQ(GetPixel(memory, coloured.right - 3, (coloured.top + coloured.bottom) / 2), kPaper);
    EXPECT_NE(GetPixel(memory, plain.right - 3, (plain.top + plain.bottom) / 2), kPaper);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

TEST_F(GridRows, EveryRowRecordIsFreedOnce) {
    Fill({L"a", L"b", L"c", L"d"});
    std::vector<const GridRowData*> records;
    for (int row : {0, 1, 3}) {
        ASSERT_TRUE(grid.SetRowData(row, GridRowData{CLR_DEFAULT, CLR_DEFAULT, static_cast<uint32_t>(row + 100)}));
        records.push_back(grid.GetRowData(row));
    }
    EXPECT_EQ(grid.GetRowData(3)->itemId, 103u);
    // Item data the grid did not give is never read or freed as a record.
    static_cast<CListCtrl&>(grid).SetItemData(2, 0x1234);
    EXPECT_EQ(grid.GetRowData(2), nullptr);
    {
        // A parent that refuses the change leaves the row its record.
        parent.answers = {{static_cast<UINT>(LVN_ITEMCHANGING), TRUE}};
        FreeRecorder recorder;
        EXPECT_FALSE(grid.SetRowData(0, GridRowData{kInk, kPaper, 1}));
        EXPECT_EQ(grid.GetRowData(0), records[0]);
        EXPECT_EQ(recorder.TimesFreed(records[0]), 0u);
        parent.answers.clear();
    }
    {
        // Replacing a record frees the old one.
        FreeRecorder recorder;
        ASSERT_TRUE(grid.SetRowData(3, GridRowData{kInk, kPaper, 7}));
        EXPECT_EQ(recorder.TimesFreed(records[2]), 1u);
        records[2] = grid.GetRowData(3);
    }
    {
        // Deleting a row frees its record.
        FreeRecorder recorder;
        grid.DeleteItem(1);
        EXPECT_EQ(recorder.TimesFreed(records[1]), 1u);
    }
    {
        FreeRecorder recorder;
        grid.DestroyWindow();
        PumpMessages();
        EXPECT_EQ(recorder.TimesFreed(records[0]), 1u);
        EXPECT_EQ(recorder.TimesFreed(records[2]), 1u);
    }
}

TEST_F(GridRows, ClearingTheListFreesEachRecordOnceWhateverTheParentAnswers) {
    for (LRESULT suppressRowNotifications : {0, 1}) {
        Fill({L"a", L"b"});
        grid.SetRowData(0, GridRowData{});
        grid.SetRowData(1, GridRowData{});
        const GridRowData* first = grid.GetRowData(0);
        const GridRowData* second = grid.GetRowData(1);
        parent.answers = {{static_cast<UINT>(LVN_DELETEALLITEMS), suppressRowNotifications}};
        FreeRecorder recorder;
        grid.DeleteAllItems();
        EXPECT_EQ(recorder.TimesFreed(first), 1u);
        EXPECT_EQ(recorder.TimesFreed(second), 1u);
    }
}

TEST_F(GridRows, StretchColumnFillsTheWidthLeftByTheOthers) {
    const RECT window = grid.GetWindowRect();
    const int width = window.right - window.left;
    const int scrollBar = GetSystemMetrics(SM_CXVSCROLL);
    struct Case {
        const char* name;
        int stretch;
        int rows;
        int others;  // width of columns 0 and 2
        int expected;
    } cases[] = {
        {"none", -1, 1, 100, 80},
        {"past the columns", 3, 1, 100, 80},
        {"fills", 1, 1, 100, width - 7 - 100},
        {"beside a scroll bar", 1, 40, 100, width - 7 - 100 - scrollBar},
        {"others too wide", 1, 1, width, 80},
    };
    for (const Case& c : cases) {
        std::vector<std::wstring> rows(static_cast<size_t>(c.rows), L"row");
        Fill(rows);
        grid.SetColumnWidth(0, c.others / 2);
        grid.SetColumnWidth(1, 80);
        grid.SetColumnWidth(2, c.others - c.others / 2);
        grid.SetStretchColumn(c.stretch);
        grid.FitStretchColumn();
        EXPECT_EQ(grid.GetColumnWidth(1), c.expected) << c.name;
    }

    // A new size fits the column again.
    Fill({L"row"});
    grid.SetStretchColumn(1);
    grid.SetColumnWidth(0, 50);
    grid.SetColumnWidth(2, 50);
    grid.SetWindowPos(nullptr, 0, 0, 300, 150, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(grid.GetColumnWidth(1), 300 - 7 - 100);
}

}  // namespace
