// Sorting: the comparison of cells by kind, and the grid's header clicks (direction, arrows, the parent's
// answer deciding whether and how the rows are sorted).

#include "grid_harness.h"

#include "ui/grid_sort.h"

#include <string>
#include <vector>

namespace {

TEST(GridSortCompare, ComparesCellsByKindAndDirection) {
    struct Case {
        int kind;
        bool ascending;
        const wchar_t* a;
        const wchar_t* b;
        int expected;
    } cases[] = {
        // Numbers: the numeric prefix, text without one is 0; equal numbers never compare 0.
        {kGridSortNumbers, true, L"10", L"9", 1},
        {kGridSortNumbers, true, L"9", L"10", -1},
        {kGridSortNumbers, true, L"abc", L"9", -1},
        {kGridSortNumbers, true, L"0", L"abc", -1},
        {kGridSortNumbers, true, L"2.5 g", L"2.25", 1},
        {kGridSortNumbers, true, L"-3", L"-20", 1},
        {kGridSortNumbers, true, L"7", L"7", -1},
        {kGridSortNumbers, false, L"7", L"7", 1},
        {kGridSortNumbers, false, L"10", L"9", -1},
        // Dates: 0 whenever either text is not a date.
        {kGridSortDates, true, L"3/5/2024", L"3/6/2024", -1},
        {kGridSortDates, true, L"3/5/2024 10:00", L"3/5/2024 9:00", 1},
        {kGridSortDates, true, L"3/5/2024", L"3/5/2024 0:00", 0},
        {kGridSortDates, false, L"3/5/2024", L"3/6/2024", 1},
        {kGridSortDates, true, L"abc", L"3/6/2024", 0},
        {kGridSortDates, true, L"3/6/2024", L"", 0},
        {kGridSortDates, false, L"abc", L"def", 0},
        // Before 1899-12-30 the day count is negative but the time of day still runs forward.
        {kGridSortDates, true, L"12/29/1899 6:00 AM", L"12/29/1899 6:00 PM", -1},
        {kGridSortDates, true, L"12/29/1899 6:00 PM", L"12/30/1899 6:00 AM", -1},
        // Texts, for every other kind: case-insensitive.
        {1, true, L"abc", L"ABD", -1},
        {1, true, L"ABC", L"abc", 0},
        {1, false, L"abc", L"ABD", 1},
        {-7, true, L"b", L"a", 1},
        {4, true, L"", L"a", -1},
        // No sorting: everything is equal.
        {kGridSortNone, true, L"1", L"2", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << (c.ascending ? " up " : " down ") << "'"
                                        << std::wstring(c.a) << "' vs '" << std::wstring(c.b) << "'");
        EXPECT_EQ(CompareGridCells(c.kind, c.ascending, c.a, c.b), c.expected);
    }
}

class GridSorting : public GridTest {
protected:
    // The sort arrow of each header item: 'u' up, 'd' down, '-' none.
    std::string Arrows() {
        CHeaderCtrl header = grid.GetHeaderCtrl();
        std::string arrows;
        for (int index = 0; index < header.GetItemCount(); ++index) {
            HDITEMW item{};
            item.mask = HDI_FORMAT;
            header.GetItem(index, &item);
            arrows += (item.fmt & HDF_SORTUP) ? 'u' : (item.fmt & HDF_SORTDOWN) ? 'd' : '-';
        }
        return arrows;
    }
    // A click on a header item, the way the header reports it to the list.
    void ClickHeader(int column) {
        ClearLog();
        SendFromHeader(HDN_ITEMCLICKW, column, nullptr);
    }
};

TEST_F(GridSorting, ClicksSortAscendingThenToggleAndStartAscendingOnAnotherColumn) {
    Fill({L"b|10|3/5/2024", L"C|9|12/31/2023 23:59", L"a|abc|3/5/2024 8:00"});
    parent.answers = {{GN_SORT, kGridSortNumbers}};
    const std::vector<Expected> ascending1 = {{GN_SORT, 1, 1}, {static_cast<UINT>(HDN_ITEMCLICKW), 1, 0, kOptional}};
    struct Step {
        int column;
        LRESULT kind;
        std::vector<Expected> log;
        std::vector<std::wstring> firstColumn;
        const char* arrows;
    } steps[] = {
        {1, kGridSortNumbers, ascending1, {L"a", L"C", L"b"}, "-u-"},
        {1,
         kGridSortNumbers,
         {{GN_SORT, 1, 0}, {static_cast<UINT>(HDN_ITEMCLICKW), 1, 0, kOptional}},
         {L"b", L"C", L"a"},
         "-d-"},
        {0, 1, {{GN_SORT, 0, 1}, {static_cast<UINT>(HDN_ITEMCLICKW), 0, 0, kOptional}}, {L"a", L"b", L"C"}, "u--"},
        {0, 1, {{GN_SORT, 0, 0}, {static_cast<UINT>(HDN_ITEMCLICKW), 0, 0, kOptional}}, {L"C", L"b", L"a"}, "d--"},
        {2,
         kGridSortDates,
         {{GN_SORT, 2, 1}, {static_cast<UINT>(HDN_ITEMCLICKW), 2, 0, kOptional}},
         {L"C", L"b", L"a"},
         "--u"},
    };
    for (const Step& step : steps) {
        parent.answers = {{GN_SORT, step.kind}};
        ClickHeader(step.column);
        // The list's own column-click notification never reaches the parent.
        ExpectSequence(parent.log, step.log, grid.m_hWnd, step.arrows);
        EXPECT_EQ(Column(0), step.firstColumn) << step.arrows;
        EXPECT_EQ(Arrows(), step.arrows);
        EXPECT_EQ(grid.GetSortColumn(), step.column);
        EXPECT_EQ(grid.GetSortKind(), step.kind);
    }
}

TEST_F(GridSorting, ParentAnsweringZeroLeavesRowsAndArrowsButTheDirectionStillToggles) {
    Fill({L"b|10", L"c|9", L"a|abc"});
    const std::vector<std::wstring> unsorted = Column(0);
    for (int click = 0; click < 3; ++click) {
        ClickHeader(1);
        const int direction = click % 2 == 0 ? 1 : 0;
        ExpectSequence(parent.log, {{GN_SORT, 1, direction}, {static_cast<UINT>(HDN_ITEMCLICKW), 1, 0, kOptional}},
                       grid.m_hWnd, "answer 0");
        EXPECT_EQ(grid.IsSortAscending(), direction == 1);
        EXPECT_EQ(Column(0), unsorted);
        EXPECT_EQ(Arrows(), "---");
    }
}

TEST_F(GridSorting, PlainHeaderItemsAskNothingButToggleTheDirection) {
    Fill({L"b", L"a"});
    parent.answers = {{GN_SORT, 1}};
    ClickHeader(0);
    grid.ModifyStyle(0, LVS_NOSORTHEADER);
    NMLISTVIEW click{};
    click.hdr.code = LVN_COLUMNCLICK;
    click.iItem = -1;
    click.iSubItem = 0;
    for (bool ascending : {false, true, false}) {
        ClearLog();
        SendFromList(click.hdr);
        ExpectSequence(parent.log, {}, grid.m_hWnd, "no sort header");
        EXPECT_EQ(grid.IsSortAscending(), ascending);
        EXPECT_EQ(Column(0), (std::vector<std::wstring>{L"a", L"b"}));
        EXPECT_EQ(Arrows(), "u--");
    }
}

}  // namespace
