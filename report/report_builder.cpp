#include "report/report_builder.h"

#include "calc/calc_messages.h"
#include "calc/sample_set.h"
#include "calc/water_calculator.h"
#include "digest/sha256.h"
#include "report/com_error.h"
#include "report/dom_document.h"
#include "report/markup_text.h"
#include "report/module_version.h"
#include "report/report_messages.h"
#include "report/report_paths.h"
#include "report/time_text.h"
#include "report/transform_and_open.h"
#include "report/xml_wrapper.h"
#include "text/number_text.h"

#include <array>
#include <ctime>
#include <new>
#include <optional>
#include <utility>

namespace {

// Numbers in the report document: masses, heights, results and check values with three decimals
// ("%.3f"), the calibration's contents and coefficients with six significant digits ("%.6g", written without
// an exponent, which XPath 1.0's number() cannot read).
constexpr int kDecimals = 3;
constexpr int kSignificantDigits = 6;

// The exact values behind the result: seventeen significant digits tell every double from every other, so
// that they read back as the same doubles.
constexpr int kExactDigits = 17;

// The masses and the water value, in the order both the results part and "exact" write them.
std::array<double, 7> MassesAndWater(const CalcResults& r) {
    return {r.m1, r.m2, r.m3, r.m4, r.portionMass, r.sampleMass, r.water};
}

}  // namespace

void ReportBuilder::bind(const CalcResults& results, const SampleSet& sampleSet) {
    results_ = &results;
    sampleSet_ = &sampleSet;
}

void ReportBuilder::AddFilesPart(XMLWrapper& xml) const {
    if (!sampleSet_ || sampleSet_->count() == 0) {
        return;
    }
    const ComPtr<IXMLDOMElement> files = xml.AddElement(nullptr, L"files");
    int32_t position = 0;
    for (const AssayEntry& entry : *sampleSet_) {
        const ComPtr<IXMLDOMElement> fill = xml.AddElement(files.Get(), L"fill_data");
        xml.AddIntElement(fill.Get(), L"name", ++position);
        xml.AddTextElement(fill.Get(), L"name", entry.filename);
        xml.AddTextElement(fill.Get(), L"name", entry.sample);
        xml.AddTextElement(fill.Get(), L"analyse_time", AnalyseTimeText(entry.date));
        xml.AddTextElement(fill.Get(), L"name", entry.roleText);
        xml.AddTextElement(fill.Get(), L"name", entry.method);
    }
}

void ReportBuilder::AddResultsPart(XMLWrapper& xml) const {
    // Before the first calculation the report shows what the dialog's records hold then: zeros.
    static const CalcResults noResults;
    const CalcResults& r = results_ ? *results_ : noResults;
    constexpr const wchar_t* kNames[] = {L"m1", L"m2", L"m3", L"m4", L"mass_rastv", L"mass_proba", L"water"};
    const std::array<double, 7> values = MassesAndWater(r);
    for (std::size_t i = 0; i < values.size(); ++i) {
        xml.AddTextElement(nullptr, kNames[i], FormatFixed(values[i], kDecimals));
    }
    xml.AddTextElement(nullptr, L"err", ReplaceLineBreaks(r.errorText));
}

