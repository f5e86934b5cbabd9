// What the host hands the dialog: picker counts outside the buffer, services missing one at a time, and
// profile values no save writes. None ends the host, shows a message or loses the list or the masses.

#include "tests/ui/faults/fault_dialog.h"

#include "host/host_interface.h"
#include "res/dialog_ids.h"
#include "tests/db/host_rows.h"

#include <commctrl.h>

#include <climits>
#include <cstdint>

namespace {

TEST_F(FaultDialogTest, PickerCountsOutsideTheBufferFetchNothing) {
    AddAssays(1, {100, 100, 100});
    profile[Key(L"Assay 1")] = std::wstring(L"1/0");
    Start();
    SetText(IDC_M1, L"0.5");
    const struct {
        HostValue count;
        std::vector<int32_t> ids;
        std::vector<int32_t> rows;
    } cases[] = {
        {0, {2}, {1}},
        {-1, {2}, {1}},
        {INT_MIN, {2}, {1}},
        {257, {2}, {1}},
        // A count whose low bits alone would be 1.
        {65537, {2}, {1}},
        {static_cast<HostValue>(UINTPTR_MAX), {2}, {1}},
        {1, {2, 3}, {1, 2}},
        // The whole buffer: the ids beyond the first two are zeros, which no assay has.
        {256, {3, 2}, {1, 2, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "the picker answers " << c.count);
        PickerAnswers(c.count, c.ids);
        Click(IDC_ADD);
        EXPECT_EQ(RowFiles(), FilesOf(c.rows));
        EXPECT_EQ(Text(IDC_M1), L"0.5");
        EXPECT_TRUE(boxes.empty());
    }
}

// Each profile and list service taken away in turn: the step that needs it is skipped, every other one works.
class AbsentServiceTest : public FaultDialogTest, public testing::WithParamInterface<const char*> {};

TEST_P(AbsentServiceTest, OnlyTheStepThatNeedsItIsSkipped) {
    using namespace HostService;
    const std::string absent = GetParam();
    const auto offered = [&absent](const char* service) { return absent != service; };
    AddAssays(1, {100, 100});
    profile[Key(L"Assay 1")] = std::wstring(L"1/1");
    profile[Key(L"Assay 5")] = std::wstring(L"2/0");
    profile[Key(L"m1")] = 0.5;
    Start({absent});

    std::vector<int32_t> rows;
    if (offered(ProfileGetString)) rows.push_back(1);
    EXPECT_EQ(RowFiles(), FilesOf(rows));

    PickerAnswers(1, {2});
    Click(IDC_ADD);
    if (offered(OpenAssayIdDlgEx)) rows.push_back(2);
    EXPECT_EQ(RowFiles(), FilesOf(rows));

    ListView_SetItemState(Control(IDC_LIST), 0, LVIS_SELECTED, LVIS_SELECTED);
    Click(IDC_OPEN);
    EXPECT_EQ(openedFiles.size(), offered(OpenAssayFile) && !rows.empty() ? 1u : 0u);

    Click(IDCANCEL);
    EXPECT_FALSE(IsWindowVisible(dialog.m_hWnd));
    EXPECT_EQ(boxes, offered(ProfileSetString)
                         ? std::vector<std::wstring>{}
                         : std::vector<std::wstring>{L"Не удалось сохранить список хроматограмм."});

    // What the close stored, beside what the host held before.
    const auto stored = [this](const std::wstring& name) -> const ProfileValue* {
        const auto found = profile.find(Key(name));
        return found == profile.end() ? nullptr : &found->second;
    };
    if (offered(ProfileSetString)) {
        for (size_t i = 0; i < rows.size(); ++i) {
            const ProfileValue* value = stored(L"Assay " + std::to_wstring(i + 1));
            ASSERT_NE(value, nullptr);
            EXPECT_EQ(std::get<std::wstring>(*value), std::to_wstring(rows[i]) + L"/0");
        }
    } else {
        // No older list comes back in place of one the host could not store.
        EXPECT_EQ(stored(L"Assay 1"), nullptr);
    }
    EXPECT_EQ(stored(L"Assay 5") == nullptr, offered(ProfileDelParam));
    const double m1 = offered(ProfileSetDouble) && !offered(ProfileGetDouble) ? 0.0 : 0.5;
    ASSERT_NE(stored(L"m1"), nullptr);
    EXPECT_EQ(std::get<double>(*stored(L"m1")), m1);
    EXPECT_EQ(stored(L"WindowRect_tlx") != nullptr, offered(ProfileSetInt));
}

INSTANTIATE_TEST_SUITE_P(EachService, AbsentServiceTest,
                         testing::Values(HostService::OpenAssayIdDlgEx, HostService::OpenAssayFile,
                                         HostService::ProfileSetInt, HostService::ProfileSetDouble,
                                         HostService::ProfileSetString, HostService::ProfileDelParam,
                                         HostService::ProfileGetInt, HostService::ProfileGetDouble,
                                         HostService::ProfileGetString),
                         [](const testing::TestParamInfo<const char*>& instance) { return CaseName(instance.param); });

TEST_F(FaultDialogTest, EnterAndCloseStoreTheSameState) {
    AddAssays(1, {100});
    Start();
    for (const int button : {IDOK, IDCANCEL}) {
        SCOPED_TRACE(button);
        profile.clear();
        dialog.ShowWindow(SW_SHOWNORMAL);
        PickerAnswers(1, {1});
        Click(IDC_ADD);
        SetText(IDC_M1, L"0.5");
        Click(button);
        EXPECT_FALSE(IsWindowVisible(dialog.m_hWnd));
        EXPECT_EQ(profile[Key(L"Assay 1")], ProfileValue(std::wstring(L"1/0")));
        EXPECT_EQ(profile[Key(L"m1")], ProfileValue(0.5));
    }
}

TEST_F(FaultDialogTest, AListLongerThanTheProfileHoldsIsToldAtTheClose) {
    AddAssays(1, {10});
    AddAssayRows(database, 2, std::vector<std::u16string>(1024, database.folder().u16string() + u"/a1.chr"));
    Start();
    for (int32_t first = 1; first <= 1025; first += kIdBufferCapacity) {
        std::vector<int32_t> ids;
        for (int32_t id = first; id <= 1025 && ids.size() < static_cast<size_t>(kIdBufferCapacity); ++id)
            ids.push_back(id);
        PickerAnswers(static_cast<HostValue>(ids.size()), ids);
        Click(IDC_ADD);
    }
    ASSERT_EQ(RowFiles().size(), 1025u);
    Click(IDCANCEL);
    EXPECT_EQ(boxes, std::vector<std::wstring>{L"Сохранены только первые 1024 хроматограммы списка из 1025."});
    EXPECT_EQ(profile[Key(L"Assay 1024")], ProfileValue(std::wstring(L"1024/0")));
    EXPECT_EQ(profile.count(Key(L"Assay 1025")), 0u);
}

TEST_F(FaultDialogTest, StoredValuesNoSaveWritesRestoreOnlyReadableIds) {
    AddAssays(1, {100, 100, 100, 100});
    const std::wstring digits127 = std::wstring(125, L'0') + L"3/";
    const std::wstring slashAt128 = std::wstring(126, L'0') + L"1/";
    const std::vector<std::wstring> values = {
        L"7",                       // no "/"
        L"/2",                      // no id before it
        L"4294967298/1",            // beyond 32 bits: its low 32 bits, 2
        L"-1/0",                    // a sign is no digit
        L"18446744073709551615/1",  // -1: no such assay
        digits127,                  // 127 units come back whole: 3
        slashAt128,                 // 128 units: the "/" is cut off
        std::wstring(200, L'9'),    // longer than any buffer, no "/"
        L"1/\xD83D\xDE00",          // a surrogate pair after the "/"
        L"\xD83D\xDE00/1",          // ... and before it
        L"3\xD800/1",               // a lone surrogate ends the digits: 3 again, already listed
        L"",
    };
    int number = 0;
    for (const std::wstring& value : values) profile[Key(L"Assay " + std::to_wstring(++number))] = value;
    // A value of another kind reads as absent and ends the list, so the one after it is not read.
    profile[Key(L"Assay " + std::to_wstring(++number))] = int32_t{4};
    profile[Key(L"Assay " + std::to_wstring(++number))] = std::wstring(L"4/1");
    ASSERT_EQ(digits127.size(), 127u);
    ASSERT_EQ(slashAt128.size(), 128u);

    Start();
    EXPECT_EQ(RowFiles(), FilesOf({2, 3, 1}));
    EXPECT_TRUE(boxes.empty());
}

}  // namespace
