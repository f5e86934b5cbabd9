#include "tools/recalc/recalc_run.h"

#include "calc/calc_messages.h"
#include "db/database_connection.h"
#include "db/handle.h"
#include "db/load_assay.h"
#include "strings/string_ids.h"
#include "strings/texts.h"
#include "tools/json/json_writer.h"

#include <optional>
#include <string_view>

namespace {

// Notes the stop instead of showing a box: a run without a window.
class StopRecorder : public NoWaterReporter {
public:
    void reportNoWater(std::wstring_view) override { stopped = true; }

    bool stopped = false;
};

// The failed-check messages, one per line of the error text, without their line ends.
void WriteErrors(JsonWriter& json, std::wstring_view text) {
    json.BeginArray();
    while (!text.empty()) {
        const std::size_t end = text.find(L"\r\n");
        json.String(text.substr(0, end));
        text = end == std::wstring_view::npos ? std::wstring_view() : text.substr(end + 2);
    }
    json.EndArray();
}

void WriteResults(JsonWriter& json, const CalcResults& r) {
    const std::pair<const char*, double> fields[] = {
        {"m1", r.m1},
        {"m2", r.m2},
        {"m3", r.m3},
        {"m4", r.m4},
        {"c1", r.c1},
        {"c2", r.c2},
        {"c3", r.c3},
        {"c4", r.c4},
        {"k1", r.k1},
        {"k2", r.k2},
        {"k3", r.k3},
        {"k4", r.k4},
        {"kMean", r.kMean},
        {"spread1", r.spread1},
        {"spread2", r.spread2},
        {"spread3", r.spread3},
        {"spread4", r.spread4},
        {"drySpread", r.drySpread},
        {"kSpread", r.kSpread},
        {"dryAnalysisSpread", r.dryAnalysisSpread},
        {"waterSpread", r.waterSpread},
        {"portionMass", r.portionMass},
        {"sampleMass", r.sampleMass},
        {"water", r.water},
    };
    json.BeginObject();
    for (const auto& [name, value] : fields) {
        json.Key(name);
        json.Double(value);
    }
    json.Key("errorText");
    json.String(r.errorText);
    json.EndObject();
}

// true or false, null when there is no answer.
void WriteFlag(JsonWriter& json, std::optional<bool> flag) {
    if (flag)
        json.Bool(*flag);
    else
        json.Null();
}

// Each check against its limit; null when the calculation did not run to its end.
void WriteChecks(JsonWriter& json, const CalcDetails& details) {
    if (!details.complete) {
        json.Null();
        return;
    }
    json.BeginArray();
    for (std::size_t i = 0; i < details.checks.size(); ++i) {
        const CheckOutcome& check = details.checks[i];
        json.BeginObject();
        json.Key("clause");
        json.String(calcmessages::kChecks[i].clause);
        json.Key("subject");
        json.String(BuiltInText(calcmessages::kChecks[i].subject));
        json.Key("value");
        json.Double(check.value);
        json.Key("limit");
        json.Double(check.limit);
        json.Key("passed");
        WriteFlag(json, check.result == CheckResult::NotJudged
                            ? std::nullopt
                            : std::optional<bool>(check.result == CheckResult::Passed));
        json.EndObject();
    }
    json.EndArray();
}

void WriteCalibration(JsonWriter& json, const CalcDetails& details) {
    if (!details.complete) {
        json.Null();
        return;
    }
    json.BeginObject();
    json.Key("blank");
    json.Double(details.blank);
    json.Key("levels");
    json.BeginArray();
    for (const LevelDetails& level : details.levels) {
        json.BeginObject();
        for (const auto& [name, value] :
             {std::pair{"mass", level.mass}, std::pair{"content", level.content}, std::pair{"height", level.height},
              std::pair{"coefficient", level.coefficient}}) {
            json.Key(name);
            json.Double(value);
        }
        json.Key("injections");
        json.UInt(level.injections);
        json.Key("deviation");
        json.Double(level.deviation);
        json.EndObject();
    }
    json.EndArray();
    json.Key("kMean");
    json.Double(details.kMean);
    json.EndObject();
}

// The water heights the calculation took from each chromatogram of the set, in set order.
void WriteInjections(JsonWriter& json, const RecalcReport& report) {
    const CalcDetails& details = report.results.details;
    if (!details.complete) {
        json.Null();
        return;
    }
    json.BeginArray();
    for (std::size_t i = 0; i < details.injections.size(); ++i) {
        json.BeginObject();
        json.Key("number");
        json.UInt(i + 1);
        json.Key("role");
        json.String(report.sampleSet.entry(static_cast<int>(i)).roleText);
        json.Key("heights");
        json.BeginArray();
        for (double height : details.injections[i].heights) json.Double(height);
        json.EndArray();
        json.EndObject();
    }
    json.EndArray();
}

// The sample's net height against the heights the calibration covers.
void WriteRange(JsonWriter& json, const CalcDetails& details) {
    if (!details.complete) {
        json.Null();
        return;
    }
    json.BeginObject();
    for (const auto& [name, value] :
         {std::pair{"net", details.net}, std::pair{"low", details.low}, std::pair{"high", details.high}}) {
        json.Key(name);
        json.Double(value);
    }
    json.Key("inRange");
    WriteFlag(json, details.inRange);
    json.EndObject();
}

void WriteAssay(JsonWriter& json, const RecalcReport& report, uint32_t id, int index) {
    json.BeginObject();
    json.Key("id");
    // An entry's id printed signed, as the tool always printed what the entry holds.
    if (index < 0)
        json.UInt(id);
    else
        json.Int(static_cast<int32_t>(report.sampleSet.entry(index).id));
    json.Key("index");
    json.Int(index);
    const char* const fields[] = {"role", "roleText", "peaks", "channels", "fileError"};
    if (index < 0) {
        for (const char* name : fields) {
            json.Key(name);
            json.Null();
        }
    } else {
        const AssayEntry& entry = report.sampleSet.entry(index);
        json.Key("role");
        json.Int(static_cast<int32_t>(entry.role));
        json.Key("roleText");
        json.String(entry.roleText);
        json.Key("peaks");
        json.UInt(entry.peaks.size());
        json.Key("channels");
        json.UInt(entry.channels.size());
        json.Key("fileError");
        const auto& fileError = report.fileErrors[static_cast<std::size_t>(index)];
        if (fileError)
            json.String(*fileError);
        else
            json.Null();
    }
    json.EndObject();
}

}  // namespace