namespace {

// "1" true, "0" false, empty when there is no answer.
std::wstring_view FlagText(std::optional<bool> flag) {
    if (!flag) {
        return {};
    }
    return *flag ? L"1" : L"0";
}

// "1" passed, "0" failed, empty when the check was not judged.
std::wstring_view PassedText(const CheckOutcome& check) {
    if (check.result == CheckResult::NotJudged) {
        return {};
    }
    return FlagText(check.result == CheckResult::Passed);
}

void AddCalibration(XMLWrapper& xml, IXMLDOMElement* details, const CalcDetails& d) {
    const ComPtr<IXMLDOMElement> calibration = xml.AddElement(details, L"calibration");
    xml.AddTextElement(calibration.Get(), L"blank", FormatFixed(d.blank, kDecimals));
    for (std::size_t i = 0; i < d.levels.size(); ++i) {
        const LevelDetails& level = d.levels[i];
        const ComPtr<IXMLDOMElement> element = xml.AddElement(calibration.Get(), L"level");
        xml.AddTextElement(element.Get(), L"number", std::to_wstring(i + 1));
        xml.AddTextElement(element.Get(), L"mass", FormatFixed(level.mass, kDecimals));
        xml.AddTextElement(element.Get(), L"content", FormatPlain(level.content, kSignificantDigits));
        xml.AddTextElement(element.Get(), L"height", FormatFixed(level.height, kDecimals));
        xml.AddTextElement(element.Get(), L"coefficient", FormatPlain(level.coefficient, kSignificantDigits));
        xml.AddTextElement(element.Get(), L"injections", std::to_wstring(level.injections));
        xml.AddTextElement(element.Get(), L"deviation", FormatFixed(level.deviation, kDecimals));
    }
    xml.AddTextElement(calibration.Get(), L"kMean", FormatPlain(d.kMean, kSignificantDigits));
}

// The analysis' mean heights and where the sample's net height lies against the calibrated range.
void AddAnalysis(XMLWrapper& xml, IXMLDOMElement* details, const CalcDetails& d) {
    const ComPtr<IXMLDOMElement> analysis = xml.AddElement(details, L"analysis");
    const std::pair<const wchar_t*, double> numbers[] = {
        {L"blank", d.analysisBlank}, {L"height", d.analysisHeight}, {L"net", d.net}, {L"low", d.low}, {L"high", d.high},
    };
    for (const auto& [name, value] : numbers) xml.AddTextElement(analysis.Get(), name, FormatFixed(value, kDecimals));
    xml.AddTextElement(analysis.Get(), L"inRange", FlagText(d.inRange));
}

// One chromatogram of the set with the water heights the calculation took from it.
void AddInjection(XMLWrapper& xml, IXMLDOMElement* injections, int number, const AssayEntry& entry,
                  const InjectionDetails& taken) {
    const ComPtr<IXMLDOMElement> injection = xml.AddElement(injections, L"injection");
    xml.AddTextElement(injection.Get(), L"number", std::to_wstring(number));
    xml.AddTextElement(injection.Get(), L"role", entry.roleText);
    // What the chromatogram file was when it was read, so that a reviewer can show later it is unchanged.
    xml.AddTextElement(injection.Get(), L"id", std::to_wstring(entry.id));
    const std::string hex = entry.fingerprint ? digest::HexText(entry.fingerprint->sha256) : std::string();
    xml.AddTextElement(injection.Get(), L"size", entry.fingerprint ? std::to_wstring(entry.fingerprint->size) : L"");
    xml.AddTextElement(injection.Get(), L"sha256", std::wstring(hex.begin(), hex.end()));
    for (double height : taken.heights) xml.AddTextElement(injection.Get(), L"height", FormatFixed(height, kDecimals));
}

// Whether the set is the one the calculation ran over: heights must never be shown beside chromatograms
// they did not come from.
bool SetMatches(const CalcDetails& d, const SampleSet* set) {
    return set && static_cast<std::size_t>(set->count()) == d.injections.size();
}

// The heights behind every mean, per chromatogram in the set's order; none for a set that no longer matches.
void AddInjections(XMLWrapper& xml, IXMLDOMElement* details, const CalcDetails& d, const SampleSet* set) {
    if (!SetMatches(d, set)) {
        return;
    }
    const ComPtr<IXMLDOMElement> injections = xml.AddElement(details, L"injections");
    for (int i = 0; i < set->count(); ++i) {
        AddInjection(xml, injections.Get(), i + 1, set->entry(i), d.injections[static_cast<std::size_t>(i)]);
    }
}

// The masses and the water value to the last bit, for a verification that recalculates from them; only
// beside the injections, whose chromatograms they belong to.
void AddExact(XMLWrapper& xml, IXMLDOMElement* details, const CalcResults& r, const SampleSet* set) {
    if (!SetMatches(r.details, set)) {
        return;
    }
    const ComPtr<IXMLDOMElement> exact = xml.AddElement(details, L"exact");
    constexpr const wchar_t* kNames[] = {L"m1", L"m2", L"m3", L"m4", L"portionMass", L"sampleMass", L"water"};
    const std::array<double, 7> values = MassesAndWater(r);
    for (std::size_t i = 0; i < values.size(); ++i) {
        xml.AddTextElement(exact.Get(), kNames[i], FormatPlain(values[i], kExactDigits));
    }
}

}  // namespace

