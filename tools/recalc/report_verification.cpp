#include "tools/recalc/report_verification.h"

#include "digest/sha256.h"
#include "strings/format_text.h"
#include "strings/string_ids.h"
#include "text/number_text.h"
#include "tools/gendb/command_line.h"
#include "tools/json/json_writer.h"

#include <pugixml.hpp>

#include <cmath>
#include <cstring>
#include <string_view>

namespace {

// The id the default style sheet gives the page's data block.
constexpr wchar_t kDataBlockId[] = L"talvex-verification";
// The report writes its heights with three decimals and its exact values with seventeen digits.
constexpr int kHeightDecimals = 3;
constexpr int kExactDigits = 17;

// A value of "exact", read only when it is the text the report writes for the value read.
std::optional<double> ExactValue(const pugi::xml_node& exact, const wchar_t* name) {
    const std::wstring_view text = exact.child(name).text().get();
    const std::optional<double> value = ParseNumber(text);
    if (!value || FormatPlain(*value, kExactDigits) != text) return std::nullopt;
    return value;
}

// The 64 hex digits as the digest's bytes; none for any other text.
std::optional<digest::Sha256Digest> DigestFromHex(std::wstring_view hex) {
    digest::Sha256Digest bytes{};
    if (hex.size() != bytes.size() * 2 || hex.find_first_not_of(L"0123456789abcdef") != std::wstring_view::npos)
        return std::nullopt;
    const auto nibble = [](wchar_t digit) { return digit <= L'9' ? digit - L'0' : digit - L'a' + 10; };
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<unsigned char>(nibble(hex[2 * i]) * 16 + nibble(hex[2 * i + 1]));
    return bytes;
}

// One injection of the report; none when its id, size or fingerprint does not read.
std::optional<ReportedInjection> ReadInjection(const pugi::xml_node& injection) {
    ReportedInjection read;
    const auto id = ParseUnsigned(injection.child(L"id").text().get());
    if (!id || *id > UINT32_MAX) return std::nullopt;
    read.id = static_cast<uint32_t>(*id);
    const std::wstring_view size = injection.child(L"size").text().get();
    const std::wstring_view hex = injection.child(L"sha256").text().get();
    if (!size.empty() || !hex.empty()) {
        const auto bytes = ParseUnsigned(size);
        const auto digest = DigestFromHex(hex);
        if (!bytes || !digest) return std::nullopt;
        read.fingerprint = FileFingerprint{*bytes, *digest};
    }
    for (const pugi::xml_node& height : injection.children(L"height")) read.heights.emplace_back(height.text().get());
    return read;
}

// "details" of a data document, or of the data block of a page.
pugi::xml_node FindDetails(const pugi::xml_document& document) {
    if (const pugi::xml_node details = document.child(L"Document").child(L"details")) return details;
    return document
        .find_node([](const pugi::xml_node& node) {
            return std::wcscmp(node.name(), L"script") == 0 &&
                   std::wcscmp(node.attribute(L"id").value(), kDataBlockId) == 0;
        })
        .child(L"details");
}

std::wstring Reason(unsigned id, const std::wstring& path) {
    return FormatText(BuiltInText(id), {path});
}

void WriteFingerprint(JsonWriter& json, const std::optional<FileFingerprint>& fingerprint) {
    if (!fingerprint) {
        json.Null();
        return;
    }
    json.BeginObject();
    json.Key("size");
    json.UInt(fingerprint->size);
    json.Key("sha256");
    json.Utf8String(digest::HexText(fingerprint->sha256));
    json.EndObject();
}

void WriteHeights(JsonWriter& json, const std::vector<std::wstring>& heights) {
    json.BeginArray();
    for (const std::wstring& height : heights) json.Double(ParseNumber(height).value_or(NAN));
    json.EndArray();
}

// Writes the findings one object each and counts them.
class Findings {
public:
    explicit Findings(JsonWriter& json) : json_(json) {}

    // Starts a finding about one assay of the report, or (without an id) about the whole determination.
    void Begin(std::optional<uint32_t> id, const char* what) {
        ++count_;
        json_.BeginObject();
        json_.Key("id");
        if (id)
            json_.UInt(*id);
        else
            json_.Null();
        json_.Key("what");
        json_.Utf8String(what);
    }
    // A finding that has nothing more to say.
    void Add(std::optional<uint32_t> id, const char* what) {
        Begin(id, what);
        json_.EndObject();
    }

