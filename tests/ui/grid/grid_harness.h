#pragma once
// What the grid tests share: a parent window that records every notification it receives and answers from a
// table, a comparison of its log with a table of expected messages (in the manner of Wine's list-view
// tests), a message pump that runs the module's keyboard filter, and a grid filled from a table of rows.

#include "ui/grid_ctrl.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

// One WM_NOTIFY as the parent saw it. The numbers are the record's param1/param2 for grid notifications,
// iItem/iSubItem of the list's record for a double click and for list notifications, and iItem for header
// notifications.
struct LoggedNotify {
    UINT code;
    HWND from;
    UINT_PTR id;
    int param1;
    int param2;
};

class RecordingParent : public CWnd {
public:
    RecordingParent();

    std::vector<LoggedNotify> log;
    // The answer to each code; 0 for codes not listed (the main dialog's answer to everything).
    std::map<UINT, LRESULT> answers;
    // What the parent writes through the result address of a GN_DBLCLICK.
    LRESULT doubleClickResult = 0;
    // Key-down messages that reached the parent's keyboard handling.
    std::vector<WPARAM> keysSeen;

    bool PreTranslateMessage(MSG* msg) override;

protected:
    bool OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

// An entry of an expected sequence; optional entries may be missing from the log.
struct Expected {
    UINT code;
    int param1 = 0;
    int param2 = 0;
    unsigned flags = 0;
};
constexpr unsigned kOptional = 1;
constexpr unsigned kAnyParams = 2;

// Checks that log holds exactly the expected messages in order (paint notifications never count).
void ExpectSequence(const std::vector<LoggedNotify>& log, const std::vector<Expected>& expected, HWND grid,
                    const char* context);

// Dispatches every queued message the way the host's loop does under the module's keyboard filter.
void PumpMessages();

constexpr UINT kGridId = 1001;

// A shown parent with a grid of three columns ("Name", "Value", "Date", 80 pixels each).
class GridTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Replaces the rows: one per entry, the cells of each separated by '|'.
    void Fill(const std::vector<std::wstring>& rows);
    std::vector<std::wstring> Column(int column) const;
    // Starts a new log for the next action.
    void ClearLog() { parent.log.clear(); }
    // A notification the list would send its parent (through reflection to the grid).
    LRESULT SendFromList(NMHDR& header);
    // A header notification as the header sends it to the grid.
    LRESULT SendFromHeader(UINT code, int item, HDITEMW* pitem);
    HWND EditWindow() const { return GetDlgItem(grid.m_hWnd, kGridEditCellId); }

    RecordingParent parent;
    CGridCtrl grid;
};
