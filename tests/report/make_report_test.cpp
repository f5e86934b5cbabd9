// The report command from the document to the opened HTML file, and how it fails.
#include "report/report_builder.h"

#include "calc/sample_set.h"
#include "calc/water_calculator.h"
#include "report/dom_document.h"
#include "report/module_version.h"
#include "report/report_messages.h"
#include "report/report_paths.h"
#include "report/transform_and_open.h"
#include "report/xml_wrapper.h"
#include "tests/report/report_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A report command with its own temporary folder (through TMP, which the platform's temporary folder
// follows) and its own public documents folder.
class MakeReportTest : public ComTest {
protected:
    void SetUp() override {
        ComTest::SetUp();
        temporaryFolder.use(temp.path());
        recorder.publicDocuments = publicDocuments.path();
        builder.bind(results, set);
    }

    void InstallStyleSheet(const std::string& text) { publicDocuments.write(L"Veltrox4\\talvex7\\Report.xsl", text); }

    std::vector<std::wstring> HtmlFiles() const { return FilesMatching(temp.path(), L"*.html"); }

    ScratchFolder publicDocuments;
    ScratchFolder temp;
    TemporaryFolderOverride temporaryFolder;
    RecordingEnvironment recorder;
    SampleSet set;
    CalcResults results;
    ReportBuilder builder{&BuiltInText};
};

bool IsReportName(const std::wstring& name) {
    // "zvr", the platform's hexadecimal number (Wine writes it in lower case), ".tmp", ".html".
    const std::wstring suffix = L".tmp.html";
    if (name.size() <= 3 + suffix.size() || name.compare(0, 3, L"zvr") != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
        return false;
    }
    return name.find_first_not_of(L"0123456789ABCDEFabcdef", 3) == name.size() - suffix.size();
}

TEST_F(MakeReportTest, WritesThePairInTheTemporaryFolderAndOpensItMaximised) {
    InstallStyleSheet(DefaultStyleSheet());
    const ReportResult result = builder.MakeReport(recorder.environment());

    EXPECT_EQ(result.failure, L"");
    EXPECT_TRUE(recorder.messages.empty());
    const std::wstring folder = temp.path() + L"\\";
    ASSERT_EQ(result.htmlPath.compare(0, folder.size(), folder), 0) << "not in the temporary folder";
    const std::wstring name = result.htmlPath.substr(folder.size());
    EXPECT_TRUE(IsReportName(name));
    EXPECT_TRUE(FileExists(result.htmlPath));
    const std::wstring tmpPath = result.htmlPath.substr(0, result.htmlPath.size() - 5);
    ASSERT_TRUE(FileExists(tmpPath));
    EXPECT_EQ(ReadFileBytes(tmpPath), "");
    // The report document itself stays in memory: the pair is all that is written.
    EXPECT_EQ(FilesMatching(temp.path(), L"*.*").size(), 2u);

    ASSERT_EQ(recorder.shellCalls.size(), 1u);
    const RecordingEnvironment::ShellCall& call = recorder.shellCalls[0];
    EXPECT_EQ(call.owner, nullptr);
    EXPECT_EQ(call.verb, L"open");
    EXPECT_EQ(call.file, result.htmlPath);
    EXPECT_FALSE(call.withParameters);
    EXPECT_FALSE(call.withDirectory);
    EXPECT_EQ(call.showCommand, SW_SHOWMAXIMIZED);

    // The next report makes a new pair and leaves the first one alone.
    const ReportResult second = builder.MakeReport(recorder.environment());
    EXPECT_NE(second.htmlPath, result.htmlPath);
    EXPECT_TRUE(FileExists(result.htmlPath));
    EXPECT_TRUE(FileExists(second.htmlPath));
    EXPECT_EQ(HtmlFiles().size(), 2u);
    ASSERT_EQ(recorder.shellCalls.size(), 2u);
    EXPECT_EQ(recorder.shellCalls[1].file, second.htmlPath);
}

