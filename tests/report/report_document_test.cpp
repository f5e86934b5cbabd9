// The document the style sheet receives: element names, order and texts.
#include "report/report_builder.h"

#include "calc/sample_set.h"
#include "calc/water_calculator.h"
#include "report/dom_document.h"
#include "report/time_text.h"
#include "report/xml_wrapper.h"
#include "strings/texts.h"
#include "tests/report/report_test_support.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace {

AssayEntry Entry(uint32_t id, const wchar_t* filename, const wchar_t* sample, int64_t date, const wchar_t* roleText,
                 const wchar_t* method) {
    AssayEntry entry;
    entry.id = id;
    entry.filename = filename;
    entry.sample = sample;
    entry.date = date;
    entry.roleText = roleText;
    entry.method = method;
    return entry;
}

const wchar_t* const kMade = L"09.12.26  16:05";
const wchar_t* const kModule = L"1.0.0.1";

// The tree as one line: name(children) for an element with child elements, name=text otherwise.
std::wstring Outline(const pugi::xml_node& element) {
    std::wstring children;
    for (const pugi::xml_node& child : element.children()) {
        if (child.type() == pugi::node_element) {
            children += (children.empty() ? L"" : L",") + Outline(child);
        }
    }
    const std::wstring name = element.name();
    return children.empty() ? name + L"=" + element.text().get() : name + L"(" + children + L")";
}

class ReportDocument : public ComTest {
protected:
    // The document built from the builder's bound records, as an outline of its document element.
    std::wstring Build(const ReportBuilder& builder) {
        XMLWrapper xml;
        EXPECT_EQ(CreateDomDocument(xml.doc), S_OK);
        EXPECT_TRUE(xml.InitDocument());
        builder.AddFilesPart(xml);
        builder.AddResultsPart(xml);
        builder.AddDetailsPart(xml, kMade, kModule);
        BSTR text = nullptr;
        EXPECT_EQ(xml.doc->get_xml(&text), S_OK);
        pugi::xml_document document;
        EXPECT_TRUE(document.load_buffer(text, SysStringByteLen(text), pugi::parse_default, pugi::encoding_utf16_le));
        SysFreeString(text);
        return Outline(document.document_element());
    }

    // The document after the calculation over the set, with the set's chromatograms in it or none.
    std::wstring BuildAfterCalculation(const SampleSet& set, FormValues form, bool withFiles = false) {
        struct Silent final : NoWaterReporter {
            void reportNoWater(std::wstring_view) override {}
        } reporter;
        CalcResults results;
        WaterCalculator calculator{&BuiltInText};
        calculator.bind(set, form, results, reporter);
        calculator.calculate();
        const SampleSet none;
        ReportBuilder builder{&BuiltInText};
        builder.bind(results, withFiles ? set : none);
        return Build(builder);
    }
};

// "details" where no calculation ran to its end.
const std::wstring madeOnly = L"details(made=09.12.26  16:05,module=1.0.0.1)";
const std::wstring zeroResults =
    L"m1=0.000,m2=0.000,m3=0.000,m4=0.000,mass_rastv=0.000,mass_proba=0.000,water=0.000,err=," + madeOnly;

TEST_F(ReportDocument, EntriesFollowTheSetsOrder) {
    const int64_t morning = 1738912200;
    const int64_t evening = 1738958400;
    struct Case {
        std::vector<AssayEntry> entries;
        std::wstring files;
    };
    const Case cases[] = {
        {{Entry(7, L"C:\\Хром\\2025\\02\\a.chr", L"град1 А", morning, L"Градуировка 1", L"Вода-462"),
          Entry(3, L"b.chr", L"проба", evening, L"анализ", L"Вода-462")},
         L"fill_data(name=1,name=C:\\Хром\\2025\\02\\a.chr,name=град1 А,analyse_time=" + AnalyseTimeText(morning) +
             L",name=Градуировка 1,name=Вода-462),"
             L"fill_data(name=2,name=b.chr,name=проба,analyse_time=" +
             AnalyseTimeText(evening) + L",name=анализ,name=Вода-462)"},
        // No keyword matched yet: the role's element is there, empty.
        {{Entry(1, L"c.chr", L"Проба", morning, L"", L"")},
         L"fill_data(name=1,name=c.chr,name=Проба,analyse_time=" + AnalyseTimeText(morning) + L",name=,name=)"},
        // A time no clock converts leaves the time empty.
        {{Entry(1, L"d.chr", L"s", -20000000000, L"анализ", L"m")},
         L"fill_data(name=1,name=d.chr,name=s,analyse_time=,name=анализ,name=m)"},
    };
    const CalcResults results;
    for (const Case& c : cases) {
        SampleSet set;
        for (const AssayEntry& entry : c.entries) {
            set.append(entry);
        }
        ReportBuilder builder{&BuiltInText};
        builder.bind(results, set);
        EXPECT_EQ(Build(builder), L"Document(files(" + c.files + L")," + zeroResults + L")");
    }
}

