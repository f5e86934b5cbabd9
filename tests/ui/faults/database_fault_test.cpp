// The faults of the host database through the dialog's add command and the restore of a stored list: one
// message naming the database or SQLite's text and the ids not read, what was read before the failure kept,
// and a stored list that a failed restore leaves in the profile.

#include "tests/ui/faults/fault_dialog.h"

#include "res/dialog_ids.h"
#include "tests/db/database_fault_table.h"
#include "tests/db/host_rows.h"
#include "text/utf8_text.h"

#include <map>
#include <string>
#include <vector>

namespace {

class DatabaseFaultTest : public FaultDialogTest, public testing::WithParamInterface<DatabaseFault> {
protected:
    void SetUp() override {
        FaultDialogTest::SetUp();
        AddAssays(1, {100, 100, 100});
        for (int64_t id : {1, 2, 3}) AddPeakRow(database, id, 1.0);
    }

    // The one message of a command that met the fault, the ids it left unread named as given.
    std::wstring Expected(const AppliedFault& applied, const wchar_t* unread) const {
        const std::wstring text = WideFromUtf8(applied.Message());
        switch (GetParam().given) {
        case Given::MissingFile:
            return text;
        case Given::Folder:
            return L"Не удалось открыть базу данных хроматограмм: " + applied.Path().wstring() + L"\n" + text;
        case Given::Database:
            break;
        }
        return L"Не удалось прочитать базу данных хроматограмм:\n" + text + L"\nНе прочитаны хроматограммы № " + unread;
    }

    std::map<std::wstring, ProfileValue> StoredList() const {
        std::map<std::wstring, ProfileValue> stored;
        for (const auto& [key, value] : profile) {
            if (key.find(L"/Assay ") != std::wstring::npos) stored.emplace(key, value);
        }
        return stored;
    }
};

TEST_P(DatabaseFaultTest, TheAddKeepsWhatItReadAndNamesTheIdsNotRead) {
    const bool onlyAssay2 = GetParam().onlyAssay2;
    Start();
    PickerAnswers(1, {1});
    Click(IDC_ADD);
    const AppliedFault applied(GetParam(), database);
    PickerAnswers(2, {3, 2});
    Click(IDC_ADD);
    EXPECT_EQ(RowFiles(), FilesOf(onlyAssay2 ? std::vector<int32_t>{1, 3} : std::vector<int32_t>{1}));
    EXPECT_EQ(boxes, std::vector<std::wstring>{Expected(applied, onlyAssay2 ? L"2" : L"3, 2")});
}

TEST_P(DatabaseFaultTest, TheRestoreTellsOnceAndAnUntouchedListStaysStored) {
    profile[Key(L"Assay 1")] = std::wstring(L"3/1");
    profile[Key(L"Assay 2")] = std::wstring(L"2/0");
    profile[Key(L"Assay 3")] = std::wstring(L"1/0");
    const auto before = StoredList();
    const AppliedFault applied(GetParam(), database);
    Start();
    EXPECT_EQ(RowFiles(), FilesOf(GetParam().onlyAssay2 ? std::vector<int32_t>{3} : std::vector<int32_t>{}));
    EXPECT_EQ(boxes, std::vector<std::wstring>{Expected(applied, GetParam().onlyAssay2 ? L"2, 1" : L"3, 2, 1")});
    Click(IDCANCEL);
    EXPECT_EQ(StoredList(), before);
}

INSTANTIATE_TEST_SUITE_P(EachFault, DatabaseFaultTest, testing::ValuesIn(kDatabaseFaults),
                         [](const testing::TestParamInfo<DatabaseFault>& instance) {
                             return CaseName(instance.param.name);
                         });

}  // namespace
