// The add command when memory runs out or the host's picker throws, and its wait cursor. The process's
// global operator new is replaced here (the allocation probe), so that a test can refuse the large
// requests a 32-bit host has no room for.

#include "tests/chromfile/allocation_probe.h"
#include "tests/ui/faults/fault_dialog.h"

#include "res/dialog_ids.h"

#include <functional>
#include <limits>
#include <new>
#include <stdexcept>

namespace {

TEST_F(FaultDialogTest, AnAssayThatDoesNotFitIsNamedAndTheEarlierOnesStay) {
    // Assay 3's two channels of 200 000 samples take 800 000 bytes each as read, twice that as kept.
    AddAssays(1, {1000, 1000, 200000, 1000});
    const struct {
        const char* name;
        size_t refuseAbove;
        std::vector<int32_t> rows;
        std::wstring message;
    } cases[] = {
        {"the kept samples do not fit",
         1000000,
         {1, 2},
         L"Недостаточно памяти, хроматограмма не добавлена: '" + FileOf(3) + L"'"},
        {"the file's samples do not fit", 500000, {1, 2, 3, 4}, L"Ошибка загрузки файла: '" + FileOf(3) + L"'"},
    };
    Start();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Click(IDC_REMOVE_ALL);
        PickerAnswers(2, {1, 2});
        Click(IDC_ADD);
        ASSERT_EQ(RowFiles(), FilesOf({1, 2}));
        boxes.clear();
        PickerAnswers(2, {3, 4});
        {
            const AllocationProbe probe(c.refuseAbove);
            Click(IDC_ADD);
        }
        EXPECT_EQ(RowFiles(), FilesOf(c.rows));
        EXPECT_EQ(boxes, std::vector<std::wstring>{c.message});
        EXPECT_TRUE(IsWindow(dialog.m_hWnd));
    }
}

TEST_F(FaultDialogTest, APickerThatThrowsEndsTheCommandWithAMessage) {
    AddAssays(1, {100, 100});
    Start();
    PickerAnswers(1, {1});
    Click(IDC_ADD);
    SetText(IDC_M2, L"1.5");
    const struct {
        const char* name;
        std::function<void()> fault;
        std::wstring message;
    } cases[] = {
        {"out of memory", [] { throw std::bad_alloc(); }, L"Недостаточно памяти для выполнения команды."},
        {"a library error", [] { throw std::length_error("vector"); }, L"Команда прервана ошибкой: vector"},
        {"anything else", [] { throw 42; }, L"Команда прервана непредвиденной ошибкой."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.clear();
        picker = [&c](IdBuffer&) -> HostValue {
            c.fault();
            return 0;
        };
        Click(IDC_ADD);
        EXPECT_EQ(boxes, std::vector<std::wstring>{c.message});
        EXPECT_EQ(RowFiles(), FilesOf({1}));
        EXPECT_EQ(Text(IDC_M2), L"1.5");
    }
    // The dialog still takes commands.
    PickerAnswers(1, {2});
    Click(IDC_ADD);
    EXPECT_EQ(RowFiles(), FilesOf({1, 2}));
}

// The cursor each row of the list was inserted under, recorded by a hook on the messages sent to the list.
thread_local std::vector<HCURSOR>* insertCursors = nullptr;
thread_local HWND watchedList = nullptr;

LRESULT CALLBACK RecordInsertCursor(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && insertCursors && sent->hwnd == watchedList && sent->message == LVM_INSERTITEMW)
        insertCursors->push_back(GetCursor());
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(FaultDialogTest, AddingShowsTheWaitCursorUntilTheRowsAreBuilt) {
    AddAssays(1, {1000, 1000, 1000});
    Start();
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    const HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);
    SetCursor(arrow);
    std::vector<HCURSOR> cursors;
    insertCursors = &cursors;
    watchedList = Control(IDC_LIST);
    const UniqueHook hook(SetWindowsHookExW(WH_CALLWNDPROC, &RecordInsertCursor, nullptr, GetCurrentThreadId()));
    ASSERT_TRUE(hook);
    PickerAnswers(3, {1, 2, 3});
    Click(IDC_ADD);
    insertCursors = nullptr;
    EXPECT_EQ(cursors, std::vector<HCURSOR>(3, wait));
    EXPECT_EQ(GetCursor(), arrow);
}

// The set-changed messages this thread took off its queue; a message box's own loop takes them too.
thread_local int setChangedTaken = 0;

LRESULT CALLBACK CountSetChanged(int code, WPARAM wParam, LPARAM lParam) {
    const auto* taken = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && taken->message == kSetChangedMessage) ++setChangedTaken;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(FaultDialogTest, AnAddThatFailsAfterAppendingStillTellsTheHost) {
    // Assay 1 has no file, so its entry comes with a file text; then assay 2 is read.
    AddAssays(1, {-1, 100});
    Start();
    const UniqueHook hook(SetWindowsHookExW(WH_GETMESSAGE, &CountSetChanged, nullptr, GetCurrentThreadId()));
    ASSERT_TRUE(hook);
    size_t requests = 0;
    {
        const AllocationProbe probe;
        PickerAnswers(2, {1, 2});
        Click(IDC_ADD);
        requests = probe.Requests();
    }
    // Every allocation of the command fails once, in turn.
    bool failedAfterAppending = false;
    for (size_t failAt = 1; failAt <= requests; ++failAt) {
        Click(IDC_REMOVE_ALL);
        PickerAnswers(2, {1, 2});
        boxes.clear();
        setChangedTaken = 0;
        {
            const AllocationProbe probe(std::numeric_limits<size_t>::max(), failAt);
            Click(IDC_ADD);
        }
        const std::vector<std::wstring> rows = RowFiles();
        EXPECT_EQ(setChangedTaken, rows.empty() ? 0 : 1) << "allocation " << failAt;
        failedAfterAppending |=
            rows == FilesOf({1}) && !boxes.empty() && boxes.back() == L"Недостаточно памяти для выполнения команды.";
    }
    EXPECT_TRUE(failedAfterAppending);
}

}  // namespace
