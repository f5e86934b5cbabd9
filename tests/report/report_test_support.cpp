#include "tests/report/report_test_support.h"

#include <objbase.h>

#include <fstream>
#include <iterator>

void ComTest::SetUp() {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
}

void ComTest::TearDown() {
    CoUninitialize();
}

namespace {

void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const std::wstring path = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

ScratchFolder::ScratchFolder() {
    wchar_t temp[MAX_PATH];
    wchar_t name[MAX_PATH];
    if (GetTempPathW(MAX_PATH, temp) == 0 || GetTempFileNameW(temp, L"rpt", 0, name) == 0) {
        ADD_FAILURE() << "no temporary folder";
        return;
    }
    // The unique file name becomes the folder's name.
    DeleteFileW(name);
    path_ = name;
    if (!CreateDirectoryW(path_.c_str(), nullptr)) {
        ADD_FAILURE() << "cannot create the scratch folder";
    }
}

ScratchFolder::~ScratchFolder() {
    if (!path_.empty()) {
        RemoveTree(path_);
    }
}

std::wstring ScratchFolder::write(const std::wstring& relative, const std::string& bytes) const {
    const std::wstring path = path_ + L"\\" + relative;
    for (std::size_t slash = path.find(L'\\', path_.size() + 1); slash != std::wstring::npos;
         slash = path.find(L'\\', slash + 1)) {
        CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);
    }
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    EXPECT_EQ(written, bytes.size());
    return path;
}

bool FileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadFileBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        ADD_FAILURE() << "cannot read a file";
        return {};
    }
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        bytes.append(buffer, got);
    }
    CloseHandle(file);
    return bytes;
}

std::string DefaultStyleSheet() {
    std::ifstream in("Report.xsl", std::ios::binary);
    EXPECT_TRUE(in) << "Report.xsl is not beside the test program";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::wstring> FilesMatching(const std::wstring& folder, const std::wstring& pattern) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\" + pattern).c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name != L"." && name != L"..") {
                names.push_back(name);
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    return names;
}

ReportEnvironment RecordingEnvironment::environment() {
    ReportEnvironment environment;
    environment.showMessage = [this](const std::wstring& text) { messages.push_back(text); };
    environment.publicDocumentsFolder = [this] { return publicDocuments; };
    environment.shellExecute = [this](HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                                      const wchar_t* directory, int showCommand) {
        shellCalls.push_back(
            {owner, verb ? verb : L"", file ? file : L"", parameters != nullptr, directory != nullptr, showCommand});
        return reinterpret_cast<HINSTANCE>(shellAnswer);
    };
    return environment;
}

testing::AssertionResult ParseXml(const std::string& bytes, pugi::xml_document& document) {
    const pugi::xml_parse_result parsed =
        document.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed) {
        return testing::AssertionFailure()
               << "not well-formed at offset " << parsed.offset << ": " << parsed.description();
    }
    return testing::AssertionSuccess();
}

TemporaryFolderOverride::TemporaryFolderOverride() {
    wchar_t previous[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"TMP", previous, MAX_PATH);
    if (length > 0 && length < MAX_PATH) previous_ = previous;
}

TemporaryFolderOverride::~TemporaryFolderOverride() {
    SetEnvironmentVariableW(L"TMP", previous_.empty() ? nullptr : previous_.c_str());
}

void TemporaryFolderOverride::use(const std::wstring& folder) const {
    SetEnvironmentVariableW(L"TMP", folder.c_str());
}
