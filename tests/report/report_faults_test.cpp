// The report command where its surroundings fail: a temporary folder it cannot write, an MSXML 6.0 that
// cannot be created, a style sheet that is XML but no style sheet or one that reaches outside the report's
// data. Each ends in one message with the reason, no HTML file and no call of the shell. A shell that cannot
// open the report leaves it saved and says where.

#include "calc/sample_set.h"
#include "calc/water_calculator.h"
#include "report/msxml6.h"
#include "report/report_builder.h"
#include "report/report_messages.h"
#include "report/report_paths.h"
#include "tests/report/report_test_support.h"

#include <gtest/gtest.h>

#include <objbase.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace {

// Takes the place of MSXML 6.0's class for this apartment while it lives: every creation answers the given
// failure, as on a machine where the component is missing or broken.
class RefusingClassFactory : public IClassFactory {
public:
    explicit RefusingClassFactory(HRESULT answer) : answer_(answer) {
        registered_ = SUCCEEDED(
            CoRegisterClassObject(kClsidDomDocument60, this, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie_));
    }
    ~RefusingClassFactory() {
        if (registered_) {
            CoRevokeClassObject(cookie_);
        }
    }
    RefusingClassFactory(const RefusingClassFactory&) = delete;
    RefusingClassFactory& operator=(const RefusingClassFactory&) = delete;

    bool registered() const { return registered_; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IClassFactory) {
            *object = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // The object lives on the test's stack: counting is not needed.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID, void** object) override {
        *object = nullptr;
        return answer_;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    HRESULT answer_;
    DWORD cookie_ = 0;
    bool registered_ = false;
};

// The platform's temporary folder follows TMP; each test points it where its case needs.
class ReportFaultTest : public ComTest {
protected:
    void SetUp() override {
        ComTest::SetUp();
        UseTemporaryFolder(temp.path());
        recorder.publicDocuments = publicDocuments.path();
        builder.bind(results, set);
    }

    void UseTemporaryFolder(const std::wstring& folder) { temporaryFolder.use(folder); }

    void InstallStyleSheet(const std::string& text) { publicDocuments.write(L"Veltrox4\\talvex7\\Report.xsl", text); }

    // Makes the report and checks that it failed alone: one message with the reason, nothing written or
    // opened.
    void ExpectFailure(const std::wstring& reason) {
        recorder.messages.clear();
        const ReportResult result = builder.MakeReport(recorder.environment());
        EXPECT_EQ(result.htmlPath, L"");
        EXPECT_EQ(result.failure, reason);
        EXPECT_EQ(recorder.messages, std::vector<std::wstring>{ReportFailureMessage(&BuiltInText, reason)});
        EXPECT_TRUE(recorder.shellCalls.empty());
        EXPECT_TRUE(FilesMatching(temp.path(), L"*.html").empty());
    }

