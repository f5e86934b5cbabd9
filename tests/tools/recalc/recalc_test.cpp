#include "tools/recalc/recalc_run.h"

#include "db/sql_exception.h"
#include "tests/db/database_fault_table.h"
#include "tests/db/host_rows.h"
#include "tests/db/scratch_database.h"
#include "text/number_text.h"
#include "tools/gendb/demo_writer.h"
#include "tools/gendb/determination.h"
#include "tools/gendb/expected_water.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

// A demo determination written to a scratch folder, and the request that recalculates it.
class DemoRun {
public:
    explicit DemoRun(const DemoOptions& options) : determination_(PlanDetermination(options)) {
        DemoFiles files;
        files.database = database_.path();
        files.folder = database_.folder() / "files";
        files.storedFolder = files.folder.wstring();
        files.samplesPerChannel = 2000;
        WriteDemo(determination_, files);
        request.database = database_.path().wstring();
        for (const DemoAssay& assay : determination_.assays) request.ids.push_back(static_cast<uint32_t>(assay.id));
        request.form.m1 = determination_.m1;
        request.form.m2 = determination_.m2;
        request.form.m3 = determination_.m3;
        request.form.m4 = determination_.m4;
        request.form.portionMass = determination_.portionMass;
        request.form.sampleMass = determination_.sampleMass;
    }

    ExpectedResult Expected() const { return ComputeExpectedWater(determination_); }
    // Leaves the first `count` assays of the role out of the request and of the expected value.
    void LeaveOut(DemoRole role, int count) {
        for (auto at = determination_.assays.begin(); count > 0 && at != determination_.assays.end();) {
            if (at->role != role) {
                ++at;
                continue;
            }
            std::erase(request.ids, static_cast<uint32_t>(at->id));
            at = determination_.assays.erase(at);
            --count;
        }
    }
    std::filesystem::path File(int32_t id) const {
        return database_.folder() / "files" / ("assay" + std::to_string(id) + ".stg");
    }
    void Exec(const char* sql) const { database_.Exec(sql); }

    RecalcRequest request;

private:
    ScratchDatabase database_;
    DemoDetermination determination_;
};

std::vector<std::wstring> Lines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find(L"\r\n", start);
        lines.push_back(text.substr(start, end - start));
        start = end == std::wstring::npos ? text.size() : end + 2;
    }
    return lines;
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(Recalc, DemoDeterminationGivesTheExpectedWaterToTheLastBit) {
    struct Case {
        int apartLevel;
        double apartPercent;
        std::vector<std::wstring> errors;
    };
    const Case cases[] = {
        {0, 12.0, {}},
        {1, 12.0, {L"Проверка градуировочного раствора 1 не пройдена (11.1 4в)"}},
        {2, 12.0, {L"Проверка градуировочного раствора 2 не пройдена (11.1 4в)"}},
        {3, 12.0, {L"Проверка градуировочного раствора 3 не пройдена (11.1 4в)"}},
        {4, 12.0, {L"Проверка градуировочного раствора 4 не пройдена (11.1 4в)"}},
        {2, 10.0, {}},
    };
    for (const auto& c : cases) {
        DemoOptions options;
        options.apartLevel = c.apartLevel;
        options.apartPercent = c.apartPercent;
        const DemoRun demo(options);
        const ExpectedResult expected = demo.Expected();
        EXPECT_EQ(expected.errors, c.errors) << "level " << c.apartLevel;

        const RecalcReport report = RunRecalc(demo.request);
        EXPECT_TRUE(SameBits(report.form.water, expected.water)) << report.form.water << " " << expected.water;
        EXPECT_EQ(Lines(report.form.errorText), c.errors) << "level " << c.apartLevel;
        EXPECT_FALSE(report.stopped);
        EXPECT_EQ(report.indices, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));

        const std::string json = RecalcJson(demo.request, report);
        const std::string start = "{\"water\": " + FormatDouble17g(expected.water) + ", \"errors\": [";
        EXPECT_EQ(json.substr(0, start.size()), start);
        EXPECT_EQ(json.back(), '\n');
        // Each failed check is one judged false, after the keys that were there before.
        const std::string checks = json.substr(json.find("], \"checks\": [") + 1);
        EXPECT_EQ(Count(checks, "\"passed\": false"), c.errors.size());
        EXPECT_EQ(Count(checks, "\"passed\": true"), 8 - c.errors.size());
        EXPECT_EQ(Count(checks, "\"injections\": 2"), 4u);
        EXPECT_EQ(Count(json, c.errors.empty() ? "}, \"verdict\": \"passed\", \"injections\": ["
                                               : "}, \"verdict\": \"failed\", \"injections\": ["),
                  1u);
        if (c.apartLevel > 0) {
            const std::string failed = "\"clause\": \"11.1 4в\", \"subject\": \"градуировочный раствор " +
                                       std::to_string(c.apartLevel) + "\", \"value\": ";
            EXPECT_EQ(Count(checks, failed), 1u);
        }
    }
}

TEST(Recalc, AssaysAreReportedPerIdGiven) {
    DemoRun demo{DemoOptions{}};
    demo.request.ids = {3, 99, 3, 4294967295u};
    const RecalcReport report = RunRecalc(demo.request);
    EXPECT_EQ(report.indices, (std::vector<int>{0, -1, 0, -1}));
    const std::string json = RecalcJson(demo.request, report);
    const std::string known =
        "{\"id\": 3, \"index\": 0, \"role\": 1, \"roleText\": \"Градуировка 1\", \"peaks\": 1, "
        "\"channels\": 2, \"fileError\": null}";
    const std::string unknown =
        "{\"id\": 99, \"index\": -1, \"role\": null, \"roleText\": null, \"peaks\": null, "
        "\"channels\": null, \"fileError\": null}";
    const std::string largest = "{\"id\": 4294967295, \"index\": -1, ";
    EXPECT_NE(json.find("\"assays\": [" + known + ", " + unknown + ", " + known + ", " + largest), std::string::npos)
        << json;
}

