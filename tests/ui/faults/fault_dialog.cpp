#include "tests/ui/faults/fault_dialog.h"

#include "host/host_link.h"
#include "host/profile.h"
#include "res/dialog_ids.h"
#include "tests/db/host_rows.h"
#include "tools/chromwriter/chrom_writer.h"

#include <algorithm>
#include <cctype>
#include <cwchar>

namespace {

constexpr wchar_t kRoot[] = L"plugins\\talvex7";

std::wstring KeyText(HostValue key) {
    return reinterpret_cast<const wchar_t*>(key);
}

template <typename T>
HostValue Read(const std::map<std::wstring, ProfileValue>& profile, HostValue key, HostValue target) {
    const auto found = profile.find(KeyText(key));
    if (found == profile.end() || !std::holds_alternative<T>(found->second)) return 0;
    *reinterpret_cast<T*>(target) = std::get<T>(found->second);
    return 1;
}

std::string ChromatogramBytes(int samples) {
    ChromFileSpec spec;
    for (uint32_t number : {1u, 2u}) {
        ChannelRecord channel;
        channel.number = number;
        channel.samples.assign(static_cast<size_t>(samples), 1.5f);
        spec.channels.push_back(std::move(channel));
    }
    return WriteChromFile(spec);
}

}  // namespace

std::string CaseName(const char* text) {
    std::string name;
    for (const char* c = text; *c; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
    }
    return name;
}

void FaultDialogTest::SetUp() {
    database.Exec(kHostSchema);
    database.Use();
}

void FaultDialogTest::TearDown() {
    if (started_) MainDialogTest::TearDown();
    HostLink::Attach(nullptr);
}

void FaultDialogTest::Start(const std::set<std::string>& absent) {
    using namespace HostService;
    const std::map<std::string, RecordingHost::Service> services = {
        {OpenAssayIdDlgEx,
         [this](HostValue ids, HostValue) { return picker ? picker(*reinterpret_cast<IdBuffer*>(ids)) : 0; }},
        {OpenAssayFile,
         [this](HostValue, HostValue file) {
             openedFiles.push_back(KeyText(file));
             return HostValue{0};
         }},
        {ProfileSetInt,
         [this](HostValue key, HostValue value) {
             profile[KeyText(key)] = *reinterpret_cast<const int32_t*>(value);
             return HostValue{1};
         }},
        {ProfileSetDouble,
         [this](HostValue key, HostValue value) {
             profile[KeyText(key)] = *reinterpret_cast<const double*>(value);
             return HostValue{1};
         }},
        {ProfileSetString,
         [this](HostValue key, HostValue value) {
             profile[KeyText(key)] = KeyText(value);
             return HostValue{0};
         }},
        {ProfileDelParam,
         [this](HostValue key, HostValue) {
             profile.erase(KeyText(key));
             return HostValue{0};
         }},
        {ProfileGetInt, [this](HostValue key, HostValue value) { return Read<int32_t>(profile, key, value); }},
        {ProfileGetDouble, [this](HostValue key, HostValue value) { return Read<double>(profile, key, value); }},
        {ProfileGetString,
         [this](HostValue key, HostValue value) {
             const auto found = profile.find(KeyText(key));
             if (found == profile.end() || !std::holds_alternative<std::wstring>(found->second)) return HostValue{0};
             auto& buffer = *reinterpret_cast<TextBuffer*>(value);
             const std::wstring& text = std::get<std::wstring>(found->second);
             // A careless host: copies up to the whole capacity and writes a terminator only when room is left.
             const size_t units = std::min(text.size(), static_cast<size_t>(buffer.capacity));
             std::wmemcpy(buffer.text, text.data(), units);
             if (units < static_cast<size_t>(buffer.capacity)) buffer.text[units] = L'\0';
             return HostValue{1};
         }},
    };
    for (const auto& [name, service] : services) {
        if (!absent.count(name)) recordingHost.Offer(name, service);
    }
    HostLink::Attach(recordingHost.Interface());
    Profile::SetRoot(kRoot);
    MainDialogTest::SetUp();
    started_ = true;
}

namespace {

// "a<id>.chr", appended piece by piece: "a" + std::to_string(id) trips GCC 12's -Wrestrict at -O2 (a false alarm).
std::string ChromatogramName(int32_t id) {
    std::string name("a");
    name.append(std::to_string(id)).append(".chr");
    return name;
}

}  // namespace

void FaultDialogTest::AddAssays(int32_t firstId, const std::vector<int>& sampleCounts) {
    std::vector<std::u16string> names;
    for (size_t i = 0; i < sampleCounts.size(); ++i) {
        const int32_t id = firstId + static_cast<int32_t>(i);
        const std::filesystem::path file = database.folder() / ChromatogramName(id);
        if (sampleCounts[i] >= 0) {
            ASSERT_TRUE(SaveBytes(file, ChromatogramBytes(sampleCounts[i])));
        }
        names.push_back(file.u16string());
    }
    AddAssayRows(database, firstId, names);
}

std::wstring FaultDialogTest::FileOf(int32_t id) const {
    return (database.folder() / ChromatogramName(id)).wstring();
}

void FaultDialogTest::PickerAnswers(HostValue count, const std::vector<int32_t>& ids) {
    picker = [count, ids](IdBuffer& buffer) {
        const size_t written = std::min(ids.size(), static_cast<size_t>(buffer.capacity));
        std::copy_n(ids.begin(), written, buffer.ids);
        return count;
    };
}

std::vector<std::wstring> FaultDialogTest::RowFiles() const {
    const HWND list = Control(IDC_LIST);
    const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    std::vector<std::wstring> files;
    for (int row = 0; row < rows; ++row) {
        wchar_t text[MAX_PATH] = {};
        LVITEMW item{};
        item.iSubItem = 1;
        item.pszText = text;
        item.cchTextMax = MAX_PATH;
        SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        files.emplace_back(text);
    }
    return files;
}

std::vector<std::wstring> FaultDialogTest::FilesOf(const std::vector<int32_t>& ids) {
    std::vector<std::wstring> files;
    for (const int32_t id : ids) files.push_back(L"a" + std::to_wstring(id) + L".chr");
    return files;
}

std::wstring FaultDialogTest::Key(const std::wstring& name) {
    return std::wstring(kRoot) + L"\\/" + name;
}