    ScratchFolder publicDocuments;
    ScratchFolder temp;
    RecordingEnvironment recorder;
    SampleSet set;
    CalcResults results;
    ReportBuilder builder{&BuiltInText};

private:
    TemporaryFolderOverride temporaryFolder;
};

TEST_F(ReportFaultTest, TemporaryFolderThatCannotTakeTheReport) {
    InstallStyleSheet(DefaultStyleSheet());
    const std::wstring aFile = temp.write(L"occupied", "a file where the folder should be");
    const std::wstring folders[] = {
        temp.path() + L"\\no such folder",
        aFile,
        L"Q:\\no drive here",
    };
    for (const std::wstring& folder : folders) {
        SCOPED_TRACE(testing::Message() << "TMP of " << folder.size() << " units");
        UseTemporaryFolder(folder);
        ExpectFailure(NoTemporaryFileReason(&BuiltInText));
    }
    // The same command works again once the folder is usable.
    UseTemporaryFolder(temp.path());
    recorder.messages.clear();
    EXPECT_NE(builder.MakeReport(recorder.environment()).htmlPath, L"");
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(ReportFaultTest, MsxmlThatCannotBeCreated) {
    InstallStyleSheet(DefaultStyleSheet());
    const HRESULT answers[] = {REGDB_E_CLASSNOTREG, CLASS_E_CLASSNOTAVAILABLE, E_OUTOFMEMORY, E_ACCESSDENIED};
    for (const HRESULT answer : answers) {
        SCOPED_TRACE(testing::Message() << "CreateInstance answers 0x" << std::hex << answer);
        const RefusingClassFactory missing(answer);
        ASSERT_TRUE(missing.registered());
        ExpectFailure(DomUnavailableReason(&BuiltInText, answer));
        // Nothing was left in the temporary folder either: the document comes before the file name.
        EXPECT_TRUE(FilesMatching(temp.path(), L"zvr*.tmp").empty());
    }
}

TEST_F(ReportFaultTest, StyleSheetsThatAreNoStyleSheets) {
    const struct {
        const char* name;
        std::string text;
    } cases[] = {
        {"well-formed, not XSLT", "<?xml version=\"1.0\"?><html><body/></html>"},
        {"empty file", ""},
        {"binary", std::string("\x00\xFF\xFE\x01 not text", 13)},
        {"unknown XSLT instruction",
         "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
         "<xsl:template match=\"/\"><xsl:frobnicate/></xsl:template></xsl:stylesheet>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        InstallStyleSheet(c.text);
        recorder.messages.clear();
        const ReportResult result = builder.MakeReport(recorder.environment());
        EXPECT_EQ(result.htmlPath, L"");
        EXPECT_FALSE(result.failure.empty());
        EXPECT_EQ(recorder.messages, std::vector<std::wstring>{ReportFailureMessage(&BuiltInText, result.failure)});
        EXPECT_TRUE(recorder.shellCalls.empty());
        EXPECT_TRUE(FilesMatching(temp.path(), L"*.html").empty());
    }
}

TEST_F(ReportFaultTest, StyleSheetsThatReachOutsideAreRefused) {
    const std::wstring secret = temp.write(L"secret.xml", "<secret>42</secret>");
    const std::string secretUrl(secret.begin(), secret.end());
    const std::string start =
        "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\""
        " xmlns:msxsl=\"urn:schemas-microsoft-com:xslt\">"
        "<xsl:output method=\"xml\" omit-xml-declaration=\"yes\"/>";
    const std::string end =
        "<xsl:template match=\"/\"><html><body>&#160;</body></html></xsl:template></xsl:stylesheet>";
    const struct {
        std::string styleSheet;
        StyleSheetRefusal refusal;
    } cases[] = {
        {"<!DOCTYPE xsl:stylesheet [<!ENTITY nbsp \"&#160;\">]>" + start + end, StyleSheetRefusal::kDoctype},
        {start + "<msxsl:script language=\"JScript\" implements-prefix=\"u\">1</msxsl:script>" + end,
         StyleSheetRefusal::kScript},
        {start + "<xsl:import href=\"" + secretUrl + "\"/>" + end, StyleSheetRefusal::kImportOrInclude},
        {start + "<xsl:include href=\"" + secretUrl + "\"/>" + end, StyleSheetRefusal::kImportOrInclude},
        {start + "<xsl:template match=\"/\"><html><body><xsl:value-of select=\"document ('" + secretUrl +
             "')\"/></body></html></xsl:template></xsl:stylesheet>",
         StyleSheetRefusal::kDocumentFunction},
    };
    const std::wstring path = StyleSheetPath(publicDocuments.path());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.styleSheet);
        InstallStyleSheet(c.styleSheet);
        ExpectFailure(StyleSheetRefusedReason(&BuiltInText, c.refusal, path));
    }
}

TEST_F(ReportFaultTest, StyleSheetsThatWriteFilesAreRefusedAndWriteNothing) {
    // Wine's processor writes the file of each of these when the check lets it through.
    const std::wstring target = temp.path() + L"\\written.html";
    std::string href = "file:///";
    for (const wchar_t c : target) href += c == L'\\' ? '/' : static_cast<char>(c);
    const struct {
        const char* start;
        const char* element;
        StyleSheetRefusal refusal;
    } cases[] = {
        {"version=\"1.1\"", "xsl:document", StyleSheetRefusal::kUnknownXsltElement},
        {"version=\"1.0\" extension-element-prefixes=\"saxon\"", "saxon:output", StyleSheetRefusal::kExtensionElements},
        {"version=\"1.0\" extension-element-prefixes=\"exsl\"", "exsl:document",
         StyleSheetRefusal::kExtensionElements}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.element);
        InstallStyleSheet(std::string("<xsl:stylesheet ") + c.start +
                          " xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\" xmlns:saxon=\"http://icl.com/saxon\""
                          " xmlns:exsl=\"http://exslt.org/common\"><xsl:template match=\"/\"><" +
                          c.element + " href=\"" + href + "\"><p/></" + c.element +
                          "><html/></xsl:template></xsl:stylesheet>");
        ExpectFailure(StyleSheetRefusedReason(&BuiltInText, c.refusal, StyleSheetPath(publicDocuments.path())));
        EXPECT_FALSE(FileExists(target));
    }
}

TEST_F(ReportFaultTest, AReportTheShellCannotOpenIsToldWithItsPath) {
    InstallStyleSheet(DefaultStyleSheet());
    for (const INT_PTR answer : {INT_PTR{0}, INT_PTR{SE_ERR_FNF}, INT_PTR{SE_ERR_NOASSOC}, INT_PTR{32}}) {
        SCOPED_TRACE(testing::Message() << "ShellExecuteW answers " << answer);
        recorder.shellAnswer = answer;
        recorder.messages.clear();
        const ReportResult result = builder.MakeReport(recorder.environment());
        EXPECT_EQ(result.failure, L"");
        EXPECT_TRUE(FileExists(result.htmlPath));
        EXPECT_EQ(recorder.messages, std::vector<std::wstring>{ReportNotOpenedMessage(&BuiltInText, result.htmlPath,
                                                                                      static_cast<int>(answer))});
    }
}

}  // namespace