TEST_F(ReportDocument, ResultsHaveThreeDecimalsAndMarkedLineEnds) {
    // Unbound (no calculation yet) or bound to an empty set and untouched results: zeros, no "files".
    const SampleSet set;
    ReportBuilder builder{&BuiltInText};
    EXPECT_EQ(Build(builder), L"Document(" + zeroResults + L")");
    const CalcResults untouched;
    builder.bind(untouched, set);
    EXPECT_EQ(Build(builder), L"Document(" + zeroResults + L")");

    CalcResults results;
    results.m1 = 0.5;
    results.m2 = 12;
    results.m3 = 0.0001234;
    results.m4 = -3.25;
    results.portionMass = 2;
    results.sampleMass = 4;
    results.water = 4.0004999;
    results.errorText =
        L"Проверка воды в анализе не пройдена (11.1 4г)\r\n"
        L"Проверка градуировочного раствора 1 не пройдена (11.1 4в)\r\n";
    builder.bind(results, set);
    EXPECT_EQ(Build(builder),
              L"Document(m1=0.500,m2=12.000,m3=0.000,m4=-3.250,mass_rastv=2.000,mass_proba=4.000,water=4.000,"
              L"err=Проверка воды в анализе не пройдена (11.1 4г)<br />"
              L"Проверка градуировочного раствора 1 не пройдена (11.1 4в)<br />," +
                  madeOnly + L")");
}

// A calculation that stopped on a foreign peak: the report says the water was not computed, and why, beside the
// masses the analyst typed.
TEST_F(ReportDocument, AfterAStopTheWaterIsNotANumberAndTheStopIsTheOnlyMessage) {
    SampleSet set;
    AssayEntry entry;
    entry.filename = L"C:\\data\\assay7.stg";
    entry.peaks.push_back(PeakRecord{});
    entry.peaks.back().name = L"метан";
    set.append(std::move(entry));
    FormValues form;
    form.water = 4.0;
    form.errorText = L"прежнее\r\n";
    form.portionMass = 5.0221;
    form.sampleMass = 10.0157;
    EXPECT_EQ(BuildAfterCalculation(set, form),
              L"Document(m1=0.000,m2=0.000,m3=0.000,m4=0.000,mass_rastv=5.022,mass_proba=10.016,"
              L"water=nan,err=Расчёт остановлен: пик «метан» в хроматограмме «assay7.stg» — не вода<br />,"
              L"details(made=09.12.26  16:05,module=1.0.0.1,verdict=incomplete))");
}

// The water peaks of a determination, one chromatogram each, named so that each gets its role; all heights
// multiplied by the scale.
SampleSet Determination(const std::vector<std::pair<const wchar_t*, double>>& injections, double scale = 1) {
    SampleSet set;
    int32_t id = 0;
    for (const auto& [sample, height] : injections) {
        AssayEntry entry = Entry(++id, L"a.stg", sample, 0, L"", L"");
        AssignRole(entry, &BuiltInText);
        entry.peaks.push_back(PeakRecord{});
        entry.peaks.back().name = L"вода";
        entry.peaks.back().height = height * scale;
        set.append(std::move(entry));
    }
    return set;
}

