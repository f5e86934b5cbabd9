#pragma once
// The main dialog's report: the document of the chromatograms and the last results, rendered to HTML by
// the style sheet and opened by the shell.

#include "report/report_environment.h"
#include "strings/texts.h"

#include <string>
#include <string_view>

class SampleSet;
struct CalcResults;
class XMLWrapper;

struct ReportResult {
    // The HTML file written; empty when none was.
    std::wstring htmlPath;
    // Why no report was made, as the analyst was told; empty when it was made.
    std::wstring failure;
};

class ReportBuilder {
public:
    // Every text of the report (the messages, the checks' subjects) comes from texts.
    explicit ReportBuilder(TextSource texts) : texts_(texts) {}

    // Binds the dialog's records; the dialog calls it just before each report.
    void bind(const CalcResults& results, const SampleSet& sampleSet);

    // Appends "files" with one "fill_data" per chromatogram, in the set's order; nothing for an empty or
    // unbound set.
    void AddFilesPart(XMLWrapper& xml) const;
    // Appends the masses, the water value (three decimals) and the error list ("err", each line end
    // written as the text "<br />"); all zero and empty while unbound.
    void AddResultsPart(XMLWrapper& xml) const;
    // Appends "details": when and by which module the report was made and, after a calculation that ran
    // to its end, each check against its limit, the calibration, the analysis against the calibrated range
    // and the water heights taken from each chromatogram.
    void AddDetailsPart(XMLWrapper& xml, std::wstring_view made, std::wstring_view module) const;

    // Builds the document, renders it with the style sheet from the public documents folder into a new
    // HTML file in the temporary folder and has the shell open it. A report that cannot be made is told to
    // the analyst through environment.showMessage, once, with the reason; so is a missing public documents
    // folder (after which the report goes on), and a saved report the shell could not open (with its path). COM must be
    // initialised on the calling thread. Throws nothing but what the environment's callbacks throw.
    ReportResult MakeReport(const ReportEnvironment& environment) const;

private:
    ReportResult produce(const ReportEnvironment& environment) const;

    TextSource texts_;
    const CalcResults* results_ = nullptr;
    const SampleSet* sampleSet_ = nullptr;
};
