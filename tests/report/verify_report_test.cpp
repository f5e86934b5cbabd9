// A report made as the dialog makes it, over the demo determination, verified by recalc as the data document
// a copying style sheet writes and as the default style sheet's page, before and after its data change.
#include "report/report_builder.h"
#include "tests/db/file_fingerprint.h"
#include "tests/db/scratch_database.h"
#include "tests/report/report_test_support.h"
#include "text/utf8_text.h"
#include "tools/gendb/demo_writer.h"
#include "tools/recalc/report_verification.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <string>
#include <variant>
#include <vector>

namespace {

const char kCopyingStyleSheet[] =
    "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
    "<xsl:output method=\"xml\" omit-xml-declaration=\"yes\"/>"
    "<xsl:template match=\"/\"><xsl:copy-of select=\".\"/></xsl:template></xsl:stylesheet>";

// The findings of a verification as "ID what" ("null" for the whole determination), or "error" and the
// reason it could not verify.
std::vector<std::string> Findings(const std::wstring& report, const std::filesystem::path& database) {
    const auto reported = ReadReport(report);
    if (const auto* reason = std::get_if<std::wstring>(&reported))
        return {std::string("error ").append(Utf8FromWide(*reason))};
    const auto& determination = std::get<ReportedDetermination>(reported);
    const Verification verification =
        Verify(determination, RunRecalc(VerificationRequest(determination, database.wstring())));
    const std::string& json = verification.json;
    EXPECT_EQ(
        json.rfind(verification.verified ? "{\"verified\": true, \"differences\": []}" : "{\"verified\": false, ", 0),
        0u);
    std::vector<std::string> findings;
    const std::regex finding("\"id\": ([0-9]+|null), \"what\": \"([a-z ]+)\"");
    for (std::sregex_iterator at(json.begin(), json.end(), finding), end; at != end; ++at)
        findings.push_back((*at)[1].str() + " " + (*at)[2].str());
    return findings;
}

class VerifyReport : public ComTest {};

TEST_F(VerifyReport, DemoReportStandsUntilItsDataChange) {
    // The demo determination, recalculated as the dialog would, and its report in both forms.
    const ScratchDatabase database;
    const DemoDetermination demo = PlanDetermination(DemoOptions{});
    const DemoFiles files{database.path(), database.folder() / "files", (database.folder() / "files").wstring(), 2000};
    WriteDemo(demo, files);
    std::vector<uint32_t> ids;
    for (const DemoAssay& assay : demo.assays) ids.push_back(static_cast<uint32_t>(assay.id));
    const FormValues masses{demo.m1, demo.m2, demo.m3, demo.m4, demo.portionMass, demo.sampleMass, 0.0, {}};
    const RecalcReport made = RunRecalc({database.path().wstring(), ids, masses});
    ReportBuilder builder{&BuiltInText};
    builder.bind(made.results, made.sampleSet);
    const ScratchFolder publicDocuments, temp;
    const TemporaryFolderOverride temporaryFolder;
    temporaryFolder.use(temp.path());
    RecordingEnvironment recorder;
    recorder.publicDocuments = publicDocuments.path();
    std::wstring reports[2];
    for (const std::string& sheet : {std::string(kCopyingStyleSheet), DefaultStyleSheet()}) {
        publicDocuments.write(L"Veltrox4\\talvex7\\Report.xsl", sheet);
        reports[sheet == DefaultStyleSheet()] = builder.MakeReport(recorder.environment()).htmlPath;
    }
    // A report of an older module: no exact values.
    std::string older = ReadFileBytes(reports[0]);
    older.erase(older.find("<exact>"), older.find("</exact>") + 8 - older.find("<exact>"));
    // Its fingerprints are the files', as sha256sum makes them.
    const std::string first = digest::HexText(FingerprintOfFile(files.folder / "assay1.stg").sha256);
    EXPECT_NE(older.find(first + "</sha256>"), std::string::npos);

    const struct {
        const char* what;
        std::function<void()> change;
        std::vector<std::string> findings;
    } cases[] = {
        {"as made", [] {}, {}},
        {"one byte of a file",
         [&] {
             std::fstream stream(files.folder / "assay4.stg", std::ios::in | std::ios::out | std::ios::binary);
             stream.seekp(100);
             stream.put('\x5A');
         },
         {"4 file changed"}},
        {"a peak height in the database",
         [&] { database.Exec("UPDATE peak SET height = height * 1.01 WHERE assayid = 5;"); },
         {"4 file changed", "5 heights changed", "null water changed"}},
        {"a file removed",
         [&] { std::filesystem::remove(files.folder / "assay7.stg"); },
         {"4 file changed", "5 heights changed", "7 file missing", "null water changed"}},
    };
    // As made, the exact values read back recompute the water to the last bit.
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.change();
        EXPECT_EQ(Findings(reports[0], database.path()), c.findings);
        EXPECT_EQ(Findings(reports[1], database.path()), c.findings);
    }
    const auto reason = Findings(publicDocuments.write(L"older.xml", older), database.path());
    EXPECT_EQ(reason.at(0).rfind("error В отчёте нет данных для проверки", 0), 0u);
}

}  // namespace