TEST_F(ReportDocument, DetailsShowEachCheckAndTheCalibration) {
    struct Case {
        const char* what;
        double secondLevel1;
        // The outline of "details" after "made" and "module", or a part of it.
        std::wstring details;
        double scale = 1;
    } const cases[] = {
        {"complete", 10.0,
         L"verdict=passed,check(clause=11.1 4в,subject=градуировочный раствор 1,value=0.000,limit=10.000,passed=1),"
         L"check(clause=11.1 4в,subject=градуировочный раствор 2,value=0.000,limit=10.000,passed=1),"
         L"check(clause=11.1 4в,subject=градуировочный раствор 3,value=0.000,limit=10.000,passed=1),"
         L"check(clause=11.1 4в,subject=градуировочный раствор 4,value=0.000,limit=10.000,passed=1),"
         L"check(clause=11.1 4а,subject=осушенный экстрагент в градуировке,value=0.000,limit=12.000,passed=1),"
         L"check(clause=11.2,subject=градуировочный коэффициент,value=3.441,limit=14.000,passed=1),"
         L"check(clause=11.1 4б,subject=осушенный экстрагент в анализе,value=0.000,limit=10.000,passed=1),"
         L"check(clause=11.1 4г,subject=вода в анализе,value=4.878,limit=10.000,passed=1),"
         L"calibration(blank=0.500,"
         L"level(number=1,mass=1.000,content=0.998,height=10.000,coefficient=0.105053,injections=2,deviation=1.511),"
         L"level(number=2,mass=1.000,content=0.998,height=10.000,coefficient=0.105053,injections=2,deviation=1.511),"
         L"level(number=3,mass=1.000,content=1.996,height=20.000,coefficient=0.102359,injections=2,deviation=-1.092),"
         L"level(number=4,mass=1.000,content=2.994,height=30.000,coefficient=0.101492,injections=2,deviation=-1.930),"
         L"kMean=0.103489),analysis(blank=2.000,height=10.250,net=8.250,low=9.500,high=29.500,inRange=0),"
         L"injections(injection(number=1,role=осуш. градуировка,id=1,size=,sha256=,height=0.500,height=0.500),"
         L"injection(number=2,role=осуш. градуировка,id=2,size=,sha256=,height=0.500),"
         L"injection(number=3,role=Градуировка 1,id=3,size=,sha256=,height=10.000),"},
        // The last chromatogram, and the exact values that end the details.
        {"exact", 10.0,
         L"injection(number=14,role=Градуировка 1,id=14,size=,sha256=,height=10.000)),"
         L"exact(m1=1,m2=1,m3=1,m4=1,portionMass=1,sampleMass=1,water=0.8537837610649831))"},
        // Heights of a billion: the coefficients in plain notation.
        {"large", 10.0,
         L"calibration(blank=50000000.000,"
         L"level(number=1,mass=1.000,content=0.998,height=1000000000.000,coefficient=0.00000000105053,",
         1e8},
        {"failed", 12.0,
         L"verdict=failed,check(clause=11.1 4в,subject=градуировочный раствор 1,value=18.182,limit=10.000,passed=0),"},
        // One injection of level 1: its difference is not judged, and compared nothing.
        {"not judged", -1.0,
         L"verdict=incomplete,check(clause=11.1 4в,subject=градуировочный раствор 1,value=nan,limit=10.000,passed=),"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::pair<const wchar_t*, double>> injections{
            {L"осуш. град", 0.5},  {L"осуш. град", 0.5}, {L"град1", 10.0}, {L"град2", 10.0}, {L"град2", 10.0},
            {L"град3", 20.0},      {L"град3", 20.0},     {L"град4", 30.0}, {L"град4", 30.0}, {L"проба осуш.", 2.0},
            {L"проба осуш.", 2.0}, {L"проба", 10.0},     {L"проба", 10.5}};
        if (c.secondLevel1 > 0) injections.emplace_back(L"град1", c.secondLevel1);
        SampleSet set = Determination(injections, c.scale);
        // A second water peak in the calibration blank's chromatogram: both heights count.
        set.entry(0).peaks.push_back(set.entry(0).peaks.back());
        FormValues form;
        form.m1 = form.m2 = form.m3 = form.m4 = form.portionMass = form.sampleMass = 1.0;
        const std::wstring outline = BuildAfterCalculation(set, form, true);
        // Plain decimal notation only: a strict XPath reads no exponent.
        EXPECT_FALSE(std::regex_search(outline, std::wregex(L"[0-9][eE][-+]?[0-9]"))) << outline;
        const std::wstring start = L",details(made=09.12.26  16:05,module=1.0.0.1,";
        ASSERT_NE(outline.find(start), std::wstring::npos) << outline;
        const std::wstring details = outline.substr(outline.find(start) + start.size());
        EXPECT_NE(details.find(c.details), std::wstring::npos) << details;
    }
}

}  // namespace