RecalcReport RunRecalc(const RecalcRequest& request) {
    RecalcReport report;
    report.form = request.form;
    DataBaseConnection::Instance().SetConnectionUri(request.database.c_str());
    {
        DataBase::Handle handle;
        for (uint32_t id : request.ids) {
            AssayLoadResult result = LoadAssay(handle, report.sampleSet, id, &BuiltInText);
            // Whatever was read before, a calculation over part of the ids asked for is no result.
            if (result.status == AssayLoadStatus::DatabaseFailure) {
                report.databaseFailure = result.databaseError->what();
                return report;
            }
            report.indices.push_back(result.index);
            if (result && static_cast<std::size_t>(result.index) == report.fileErrors.size()) {
                report.fileErrors.push_back(result.fileError.empty() ? std::nullopt
                                                                     : std::optional<std::wstring>(result.fileError));
            }
        }
    }
    for (AssayEntry& entry : report.sampleSet) AssignRole(entry, &BuiltInText);
    StopRecorder recorder;
    WaterCalculator calculator(&BuiltInText);
    calculator.bind(report.sampleSet, report.form, report.results, recorder);
    calculator.calculate();
    report.stopped = recorder.stopped;
    return report;
}

std::string RecalcJson(const RecalcRequest& request, const RecalcReport& report) {
    JsonWriter json;
    json.BeginObject();
    json.Key("water");
    json.Double(report.form.water);
    json.Key("errors");
    WriteErrors(json, report.form.errorText);
    json.Key("stopped");
    if (report.stopped)
        json.String(BuiltInText(IDS_NO_WATER));
    else
        json.Null();
    json.Key("results");
    WriteResults(json, report.results);
    json.Key("assays");
    json.BeginArray();
    for (std::size_t i = 0; i < request.ids.size(); ++i) WriteAssay(json, report, request.ids[i], report.indices[i]);
    json.EndArray();
    json.Key("checks");
    WriteChecks(json, report.results.details);
    json.Key("calibration");
    WriteCalibration(json, report.results.details);
    json.Key("verdict");
    // A run always calculates, so a verdict is always there.
    json.String(VerdictName(report.results.verdict.value_or(Verdict::Incomplete)));
    json.Key("injections");
    WriteInjections(json, report);
    json.Key("range");
    WriteRange(json, report.results.details);
    json.EndObject();
    return json.Text() + "\n";
}

std::string RecalcErrorJson(const char* message) {
    JsonWriter json;
    json.BeginObject();
    json.Key("error");
    json.Utf8String(message);
    json.EndObject();
    return json.Text() + "\n";
}
