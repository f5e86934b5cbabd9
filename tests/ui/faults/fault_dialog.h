#pragma once
// The main dialog in a host that a fault test arranges: the services it offers (all but those a case takes
// away), an in-memory profile, the picker's answer, and a host database of assays whose chromatogram files
// the test writes. The dialog is created only when the test calls Start(), after it set all of that up.

#include "tests/db/scratch_database.h"
#include "tests/host/recording_host.h"
#include "tests/ui/dialog/main_dialog_harness.h"

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <variant>
#include <vector>

using ProfileValue = std::variant<int32_t, double, std::wstring>;

// A case's text as a test name: its letters and digits only.
std::string CaseName(const char* text);

class FaultDialogTest : public MainDialogTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Offers every service the dialog calls except the absent ones, then creates and shows the dialog
    // (which restores its state from the profile).
    void Start(const std::set<std::string>& absent = {});

    // Adds assays firstId, firstId + 1, ... each with a file "a<id>.chr" of two channels of the given
    // sample counts (no file for a count below 0).
    void AddAssays(int32_t firstId, const std::vector<int>& sampleCounts);
    // The file an assay's row names.
    std::wstring FileOf(int32_t id) const;

    // The picker's next answers: writes ids into the buffer (at most its capacity) and answers count.
    void PickerAnswers(HostValue count, const std::vector<int32_t>& ids);

    // The "Имя файла" cells, top to bottom.
    std::vector<std::wstring> RowFiles() const;
    // "a<id>.chr" for each id, as RowFiles shows them.
    static std::vector<std::wstring> FilesOf(const std::vector<int32_t>& ids);
    // The profile key of a value directly under the module's root.
    static std::wstring Key(const std::wstring& name);

    RecordingHost recordingHost;
    ScratchDatabase database;
    std::map<std::wstring, ProfileValue> profile;
    std::function<HostValue(IdBuffer&)> picker;
    std::vector<std::wstring> openedFiles;

private:
    bool started_ = false;
};
