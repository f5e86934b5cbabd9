// gendb: writes a demo determination (host database and chromatogram files) and prints, and stores beside
// the database, the masses to type and the water value and failed checks the method must give.
//
// gendb --db PATH --files DIR [--stored-folder TEXT] [--expected PATH] [--apart-level 1..4] [--apart PERCENT]
//       [--samples N] [--seed N] [--first-id N] [--foreign-peak ID]

#include "text/utf8_text.h"
#include "tools/chromwriter/chrom_writer.h"
#include "tools/gendb/command_line.h"
#include "tools/gendb/demo_writer.h"
#include "tools/gendb/determination.h"
#include "tools/gendb/expected_water.h"
#include "tools/json/json_writer.h"

#include <filesystem>
#include <stdexcept>

namespace {

constexpr int kUsageError = 2;

const char kUsage[] =
    "usage: gendb --db PATH --files DIR [--stored-folder TEXT] [--expected PATH] [--apart-level 1..4]\n"
    "             [--apart PERCENT] [--samples N] [--seed N] [--first-id N] [--foreign-peak ID]\n";

struct Settings {
    DemoOptions demo;
    DemoFiles files;
    std::filesystem::path expected;
};

std::optional<Settings> ReadSettings(const std::vector<std::wstring>& args) {
    const auto options = ParseOptions(args, {L"db", L"files", L"stored-folder", L"expected", L"apart-level", L"apart",
                                             L"samples", L"seed", L"first-id", L"foreign-peak"});
    if (!options || !options->count(L"db") || !options->count(L"files")) return std::nullopt;
    Settings settings;
    settings.files.database = options->at(L"db");
    settings.files.folder = options->at(L"files");
    settings.files.storedFolder = options->count(L"stored-folder")
                                      ? options->at(L"stored-folder")
                                      : std::filesystem::absolute(settings.files.folder).wstring();
    settings.expected = options->count(L"expected")
                            ? std::filesystem::path(options->at(L"expected"))
                            : std::filesystem::path(settings.files.database).replace_extension(".expected.json");
    const auto number = [&](const wchar_t* name, uint64_t fallback, uint64_t limit) -> std::optional<uint64_t> {
        if (!options->count(name)) return fallback;
        const auto value = ParseUnsigned(options->at(name));
        return value && *value <= limit ? value : std::nullopt;
    };
    const auto apartLevel = number(L"apart-level", 0, 4);
    const auto samples = number(L"samples", 50000, 100000000);
    const auto seed = number(L"seed", 462, UINT64_MAX);
    const auto firstId = number(L"first-id", 1, 2000000000);
    const auto foreignPeak = number(L"foreign-peak", 0, 2000000000);
    const auto apart = options->count(L"apart") ? ParseDouble(options->at(L"apart")) : std::optional<double>(12.0);
    if (!apartLevel || !samples || !seed || !firstId || !foreignPeak || !apart) return std::nullopt;
    settings.demo.apartLevel = static_cast<int>(*apartLevel);
    settings.demo.apartPercent = *apart;
    settings.demo.seed = *seed;
    settings.demo.firstId = static_cast<int32_t>(*firstId);
    settings.files.samplesPerChannel = static_cast<uint32_t>(*samples);
    settings.files.seed = *seed;
    settings.files.foreignPeakAssay = static_cast<int32_t>(*foreignPeak);
    return settings;
}

std::string ExpectedJson(const Settings& settings, const DemoDetermination& determination,
                         const ExpectedResult& expected) {
    JsonWriter json;
    json.BeginObject();
    json.Key("database");
    json.String(std::filesystem::absolute(settings.files.database).wstring());
    json.Key("ids");
    json.BeginArray();
    for (const DemoAssay& assay : determination.assays) json.Int(assay.id);
    json.EndArray();
    const std::pair<const char*, double> masses[] = {
        {"m1", determination.m1},
        {"m2", determination.m2},
        {"m3", determination.m3},
        {"m4", determination.m4},
        {"portion", determination.portionMass},
        {"sample", determination.sampleMass},
    };
    for (const auto& [name, value] : masses) {
        json.Key(name);
        json.Double(value);
    }
    json.Key("water");
    json.Double(expected.water);
    json.Key("errors");
    json.BeginArray();
    for (const std::wstring& error : expected.errors) json.String(error);
    json.EndArray();
    json.EndObject();
    return json.Text() + "\n";
}

int Run(const std::vector<std::wstring>& args) {
    const auto settings = ReadSettings(args);
    if (!settings) {
        WriteOut(stderr, kUsage);
        return kUsageError;
    }
    const DemoDetermination determination = PlanDetermination(settings->demo);
    WriteDemo(determination, settings->files);
    const std::string json = ExpectedJson(*settings, determination, ComputeExpectedWater(determination));
    if (!SaveBytes(settings->expected, json))
        throw std::runtime_error("cannot write " + Utf8FromWide(settings->expected.wstring()));
    WriteOut(stdout, json);
    return 0;
}

}  // namespace

TALVEX_TOOL_MAIN("gendb", Run)
