// The stored list's restore on a window of its own: it reads in the window's turns until all is read, ends
// once with what the load met, reads the rest at once when asked, and a new start drops the old restore.

#include "ui/stored_list_restore.h"

#include "calc/sample_set.h"
#include "tests/db/host_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

LRESULT CALLBACK RestoreWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* restore = reinterpret_cast<StoredListRestore*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (restore && restore->OnMessage(message, wParam)) return 0;
    return DefWindowProcW(window, message, wParam, lParam);
}

class StoredListRestoreTest : public testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &RestoreWindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"StoredListRestoreTest";
        RegisterClassW(&windowClass);
        window = CreateWindowExW(0, L"StoredListRestoreTest", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&restore));
        AddAssayRows(database, 1, {u"a1.chr", u"a2.chr", u"a3.chr"});
        database.Use();
    }
    void TearDown() override { DestroyWindow(window); }

    // Runs the window's turns until the restore has ended (or it never would).
    void PumpUntilEnded() {
        MSG msg;
        for (int turn = 0; turn < 1000 && restore.Running() && GetMessageW(&msg, nullptr, 0, 0) > 0; ++turn)
            DispatchMessageW(&msg);
    }

    std::vector<uint32_t> Ids() const {
        std::vector<uint32_t> ids;
        for (const AssayEntry& entry : set) ids.push_back(entry.id);
        return ids;
    }

    struct Ending {
        AssayLoad load;
        bool stopped;
    };
    ScratchDatabase database{kHostSchema};
    SampleSet set;
    std::vector<Ending> endings;
    StoredListRestore restore{set, [this](const AssayLoad& load, bool stopped) { endings.push_back({load, stopped}); }};
    HWND window = nullptr;
};

TEST_F(StoredListRestoreTest, NoIdsNoRestore) {
    restore.Start(window, {});
    EXPECT_FALSE(restore.Running());
    MSG msg;
    EXPECT_FALSE(PeekMessageW(&msg, window, 0, 0, PM_REMOVE));
    restore.Finish();
    EXPECT_TRUE(endings.empty());
}

TEST_F(StoredListRestoreTest, ReadsInTheWindowsTurnsAndEndsOnce) {
    restore.Start(window, {3, 99, 1});
    EXPECT_TRUE(restore.Running());
    EXPECT_EQ(set.count(), 0);
    PumpUntilEnded();
    EXPECT_FALSE(restore.Running());
    EXPECT_EQ(Ids(), (std::vector<uint32_t>{3, 1}));
    ASSERT_EQ(endings.size(), 1u);
    EXPECT_FALSE(endings[0].stopped);
    EXPECT_TRUE(endings[0].load.changed);
    EXPECT_TRUE(endings[0].load.failure.empty());
    // The files are not there: each entry says so.
    EXPECT_EQ(endings[0].load.fileErrors.size(), 2u);
}

TEST_F(StoredListRestoreTest, FinishReadsTheRestAtOnceAndANewStartDropsTheOld) {
    restore.Start(window, {1});
    restore.Start(window, {2, 3});
    restore.Finish();
    EXPECT_FALSE(restore.Running());
    EXPECT_EQ(Ids(), (std::vector<uint32_t>{2, 3}));
    EXPECT_EQ(endings.size(), 1u);
    // The posted part left behind finds the restore ended.
    PumpUntilEnded();
    EXPECT_EQ(endings.size(), 1u);
}

TEST_F(StoredListRestoreTest, ADatabaseThatCannotBeReadEndsItWithTheFailure) {
    std::filesystem::remove(database.path());
    restore.Start(window, {1, 2});
    PumpUntilEnded();
    ASSERT_EQ(endings.size(), 1u);
    EXPECT_FALSE(endings[0].stopped);
    EXPECT_FALSE(endings[0].load.failure.empty());
    EXPECT_EQ(set.count(), 0);
}

}  // namespace
