// The report button: the report shows the values of the last recalculation, not what was typed since.
#include "tests/ui/dialog/main_dialog_harness.h"

#include "dialogkit/resources.h"
#include "report/report_environment.h"
#include "report/report_messages.h"
#include "res/dialog_ids.h"

#include <shellapi.h>

#include <string>
#include <vector>

namespace {

// The source tree as Wine sees it (drive Z: is the Unix root).
std::wstring SourcePath(const std::wstring& relative) {
    const char* root = std::getenv("TALVEX_SOURCE_DIR");
    std::wstring path = L"Z:";
    for (const char* c = root ? root : ""; *c; ++c) path += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
    return path + L"\\" + relative;
}

std::string ReadBytes(const std::wstring& path) {
    std::string bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0) bytes.append(chunk, read);
    CloseHandle(file);
    return bytes;
}

class MainDialogReportTest : public MainDialogTest {
protected:
    void SetUp() override {
        wchar_t base[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, base);
        temp_ = std::wstring(base) + L"dlgreport" + std::to_wstring(GetTickCount());
        ASSERT_TRUE(CreateDirectoryW(temp_.c_str(), nullptr));
        wchar_t previous[MAX_PATH] = {};
        previousTmp_.assign(previous, GetEnvironmentVariableW(L"TMP", previous, MAX_PATH));
        SetEnvironmentVariableW(L"TMP", temp_.c_str());

        std::wstring folder = PublicDocumentsFolder();
        ASSERT_FALSE(folder.empty());
        for (const wchar_t* part : {L"\\Veltrox4", L"\\talvex7"}) {
            folder += part;
            CreateDirectoryW(folder.c_str(), nullptr);
        }
        ASSERT_TRUE(
            CopyFileW(SourcePath(L"stylesheet\\Report.xsl").c_str(), (folder + L"\\Report.xsl").c_str(), FALSE));
        MainDialogTest::SetUp();
        // No browser is started: whether this machine has a program for HTML is not what is tested.
        dialog.SetReportShell([this](HWND, const wchar_t*, const wchar_t* file, const wchar_t*, const wchar_t*, int) {
            opened.push_back(file);
            return reinterpret_cast<HINSTANCE>(shellAnswer);
        });
    }

    void TearDown() override {
        MainDialogTest::TearDown();
        SetEnvironmentVariableW(L"TMP", previousTmp_.empty() ? nullptr : previousTmp_.c_str());
        for (const std::wstring& file : Files(L"*")) DeleteFileW(file.c_str());
        RemoveDirectoryW(temp_.c_str());
    }

    std::vector<std::wstring> Files(const std::wstring& pattern) const {
        std::vector<std::wstring> files;
        WIN32_FIND_DATAW found{};
        HANDLE search = FindFirstFileW((temp_ + L"\\" + pattern).c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return files;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) files.push_back(temp_ + L"\\" + found.cFileName);
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return files;
    }

    // What the shell answers, and the files it was asked to open.
    INT_PTR shellAnswer = 42;
    std::vector<std::wstring> opened;

private:
    std::wstring temp_;
    std::wstring previousTmp_;
};

TEST_F(MainDialogReportTest, ReportShowsTheMassesOfTheLastRecalculation) {
    SetMasses({L"0.123", L"0.234", L"0.345", L"0.456", L"5.678", L"6.789"});
    Click(IDC_RECALCULATE);
    SetMasses({L"0.987", L"0.876", L"0.765", L"0.654", L"4.321", L"3.219"});
    Click(IDC_REPORT);

    EXPECT_TRUE(boxes.empty());
    const std::vector<std::wstring> reports = Files(L"*.html");
    ASSERT_EQ(reports.size(), 1u);
    const std::string html = ReadBytes(reports.front());
    for (const char* shown : {"0.123", "0.234", "0.345", "0.456", "5.678", "6.789"})
        EXPECT_NE(html.find(shown), std::string::npos) << shown;
    for (const char* typed : {"0.987", "0.876", "0.765", "0.654", "4.321", "3.219"})
        EXPECT_EQ(html.find(typed), std::string::npos) << typed;
    // Typed but not taken: the fields still show what the analyst typed.
    EXPECT_EQ(Text(IDC_M1), L"0.987");
}

TEST_F(MainDialogReportTest, ARefusedNumberStillRunsTheCalculationWithTheValuesBeforeIt) {
    SetMasses({L"0.111", L"0.222", L"0.333", L"0.444", L"5.5", L"6.5"});
    Click(IDC_RECALCULATE);
    SetMasses({L"0.777", L"0.888", L"abc", L"0.999", L"7.5", L"8.5"});
    Click(IDC_RECALCULATE);
    EXPECT_EQ(boxes, std::vector<std::wstring>{L"Введите число."});
    EXPECT_EQ(Text(IDC_M3), L"0.333");
    EXPECT_EQ(Text(IDC_M4), L"0.444");

    Click(IDC_REPORT);
    const std::vector<std::wstring> reports = Files(L"*.html");
    ASSERT_EQ(reports.size(), 1u);
    const std::string html = ReadBytes(reports.front());
    for (const char* used : {"0.777", "0.888", "0.333", "0.444"}) EXPECT_NE(html.find(used), std::string::npos) << used;
    for (const char* unused : {"0.111", "0.222", "0.999"}) EXPECT_EQ(html.find(unused), std::string::npos) << unused;
}

TEST_F(MainDialogReportTest, ReportBeforeAnyRecalculationShowsZeros) {
    SetMasses({L"1.5"});
    Click(IDC_REPORT);
    const std::vector<std::wstring> reports = Files(L"*.html");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(ReadBytes(reports.front()).find("1.500"), std::string::npos);
}

TEST_F(MainDialogReportTest, AReportTheShellCannotOpenIsToldWithItsPath) {
    shellAnswer = SE_ERR_NOASSOC;
    Click(IDC_REPORT);
    const std::vector<std::wstring> reports = Files(L"*.html");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(opened, reports);
    EXPECT_EQ(boxes, std::vector<std::wstring>{
                         ReportNotOpenedMessage(&dialogkit::ResourceText, reports.front(), SE_ERR_NOASSOC)});
}

}  // namespace