void ReportBuilder::AddDetailsPart(XMLWrapper& xml, std::wstring_view made, std::wstring_view module) const {
    const ComPtr<IXMLDOMElement> details = xml.AddElement(nullptr, L"details");
    xml.AddTextElement(details.Get(), L"made", made);
    xml.AddTextElement(details.Get(), L"module", module);
    // Every calculation, a stop included, gives a verdict; before the first there is none.
    if (results_ && results_->verdict) {
        xml.AddTextElement(details.Get(), L"verdict", VerdictName(*results_->verdict));
    }
    if (!results_ || !results_->details.complete) {
        return;
    }
    const CalcDetails& d = results_->details;
    for (std::size_t i = 0; i < d.checks.size(); ++i) {
        const CheckOutcome& check = d.checks[i];
        const ComPtr<IXMLDOMElement> element = xml.AddElement(details.Get(), L"check");
        xml.AddTextElement(element.Get(), L"clause", calcmessages::kChecks[i].clause);
        xml.AddTextElement(element.Get(), L"subject", texts_(calcmessages::kChecks[i].subject));
        xml.AddTextElement(element.Get(), L"value", FormatFixed(check.value, kDecimals));
        xml.AddTextElement(element.Get(), L"limit", FormatFixed(check.limit, kDecimals));
        xml.AddTextElement(element.Get(), L"passed", PassedText(check));
    }
    AddCalibration(xml, details.Get(), d);
    AddAnalysis(xml, details.Get(), d);
    AddInjections(xml, details.Get(), d, sampleSet_);
    AddExact(xml, details.Get(), *results_, sampleSet_);
}

ReportResult ReportBuilder::produce(const ReportEnvironment& environment) const {
    XMLWrapper xml;
    const HRESULT created = CreateDomDocument(xml.doc);
    if (FAILED(created)) {
        return {{}, DomUnavailableReason(texts_, created)};
    }
    CheckHr(xml.doc->put_async(VARIANT_FALSE), IID_IXMLDOMDocument);
    // A start text that did not load leaves root empty: the first append then raises E_POINTER.
    xml.InitDocument();
    AddFilesPart(xml);
    AddResultsPart(xml);
    AddDetailsPart(xml, AnalyseTimeText(static_cast<int64_t>(std::time(nullptr))), OwnFileVersionText());

    const std::optional<std::wstring> outputPath = NewReportPath();
    if (!outputPath) {
        return {{}, NoTemporaryFileReason(texts_)};
    }
    const std::wstring folder = environment.publicDocumentsFolder();
    if (folder.empty()) {
        environment.showMessage(NoPublicDocumentsMessage(texts_));
    }
    TransformResult rendered =
        TransformAndOpen(texts_, xml.doc, StyleSheetPath(folder), *outputPath, true, environment.shellExecute);
    if (!rendered) {
        return {{}, std::move(rendered.message)};
    }
    if (rendered.outcome == TransformOutcome::kNotOpened) {
        // The report exists; only the shell failed. The analyst is told where it is.
        environment.showMessage(rendered.message);
    }
    return {*outputPath, {}};
}

ReportResult ReportBuilder::MakeReport(const ReportEnvironment& environment) const {
    ReportResult result;
    try {
        result = produce(environment);
    } catch (const ComError& error) {
        result.failure = BuildFailedReason(texts_, error.hr());
    } catch (const std::bad_alloc&) {
        result.failure = OutOfMemoryReason(texts_);
    } catch (...) {
        result.failure = UnexpectedReason(texts_);
    }
    if (!result.failure.empty()) {
        environment.showMessage(ReportFailureMessage(texts_, result.failure));
    }
    return result;
}