TEST_F(MakeReportTest, EveryFailureIsToldOnceAndLeavesNoHtmlFile) {
    // No style sheet at all.
    const ReportResult result = builder.MakeReport(recorder.environment());

    const std::wstring path = StyleSheetPath(publicDocuments.path());
    EXPECT_EQ(result.htmlPath, L"");
    EXPECT_EQ(result.failure, StyleSheetNotLoadedReason(&BuiltInText, path));
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0], ReportFailureMessage(&BuiltInText, StyleSheetNotLoadedReason(&BuiltInText, path)));
    EXPECT_TRUE(recorder.shellCalls.empty());
    EXPECT_TRUE(HtmlFiles().empty());
    EXPECT_EQ(FilesMatching(temp.path(), L"zvr*.tmp").size(), 1u);

    // Style sheets that do not load or give no document.
    const std::string styleSheetStart =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">";
    const struct {
        std::string styleSheet;
        std::wstring reason;
    } cases[] = {
        // Not XML at all.
        {"<xsl:stylesheet", StyleSheetNotLoadedReason(&BuiltInText, StyleSheetPath(publicDocuments.path()))},
        // Nothing at all.
        {styleSheetStart + "<xsl:template match=\"/\"/></xsl:stylesheet>", TransformEmptyReason(&BuiltInText)},
    };
    for (const auto& c : cases) {
        InstallStyleSheet(c.styleSheet);
        recorder.messages.clear();
        const ReportResult failed = builder.MakeReport(recorder.environment());
        EXPECT_EQ(failed.failure, c.reason) << c.styleSheet;
        EXPECT_EQ(recorder.messages, std::vector<std::wstring>{ReportFailureMessage(&BuiltInText, c.reason)});
    }

    // No public documents folder: said, and the report still looks for the style sheet, from the root of
    // the current drive.
    recorder.publicDocuments.clear();
    recorder.messages.clear();
    const ReportResult withoutFolder = builder.MakeReport(recorder.environment());
    EXPECT_EQ(withoutFolder.failure, StyleSheetNotLoadedReason(&BuiltInText, L"\\Veltrox4\\talvex7\\Report.xsl"));
    EXPECT_EQ(recorder.messages,
              (std::vector<std::wstring>{L"Не найден путь до общих документов.",
                                         ReportFailureMessage(&BuiltInText, withoutFolder.failure)}));

    EXPECT_TRUE(recorder.shellCalls.empty());
    EXPECT_TRUE(HtmlFiles().empty());
}

class TransformTest : public MakeReportTest {
protected:
    ComPtr<IXMLDOMDocument3> ReportDocument() {
        XMLWrapper xml;
        EXPECT_EQ(CreateDomDocument(xml.doc), S_OK);
        EXPECT_TRUE(xml.InitDocument());
        builder.AddResultsPart(xml);
        return xml.doc;
    }
};

TEST_F(TransformTest, OpensOnlyWhatItWroteAndOnlyWhenAsked) {
    InstallStyleSheet(DefaultStyleSheet());
    const std::wstring styleSheet = StyleSheetPath(publicDocuments.path());
    const ShellExecuteFunction shell = recorder.environment().shellExecute;

    const std::wstring output = temp.path() + L"\\report.html";
    const TransformResult written = TransformAndOpen(&BuiltInText, ReportDocument(), styleSheet, output, false, shell);
    EXPECT_EQ(written.outcome, TransformOutcome::kWritten);
    EXPECT_TRUE(FileExists(output));

    const std::wstring unwritable = temp.path() + L"\\no such folder\\report.html";
    const TransformResult unsaved =
        TransformAndOpen(&BuiltInText, ReportDocument(), styleSheet, unwritable, true, shell);
    EXPECT_EQ(unsaved.outcome, TransformOutcome::kFailed);
    EXPECT_EQ(unsaved.message.rfind(L"Не удалось записать файл отчёта " + unwritable, 0), 0u);

    const TransformResult withoutDocument = TransformAndOpen(&BuiltInText, {}, styleSheet, output, true, shell);
    EXPECT_EQ(withoutDocument.outcome, TransformOutcome::kFailed);
    EXPECT_EQ(withoutDocument.message, TransformFailedReason(&BuiltInText, E_POINTER));

    EXPECT_TRUE(recorder.shellCalls.empty());
}

}  // namespace

namespace {

// The version a report names is the one the platform reads from the same resource.
TEST(ModuleVersion, FileVersionIsTheVersionResources) {
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    ASSERT_NE(kernel, nullptr);
    wchar_t path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameW(kernel, path, MAX_PATH), 0u);
    std::vector<unsigned char> block(GetFileVersionInfoSizeW(path, nullptr));
    ASSERT_FALSE(block.empty());
    ASSERT_TRUE(GetFileVersionInfoW(path, 0, static_cast<DWORD>(block.size()), block.data()));
    VS_FIXEDFILEINFO* info = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &size));
    const std::wstring expected =
        std::to_wstring(HIWORD(info->dwFileVersionMS)) + L"." + std::to_wstring(LOWORD(info->dwFileVersionMS)) + L"." +
        std::to_wstring(HIWORD(info->dwFileVersionLS)) + L"." + std::to_wstring(LOWORD(info->dwFileVersionLS));
    EXPECT_EQ(FileVersionText(kernel), expected);
    // The test program carries no version resource.
    EXPECT_EQ(OwnFileVersionText(), L"");
}

}  // namespace
