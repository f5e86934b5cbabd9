// Editing single cells: opening the editor, the ways an edit ends, what the parent hears and may undo, and
// the keys the editor keeps from the dialog.

#include "grid_harness.h"

#include "owner/handles.h"
#include "ui/grid_ctrl_edit_cell.h"

#include <algorithm>

namespace {

constexpr UINT kSetFocus = static_cast<UINT>(NM_SETFOCUS);
constexpr UINT kKillFocus = static_cast<UINT>(NM_KILLFOCUS);
// Wine's list asks its parent for the text of a cell it has just been given.
constexpr Expected kTextQuery{static_cast<UINT>(LVN_GETDISPINFOW), 0, 0, kOptional | kAnyParams};

// The style the editor's window is created with, before the edit control adjusts its own (it trades
// WS_BORDER for an edge).
DWORD createdEditorStyle = 0;

LRESULT CALLBACK RecordEditorStyle(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTW* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam)->lpcs;
        if (reinterpret_cast<UINT_PTR>(create->hMenu) == kGridEditCellId) createdEditorStyle = create->style;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class GridEditing : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        Fill({L"a|one", L"b|two", L"c|three"});
        parent.answers = {{GN_BEGINEDIT, 1}};
    }
    // A key pressed in the focused window, through the host's loop.
    void Press(WPARAM key) {
        PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
        PumpMessages();
    }
    std::wstring EditText() const {
        wchar_t text[64] = {};
        GetWindowTextW(EditWindow(), text, 64);
        return text;
    }
    bool ParentSawKey(WPARAM key) const {
        return std::find(parent.keysSeen.begin(), parent.keysSeen.end(), key) != parent.keysSeen.end();
    }
};

TEST_F(GridEditing, EditorCoversTheCellWithItsTextSelectedAndTheFocus) {
    UniqueHook hook(SetWindowsHookExW(WH_CBT, &RecordEditorStyle, nullptr, GetCurrentThreadId()));
    struct Case {
        int format;
        DWORD alignment;
    } cases[] = {{LVCFMT_LEFT, ES_LEFT}, {LVCFMT_RIGHT, ES_RIGHT}, {LVCFMT_CENTER, ES_CENTER}};
    for (const Case& c : cases) {
        LVCOLUMNW format{};
        format.mask = LVCF_FMT;
        format.fmt = c.format;
        grid.SendMessage(LVM_SETCOLUMNW, 1, reinterpret_cast<LPARAM>(&format));
        ClearLog();
        CGridCtrlEditCell* cell = grid.BeginEdit(1, 1);
        ASSERT_NE(cell, nullptr);
        ExpectSequence(parent.log, {{GN_BEGINEDIT, 1, 1}, {kKillFocus, 0, 0, kOptional}}, grid.m_hWnd, "begin edit");
        EXPECT_EQ(EditWindow(), cell->m_hWnd);
        EXPECT_EQ(GetParent(cell->m_hWnd), grid.m_hWnd);
        EXPECT_EQ(cell->GetEditRow(), 1);
        EXPECT_EQ(cell->GetEditColumn(), 1);
        EXPECT_EQ(cell->GetEditText(), L"two");
        EXPECT_FALSE(cell->IsCancelled());
        EXPECT_EQ(createdEditorStyle, 0x50800080u | c.alignment);
        EXPECT_EQ(EditText(), L"two");
        int start = -1, end = -1;
        cell->GetSel(start, end);
        EXPECT_EQ(start, 0);
        EXPECT_EQ(end, 3);
        EXPECT_EQ(GetFocus(), cell->m_hWnd);
        EXPECT_EQ(cell->GetFont(), grid.GetFont());

        RECT label{}, editor = cell->GetWindowRect();
        grid.GetSubItemRect(1, 1, LVIR_LABEL, label);
        grid.ScreenToClient(editor);
        EXPECT_EQ(editor.left, label.left);
        EXPECT_EQ(editor.right, label.right);
        EXPECT_EQ(editor.top, label.top - 2);
        EXPECT_EQ(editor.bottom, label.bottom + 2);
        Press(VK_ESCAPE);
        EXPECT_EQ(EditWindow(), nullptr);
    }
}

TEST_F(GridEditing, RefusedOrImpossibleEditsOpenNothing) {
    struct Case {
        const char* name;
        int row, column;
        LRESULT answer;
        std::vector<Expected> log;
    } cases[] = {
        {"refused", 1, 1, 0, {{GN_BEGINEDIT, 1, 1}}},
        {"negative row", -1, 1, 1, {}},
        {"negative column", 1, -1, 1, {}},
        {"row past the end", 3, 1, 1, {}},
        {"column past the end", 1, 3, 1, {}},
    };
    for (const Case& c : cases) {
        ClearLog();
        parent.answers = {{GN_BEGINEDIT, c.answer}};
        EXPECT_EQ(grid.BeginEdit(c.row, c.column), nullptr) << c.name;
        ExpectSequence(parent.log, c.log, grid.m_hWnd, c.name);
        EXPECT_EQ(EditWindow(), nullptr) << c.name;
    }
}