    int count() const { return count_; }

private:
    JsonWriter& json_;
    int count_ = 0;
};

// The findings about one chromatogram of the report: the assay, its file, the heights taken from it.
void CompareInjection(Findings& findings, JsonWriter& json, const ReportedInjection& reported, int index,
                      const RecalcReport& now) {
    if (index < 0) {
        findings.Add(reported.id, "assay missing");
        return;
    }
    const AssayEntry& entry = now.sampleSet.entry(index);
    if (!entry.fingerprint) {
        findings.Add(reported.id, "file missing");
    } else if (entry.fingerprint != reported.fingerprint) {
        findings.Begin(reported.id, "file changed");
        json.Key("report");
        WriteFingerprint(json, reported.fingerprint);
        json.Key("now");
        WriteFingerprint(json, entry.fingerprint);
        json.EndObject();
    }
    // Heights are compared as the report writes them; a calculation that did not run to its end took none,
    // and the water and the verdict say so.
    const CalcDetails& details = now.results.details;
    if (!details.complete || static_cast<std::size_t>(index) >= details.injections.size()) return;
    std::vector<std::wstring> heights;
    for (double height : details.injections[static_cast<std::size_t>(index)].heights)
        heights.push_back(FormatFixed(height, kHeightDecimals));
    if (heights == reported.heights) return;
    findings.Begin(reported.id, "heights changed");
    json.Key("report");
    WriteHeights(json, reported.heights);
    json.Key("now");
    WriteHeights(json, heights);
    json.EndObject();
}

bool SameValue(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

std::variant<ReportedDetermination, std::wstring> ReadReport(const std::wstring& path) {
    pugi::xml_document document;
    if (!document.load_file(path.c_str())) return Reason(IDS_VERIFY_UNREADABLE, path);
    const pugi::xml_node details = FindDetails(document);
    const pugi::xml_node exact = details.child(L"exact");
    if (!exact || !details.child(L"injections")) return Reason(IDS_VERIFY_NO_EXACT, path);

    ReportedDetermination reported;
    const std::pair<const wchar_t*, double*> values[] = {
        {L"m1", &reported.exact.m1},
        {L"m2", &reported.exact.m2},
        {L"m3", &reported.exact.m3},
        {L"m4", &reported.exact.m4},
        {L"portionMass", &reported.exact.portionMass},
        {L"sampleMass", &reported.exact.sampleMass},
        {L"water", &reported.exact.water},
    };
    for (const auto& [name, field] : values) {
        const auto value = ExactValue(exact, name);
        if (!value) return Reason(IDS_VERIFY_UNREADABLE, path);
        *field = *value;
    }
    for (const pugi::xml_node& node : details.child(L"injections").children(L"injection")) {
        auto injection = ReadInjection(node);
        if (!injection) return Reason(IDS_VERIFY_UNREADABLE, path);
        reported.injections.push_back(std::move(*injection));
    }
    reported.verdict = details.child(L"verdict").text().get();
    return reported;
}

RecalcRequest VerificationRequest(const ReportedDetermination& reported, const std::wstring& database) {
    RecalcRequest request;
    request.database = database;
    for (const ReportedInjection& injection : reported.injections) request.ids.push_back(injection.id);
    request.form = reported.exact;
    // The water shown before the run is the calculation's to replace; the report's stays for the comparison.
    request.form.water = 0.0;
    return request;
}

Verification Verify(const ReportedDetermination& reported, const RecalcReport& now) {
    JsonWriter json;
    Findings findings(json);
    json.BeginObject();
    json.Key("differences");
    json.BeginArray();
    for (std::size_t i = 0; i < reported.injections.size(); ++i)
        CompareInjection(findings, json, reported.injections[i], now.indices[i], now);
    if (!SameValue(reported.exact.water, now.form.water)) {
        findings.Begin(std::nullopt, "water changed");
        json.Key("report");
        json.Double(reported.exact.water);
        json.Key("now");
        json.Double(now.form.water);
        json.EndObject();
    }
    const std::wstring_view verdict = VerdictName(now.results.verdict.value_or(Verdict::Incomplete));
    if (reported.verdict != verdict) {
        findings.Begin(std::nullopt, "verdict changed");
        json.Key("report");
        json.String(reported.verdict);
        json.Key("now");
        json.String(verdict);
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
    const bool verified = findings.count() == 0;
    // "verified" comes first, so the object is put together after the findings are counted.
    const std::string& body = json.Text();
    return {verified, std::string("{\"verified\": ") + (verified ? "true" : "false") + ", " + body.substr(1) + "\n"};
}
