// recalc --db PATH --ids ID,ID,... --m1 X --m2 X --m3 X --m4 X --portion X --sample X [--water X]
// Reads the assays into a sample set as the dialog's add command does, runs the calculation and prints the
// result as one line of JSON.
// recalc --verify REPORT --db PATH
// Recalculates a report's determination from the database and the files and prints what differs.

#include "db/sql_exception.h"
#include "tools/gendb/command_line.h"
#include "text/utf8_text.h"
#include "tools/recalc/recalc_run.h"
#include "tools/recalc/report_verification.h"

#include <cstdint>
#include <optional>
#include <variant>

namespace {

constexpr int kUsageError = 2;
constexpr int kDatabaseError = 1;
// A verification that found differences, and one that could not be made (the report does not read as one).
constexpr int kDifferences = 3;
constexpr int kCannotVerify = 1;

const char kUsage[] =
    "usage: recalc --db PATH --ids ID,ID,... --m1 X --m2 X --m3 X --m4 X --portion X --sample X [--water X]\n"
    "       recalc --verify REPORT --db PATH\n";

// Comma-separated unsigned 32-bit ids, at least one.
std::optional<std::vector<uint32_t>> ParseIds(std::wstring_view text) {
    std::vector<uint32_t> ids;
    for (;;) {
        const std::size_t comma = text.find(L',');
        const auto id = ParseUnsigned(text.substr(0, comma));
        if (!id || *id > UINT32_MAX) return std::nullopt;
        ids.push_back(static_cast<uint32_t>(*id));
        if (comma == std::wstring_view::npos) return ids;
        text.remove_prefix(comma + 1);
    }
}

std::optional<RecalcRequest> ReadRequest(const std::vector<std::wstring>& args) {
    const auto options =
        ParseOptions(args, {L"db", L"ids", L"m1", L"m2", L"m3", L"m4", L"portion", L"sample", L"water"});
    if (!options) return std::nullopt;
    const auto number = [&](const wchar_t* name) -> std::optional<double> {
        return options->count(name) ? ParseDouble(options->at(name)) : std::nullopt;
    };
    RecalcRequest request;
    const std::pair<const wchar_t*, double*> masses[] = {
        {L"m1", &request.form.m1},
        {L"m2", &request.form.m2},
        {L"m3", &request.form.m3},
        {L"m4", &request.form.m4},
        {L"portion", &request.form.portionMass},
        {L"sample", &request.form.sampleMass},
    };
    for (const auto& [name, field] : masses) {
        const auto value = number(name);
        if (!value) return std::nullopt;
        *field = *value;
    }
    if (options->count(L"water")) {
        const auto water = number(L"water");
        if (!water) return std::nullopt;
        request.form.water = *water;
    }
    if (!options->count(L"db") || !options->count(L"ids")) return std::nullopt;
    const auto ids = ParseIds(options->at(L"ids"));
    if (!ids) return std::nullopt;
    request.database = options->at(L"db");
    request.ids = *ids;
    return request;
}

// The request's run and what it prints: the recalculation's object, or the verification's when a report
// is given. A database that cannot be opened or read gives the error object.
int Recalculate(const RecalcRequest& request, const ReportedDetermination* reported) {
    std::string output;
    int exitCode = kDatabaseError;
    try {
        const RecalcReport report = RunRecalc(request);
        if (report.databaseFailure) {
            output = RecalcErrorJson(report.databaseFailure->c_str());
        } else if (reported) {
            const Verification verification = Verify(*reported, report);
            output = verification.json;
            exitCode = verification.verified ? 0 : kDifferences;
        } else {
            output = RecalcJson(request, report);
            exitCode = 0;
        }
    } catch (const DataBase::SqlException& error) {
        output = RecalcErrorJson(error.what());
    }
    WriteOut(stdout, output);
    return exitCode;
}

int VerifyReport(const std::wstring& reportPath, const std::wstring& database) {
    const auto reported = ReadReport(reportPath);
    if (const auto* reason = std::get_if<std::wstring>(&reported)) {
        WriteOut(stdout, RecalcErrorJson(Utf8FromWide(*reason).c_str()));
        return kCannotVerify;
    }
    const auto& determination = std::get<ReportedDetermination>(reported);
    return Recalculate(VerificationRequest(determination, database), &determination);
}

int Run(const std::vector<std::wstring>& args) {
    const auto verify = ParseOptions(args, {L"verify", L"db"});
    if (verify && verify->count(L"verify") && verify->count(L"db"))
        return VerifyReport(verify->at(L"verify"), verify->at(L"db"));
    const auto request = ReadRequest(args);
    if (!request) {
        WriteOut(stderr, kUsage);
        return kUsageError;
    }
    return Recalculate(*request, nullptr);
}

}  // namespace

TALVEX_TOOL_MAIN("recalc", Run)