TEST_F(GridEditing, EndingAnEditKeepsUndoesOrIgnoresTheChange) {
    enum class End { Escape, Enter, FocusElsewhere, Scroll };
    struct Case {
        const char* name;
        const wchar_t* typed;  // null: the text is left as it was
        End end;
        LRESULT answer;
        std::vector<Expected> log;
        const wchar_t* cell;
    } cases[] = {
        {"escape", L"2", End::Escape, 1, {{kSetFocus}}, L"two"},
        {"enter, unchanged", nullptr, End::Enter, 1, {{kSetFocus}}, L"two"},
        {"enter, kept", L"2", End::Enter, 1, {{GN_CELLCHANGED, 1, 1}, {kSetFocus}, kTextQuery}, L"2"},
        {"enter, refused", L"2", End::Enter, 0, {{GN_CELLCHANGED, 1, 1}, {kSetFocus}, kTextQuery}, L"two"},
        {"enter, case only", L"Two", End::Enter, 5, {{GN_CELLCHANGED, 1, 1}, {kSetFocus}, kTextQuery}, L"Two"},
        {"focus elsewhere", L"22", End::FocusElsewhere, 1, {{GN_CELLCHANGED, 1, 1}, kTextQuery}, L"22"},
        {"scroll", L"", End::Scroll, 1, {{GN_CELLCHANGED, 1, 1}, {kSetFocus}, kTextQuery}, L""},
    };
    for (const Case& c : cases) {
        grid.SetItemText(1, 1, L"two");
        parent.answers = {{GN_BEGINEDIT, 1}, {GN_CELLCHANGED, c.answer}};
        ASSERT_NE(grid.BeginEdit(1, 1), nullptr) << c.name;
        if (c.typed) SetWindowTextW(EditWindow(), c.typed);
        ClearLog();
        switch (c.end) {
        case End::Escape:
            Press(VK_ESCAPE);
            break;
        case End::Enter:
            Press(VK_RETURN);
            break;
        case End::FocusElsewhere:
            parent.SetFocus();
            break;
        case End::Scroll:
            grid.SendMessage(WM_VSCROLL, SB_LINEDOWN);
            break;
        }
        PumpMessages();
        // The editor's end-of-edit notification goes to the grid alone.
        ExpectSequence(parent.log, c.log, grid.m_hWnd, c.name);
        EXPECT_EQ(grid.GetItemText(1, 1), c.cell) << c.name;
        EXPECT_EQ(EditWindow(), nullptr) << c.name;
    }
}

TEST_F(GridEditing, SecondEditEndsTheFirst) {
    parent.answers = {{GN_BEGINEDIT, 1}, {GN_CELLCHANGED, 1}};
    ASSERT_NE(grid.BeginEdit(1, 1), nullptr);
    SetWindowTextW(EditWindow(), L"changed");
    ClearLog();
    CGridCtrlEditCell* second = grid.BeginEdit(2, 1);
    ASSERT_NE(second, nullptr);
    ExpectSequence(parent.log, {{GN_BEGINEDIT, 2, 1}, {GN_CELLCHANGED, 1, 1}, kTextQuery}, grid.m_hWnd, "second edit");
    EXPECT_EQ(grid.GetItemText(1, 1), L"changed");
    EXPECT_EQ(EditWindow(), second->m_hWnd);
    int editors = 0;
    for (HWND child = GetWindow(grid.m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        editors += GetDlgCtrlID(child) == kGridEditCellId;
    EXPECT_EQ(editors, 1);
    Press(VK_ESCAPE);
}

TEST_F(GridEditing, EditorKeepsItsKeysFromTheDialog) {
    ASSERT_NE(grid.BeginEdit(1, 1), nullptr);
    Press(VK_DELETE);
    EXPECT_FALSE(ParentSawKey(VK_DELETE));
    EXPECT_EQ(EditText(), L"");  // the selected text went

    Press('A');
    EXPECT_TRUE(ParentSawKey('A'));
    EXPECT_EQ(EditText(), L"a");

    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    Press('C');
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_FALSE(ParentSawKey('C'));
    EXPECT_NE(EditWindow(), nullptr);

    Press(VK_RETURN);
    EXPECT_FALSE(ParentSawKey(VK_RETURN));
    EXPECT_EQ(EditWindow(), nullptr);
    EXPECT_EQ(GetFocus(), grid.m_hWnd);
}

TEST_F(GridEditing, DestroyingTheGridDuringAnEditEndsIt) {
    parent.answers = {{GN_BEGINEDIT, 1}, {GN_CELLCHANGED, 1}};
    ASSERT_NE(grid.BeginEdit(0, 1), nullptr);
    HWND editor = EditWindow();
    SetWindowTextW(editor, L"gone");
    grid.DestroyWindow();
    PumpMessages();
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_FALSE(grid.IsWindow());
}

}  // namespace