TEST(Recalc, UnreadableFileIsReportedAndChangesNoResult) {
    const DemoRun demo{DemoOptions{}};
    std::filesystem::remove(demo.File(3));
    const RecalcReport report = RunRecalc(demo.request);
    ASSERT_TRUE(report.fileErrors[2].has_value());
    EXPECT_EQ(*report.fileErrors[2], L"Ошибка загрузки файла: '" + demo.File(3).wstring() + L"'");
    EXPECT_FALSE(report.fileErrors[3].has_value());
    EXPECT_EQ(report.sampleSet.entry(2).channels.size(), 0u);
    EXPECT_TRUE(SameBits(report.form.water, demo.Expected().water));
}

// An incomplete set is named; the water is the mean-based value, or none when a level is missing.
TEST(Recalc, IncompleteDeterminationIsNamed) {
    const struct {
        DemoRole role;
        int leftOut;
        std::string start;
    } cases[] = {
        {DemoRole::Sample, 1, "\"errors\": [\"Неполный набор: «анализ» — пиков воды 1, нужно 2\"]"},
        {DemoRole::Level4, 2, "\"errors\": [\"Неполный набор: «Градуировка 4» — пиков воды 0, нужно 2\"]"},
    };
    for (const auto& c : cases) {
        DemoRun demo{DemoOptions{}};
        demo.LeaveOut(c.role, c.leftOut);
        const RecalcReport report = RunRecalc(demo.request);
        const double expected = demo.Expected().water;
        EXPECT_TRUE(std::isnan(expected) ? std::isnan(report.form.water) : SameBits(report.form.water, expected));
        const std::string json = RecalcJson(demo.request, report);
        EXPECT_EQ(json.substr(0, json.find(", \"stopped\"")),
                  "{\"water\": " + (std::isnan(expected) ? "\"nan\"" : FormatDouble17g(expected)) + ", " + c.start);
    }
}

TEST(Recalc, ForeignPeakStopsTheCalculation) {
    DemoRun demo{DemoOptions{}};
    demo.Exec("UPDATE peak SET name = 'Вода' WHERE assayid = 5;");
    demo.request.form.water = 7.5;
    const RecalcReport report = RunRecalc(demo.request);
    EXPECT_TRUE(report.stopped);
    const std::string json = RecalcJson(demo.request, report);
    const std::string start =
        "{\"water\": \"nan\", \"errors\": [\"Расчёт остановлен: пик «Вода» в хроматограмме "
        "«assay5.stg» — не вода\"], \"stopped\": \"нет воды\", ";
    EXPECT_EQ(json.substr(0, start.size()), start);
    // Nothing of a calculation that did not run to its end.
    const std::string end =
        ", \"checks\": null, \"calibration\": null, \"verdict\": \"incomplete\", \"injections\": null, \"range\": "
        "null}\n";
    EXPECT_EQ(json.substr(json.size() - end.size()), end);
}

// A second water peak in a level's chromatogram and a sample above level 4: each height where it was taken,
// the range the calibration covers, and the sample outside it.
TEST(Recalc, InjectionsAndRangeShowWhatTheWaterStandsOn) {
    DemoRun demo{DemoOptions{}};
    demo.Exec(
        "INSERT INTO peak(assayid, name, height, channel, time) SELECT assayid, name, 150.5, channel, time + 1 "
        "FROM peak WHERE assayid = 3; UPDATE peak SET height = 900 WHERE assayid IN (13, 14);");
    const RecalcReport report = RunRecalc(demo.request);
    const CalcDetails& details = report.results.details;
    ASSERT_EQ(details.injections.size(), 14u);
    EXPECT_EQ(details.injections[2].heights.size(), 2u);
    EXPECT_EQ(details.injections[2].heights[1], 150.5);
    const std::string json = RecalcJson(demo.request, report);
    EXPECT_NE(json.find("{\"number\": 14, \"role\": \"анализ\", \"heights\": [900]}], \"range\": {\"net\": " +
                        FormatDouble17g(details.net) + ", \"low\": " + FormatDouble17g(details.low) +
                        ", \"high\": " + FormatDouble17g(details.high) + ", \"inRange\": false}}\n"),
              std::string::npos)
        << json;
    EXPECT_GT(details.net, details.high);
    EXPECT_NE(json.find("\"deviation\": "), std::string::npos);
}

TEST(Recalc, EveryDatabaseFaultIsAnErrorNeverAResult) {
    for (const DatabaseFault& fault : kDatabaseFaults) {
        SCOPED_TRACE(fault.name);
        ScratchDatabase scratch(kHostSchema);
        AddAssayRows(scratch, 1, {u"a1.chr", u"a2.chr", u"a3.chr"});
        for (int64_t id : {1, 2, 3}) AddPeakRow(scratch, id, 1.0);
        const AppliedFault applied(fault, scratch);
        RecalcRequest request;
        request.database = applied.Path().wstring();
        request.ids = {1, 2, 3};
        // A database that does not open throws; one that fails a read ends the run with its text.
        std::optional<std::string> failure;
        try {
            failure = RunRecalc(request).databaseFailure;
        } catch (const DataBase::SqlException& e) {
            failure = e.what();
        }
        EXPECT_EQ(failure, applied.Message()) << "a read that failed, even in part, is no result";
        EXPECT_EQ(std::filesystem::exists(applied.Path()), fault.given != Given::MissingFile);
    }
}

}  // namespace
