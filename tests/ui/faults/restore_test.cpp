// The stored list is read after the dialog shows, a part per turn of the message loop, so that a long list
// does not hold the host up. Whatever the analyst does before it is read finds the whole list, and nothing of
// it is lost, also when the database goes away meanwhile.

#include "tests/chromfile/allocation_probe.h"
#include "tests/ui/faults/fault_dialog.h"

#include "res/dialog_ids.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kStored = 40;

std::vector<int32_t> Ids(int32_t first, int32_t last) {
    std::vector<int32_t> ids;
    for (int32_t id = first; id <= last; ++id) ids.push_back(id);
    return ids;
}

class RestoreTest : public FaultDialogTest {
protected:
    // Assays 1, 2, ... with files of the given sample counts (kStored + 1 small ones unless told), assays 1
    // to stored kept in the profile in that order, and a mass; the dialog is made and shown, and has handled
    // none of its queued messages yet.
    void StartWithStoredList(int stored = kStored,
                             const std::vector<int>& sampleCounts = std::vector<int>(kStored + 1, 500)) {
        AddAssays(1, sampleCounts);
        for (int32_t id : Ids(1, stored)) profile[Key(L"Assay " + std::to_wstring(id))] = std::to_wstring(id) + L"/1";
        profile[Key(L"m1")] = 0.5;
        pumpAfterCreate = false;
        Start();
    }

    std::vector<std::wstring> StoredList() const {
        std::vector<std::wstring> values;
        for (int number = 1;; ++number) {
            const auto found = profile.find(Key(L"Assay " + std::to_wstring(number)));
            if (found == profile.end()) return values;
            values.push_back(std::get<std::wstring>(found->second));
        }
    }

    // What the dialog answers to the cursor over its list.
    HCURSOR CursorOverList() {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        SendMessageW(dialog.m_hWnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(Control(IDC_LIST)),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    }
};

TEST_F(RestoreTest, TheMassesShowAtOnceAndTheListOnceAllIsRead) {
    StartWithStoredList();
    EXPECT_TRUE(dialog.Restoring());
    EXPECT_TRUE(RowFiles().empty());
    const std::wstring massShown = Text(IDC_M1);
    EXPECT_EQ(CursorOverList(), LoadCursorW(nullptr, IDC_APPSTARTING));

    PumpMessages();
    EXPECT_FALSE(dialog.Restoring());
    EXPECT_EQ(RowFiles(), FilesOf(Ids(1, kStored)));
    EXPECT_EQ(Text(IDC_M1), massShown);
    EXPECT_EQ(CursorOverList(), LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_TRUE(boxes.empty());
}

struct EarlyCommand {
    const char* name;
    int button;
    std::vector<int32_t> picked;
    std::vector<int32_t> rows;
};

class EarlyCommandTest : public RestoreTest, public testing::WithParamInterface<EarlyCommand> {};

TEST_P(EarlyCommandTest, FindsTheWholeStoredList) {
    const EarlyCommand& command = GetParam();
    StartWithStoredList();
    PickerAnswers(static_cast<HostValue>(command.picked.size()), command.picked);
    Click(command.button);
    EXPECT_FALSE(dialog.Restoring());
    EXPECT_EQ(RowFiles(), FilesOf(command.rows));
    if (command.button != IDCANCEL) Click(IDCANCEL);
    std::vector<std::wstring> stored;
    for (int32_t id : command.rows) stored.push_back(std::to_wstring(id) + L"/0");
    EXPECT_EQ(StoredList(), stored);
    EXPECT_TRUE(boxes.empty());
}

std::vector<int32_t> StoredAndPicked() {
    std::vector<int32_t> ids = Ids(1, kStored);
    ids.push_back(kStored + 1);
    return ids;
}

INSTANTIATE_TEST_SUITE_P(BeforeTheListIsRead, EarlyCommandTest,
                         testing::Values(EarlyCommand{"close", IDCANCEL, {}, Ids(1, kStored)},
                                         EarlyCommand{"add", IDC_ADD, {kStored + 1, 3}, StoredAndPicked()},
                                         EarlyCommand{"remove_all", IDC_REMOVE_ALL, {}, {}}),
                         [](const testing::TestParamInfo<EarlyCommand>& instance) {
                             return std::string(instance.param.name);
                         });

TEST_F(RestoreTest, ADatabaseGoneBeforeTheListIsReadLeavesTheStoredListForTheNextLoad) {
    StartWithStoredList();
    const std::vector<std::wstring> before = StoredList();
    ASSERT_TRUE(std::filesystem::remove(database.path()));
    PumpMessages();
    EXPECT_FALSE(dialog.Restoring());
    EXPECT_TRUE(RowFiles().empty());
    EXPECT_EQ(boxes, std::vector<std::wstring>{L"База данных не найдена: " + database.path().wstring()});
    Click(IDCANCEL);
    EXPECT_EQ(StoredList(), before);
}

TEST_F(RestoreTest, AnAssayThatDoesNotFitEndsTheRestoreWithTheEarlierOnesShownAndTheStoredListKept) {
    // Assay 3's two channels of 200 000 samples take 800 000 bytes each as read, twice that as kept.
    StartWithStoredList(4, {500, 500, 200000, 500});
    const std::vector<std::wstring> before = StoredList();
    {
        const AllocationProbe probe(1000000);
        PumpMessages();
    }
    EXPECT_EQ(RowFiles(), FilesOf({1, 2}));
    const std::wstring noRoom = L"Недостаточно памяти, хроматограмма не добавлена: '" + FileOf(3) + L"'";
    EXPECT_EQ(boxes, std::vector<std::wstring>{noRoom});
    Click(IDCANCEL);
    EXPECT_EQ(StoredList(), before);
}

}  // namespace
