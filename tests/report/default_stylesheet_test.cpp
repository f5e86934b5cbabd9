// The page the default style sheet makes of a report document.
#include "report/report_builder.h"

#include "calc/sample_set.h"
#include "calc/water_calculator.h"
#include "report/time_text.h"
#include "strings/string_ids.h"
#include "strings/texts.h"
#include "tests/report/report_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

std::wstring Text(const pugi::xpath_node& node) {
    return node.node().text().get();
}

// The text of each element found (its first text child), or of each text node.
std::vector<std::wstring> Texts(const pugi::xml_document& page, const wchar_t* xpath) {
    std::vector<std::wstring> texts;
    for (const pugi::xpath_node& node : page.select_nodes(xpath)) {
        texts.push_back(node.node().type() == pugi::node_pcdata ? node.node().value() : node.node().child_value());
    }
    return texts;
}

class DefaultStyleSheet : public ComTest {
protected:
    void SetUp() override {
        ComTest::SetUp();
        recorder.publicDocuments = publicDocuments.path();
        publicDocuments.write(L"Veltrox4\\talvex7\\Report.xsl", ::DefaultStyleSheet());
        builder.bind(results, set);
    }

    // Makes the report and parses its page; the bytes are kept for the checks on the raw text.
    void Render(const char* keepAs = nullptr) {
        const ReportResult result = builder.MakeReport(recorder.environment());
        ASSERT_EQ(result.failure, L"");
        bytes = ReadFileBytes(result.htmlPath);
        DeleteFileW(result.htmlPath.c_str());
        DeleteFileW(result.htmlPath.substr(0, result.htmlPath.size() - 5).c_str());
        if (keepAs) {
            // Left beside the test program, to be looked at in a browser.
            std::ofstream(keepAs, std::ios::binary) << bytes;
        }
        ASSERT_TRUE(ParseXml(bytes, page));
    }

    void AddEntry(const wchar_t* filename, const wchar_t* sample, const wchar_t* roleText) {
        AssayEntry entry;
        entry.id = static_cast<uint32_t>(set.count() + 1);
        entry.filename = filename;
        entry.sample = sample;
        entry.roleText = roleText;
        entry.method = L"Вода в масле";
        entry.date = 1738937100 + 600 * set.count();
        set.append(entry);
    }

    ScratchFolder publicDocuments;
    RecordingEnvironment recorder;
    SampleSet set;
    CalcResults results;
    ReportBuilder builder{&BuiltInText};
    std::string bytes;
    pugi::xml_document page;
};

TEST_F(DefaultStyleSheet, ShowsACompleteDetermination) {
    const struct {
        const wchar_t* sample;
        const wchar_t* role;
    } chromatograms[] = {
        {L"осуш град", L"осуш. градуировка"},
        {L"град1 а", L"Градуировка 1"},
        {L"град1 б", L"Градуировка 1"},
        {L"град2 а", L"Градуировка 2"},
        {L"град2 б", L"Градуировка 2"},
        {L"град3 а", L"Градуировка 3"},
        {L"град3 б", L"Градуировка 3"},
        {L"град4 а", L"Градуировка 4"},
        {L"град4 б", L"Градуировка 4"},
        {L"проба осуш а", L"осуш. анализ"},
        {L"проба осуш б", L"осуш. анализ"},
        {L"проба <script>alert(1)</script> & \"кавычки\"", L"анализ"},
        {L"проба б", L"анализ"},
    };
    for (const auto& c : chromatograms) {
        AddEntry((L"C:\\Хроматограммы\\2025\\" + std::to_wstring(set.count() + 1) + L".chr").c_str(), c.sample, c.role);
    }
    results.m1 = results.m2 = results.m3 = results.m4 = 10;
    results.portionMass = 2;
    results.sampleMass = 4;
    results.water = 4.0;
    results.errorText =
        L"Проверка осушенного экстрагента в градуировке не пройдена (11.1 4а)\r\n"
        L"Проверка воды в анализе не пройдена (11.1 4г)\r\n";
    // The heights taken from each chromatogram: two from the second, none from the fifth.
    results.details.complete = true;
    results.details.injections.resize(std::size(chromatograms), InjectionDetails{{10.0}});
    results.details.injections[1].heights = {10.25, 1e9};
    results.details.injections[4].heights.clear();
    set.entry(11).fingerprint = FileFingerprint{4096, {0xab, 0xcd, 0xef, 0x01, 0x23, 0x45, 0x67}};
    Render("complete_report.html");

    // An HTML page that says it is UTF-8.
    EXPECT_STREQ(page.document_element().name(), L"html");
    EXPECT_NE(bytes.find("<meta charset=\"utf-8\""), std::string::npos);
    EXPECT_EQ(Text(page.select_node(L"/html/head/title")), L"Расчёт-462 ЗЮЛК-04-04 Нарвелин — отчёт");

    const pugi::xpath_node_set rows = page.select_nodes(L"//table[1]/tbody/tr");
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(set.count()));
    const pugi::xml_node twelfth = rows[11].node();
    EXPECT_EQ(Texts(page, L"//table[1]/thead/tr/th"),
              (std::vector<std::wstring>{L"№", L"Файл", L"Проба", L"Время анализа", L"Тип расчёта", L"Метод",
                                         L"Высота пика воды"}));
    std::vector<std::wstring> cells;
    for (const pugi::xml_node& cell : twelfth.children(L"td")) {
        cells.push_back(cell.child_value());
    }
    EXPECT_EQ(cells, (std::vector<std::wstring>{L"12", L"12.chr", chromatograms[11].sample,
                                                AnalyseTimeText(1738937100 + 600 * 11), L"анализ", L"Вода в масле",
                                                L"10.000"}));
    // Several heights one per line, none a dash.
    EXPECT_EQ(Texts(page, L"//table[1]/tbody/tr[position() = 2 or position() = 5]/td[7]/text()"),
              (std::vector<std::wstring>{L"10.250", L"1000000000.000", L"—"}));
    EXPECT_EQ(page.select_nodes(L"//table[1]/tbody/tr[2]/td[7]/br").size(), 1u);
    // The first «анализ» names the sample under the title; the report ends with the places to sign.
    EXPECT_EQ(Texts(page, L"//p[@class='sample-name']"),
              std::vector<std::wstring>{std::wstring(L"Проба: ") + chromatograms[11].sample});
    EXPECT_EQ(Texts(page, L"//div[@class='signatures']/p"),
              (std::vector<std::wstring>{L"Выполнил: ________________________ Дата: ______________",
                                         L"Проверил: ________________________ Дата: ______________"}));
    EXPECT_EQ(twelfth.child(L"td").next_sibling(L"td").child(L"div").child_value(),
              std::wstring(L"C:\\Хроматограммы\\2025\\12.chr"));
    // The sample name is text: no element of it reached the page.
    EXPECT_EQ(twelfth.child(L"td").next_sibling().next_sibling().child_value(), std::wstring(chromatograms[11].sample));
    EXPECT_TRUE(page.select_nodes(L"//script[not(@id = 'talvex-verification')] | //script//script").empty());
    // The fingerprint's start under the path of the one file that has one; the line naming the verification.
    EXPECT_EQ(Texts(page, L"//div[@class='fingerprint']"), std::vector<std::wstring>{L"SHA-256 abcdef012345…"});
    EXPECT_EQ(Texts(page, L"//p[@class='footer verify']"),
              std::vector<std::wstring>{L"Отчёт можно проверить: recalc --verify"});
    EXPECT_NE(bytes.find("&lt;script&gt;alert(1)&lt;/script&gt; &amp; "), std::string::npos);

    EXPECT_EQ(Texts(page, L"//table[2]//td"),
              (std::vector<std::wstring>{L"10.000", L"10.000", L"10.000", L"10.000", L"2.000", L"4.000"}));
    EXPECT_EQ(Texts(page, L"//div[@class='value']"), std::vector<std::wstring>{L"4.000"});
    EXPECT_EQ(Texts(page, L"//ul/li"),
              (std::vector<std::wstring>{L"Проверка осушенного экстрагента в градуировке не пройдена (11.1 4а)",
                                         L"Проверка воды в анализе не пройдена (11.1 4г)"}));
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(DefaultStyleSheet, SaysWhatIsMissingAndNeverThatChecksPassed) {
    const struct {
        bool withEntry;
        double water;
        const wchar_t* errorText;
        std::vector<std::wstring> notes;
        std::vector<std::wstring> values;
        std::vector<std::wstring> messages;
        bool warned = false;  // the value comes with the note that the determination fails the method
        // The calculation's verdict, whose line shows in the note's place.
        std::optional<Verdict> verdict = std::nullopt;
    } cases[] = {
        // Before any calculation.
        {false,
         0,
         L"",
         {L"Хроматограммы не выбраны.", L"Расчёт не выполнялся.", L"Сообщений о непройденных проверках нет."},
         {},
         {}},
        // A calculation without messages; a small negative keeps its sign as "%.3f" writes it.
        {true, -0.0001, L"", {L"Сообщений о непройденных проверках нет."}, {L"-0.000"}, {}},
        // Only the markers split the list; markup-like text stays text.
        {false,
         1,
         L"первое < второе & <b>третье</b>\r\nбез конца строки",
         {L"Хроматограммы не выбраны."},
         {L"1.000"},
         {L"первое < второе & <b>третье</b>", L"без конца строки"},
         true},
        // Nothing computed: no number is shown, and the reason is listed.
        {true,
         std::nan(""),
         L"Неполный набор: «анализ» — пиков воды 0, нужно 2\r\n",
         {},
         {L"не рассчитана"},
         {L"Неполный набор: «анализ» — пиков воды 0, нужно 2"},
         true},
        {true,
         std::numeric_limits<double>::infinity(),
         L"",
         {L"Сообщений о непройденных проверках нет."},
         {L"не рассчитана"},
         {}},
        {true, 4, L"", {L"Сообщений о непройденных проверках нет."}, {L"4.000"}, {}, false, Verdict::Passed},
        {true, 4, L"Проверка 11.2\r\n", {}, {L"4.000"}, {L"Проверка 11.2"}, false, Verdict::Failed},
        {true, std::nan(""), L"Масса\r\n", {}, {L"не рассчитана"}, {L"Масса"}, false, Verdict::Incomplete},
    };
    for (const auto& c : cases) {
        set.removeAll();
        if (c.withEntry) {
            AddEntry(L"a.chr", L"проба", L"анализ");
        }
        results.water = c.water;
        results.errorText = c.errorText;
        results.verdict = c.verdict;
        Render();
        EXPECT_EQ(Texts(page, L"//p[@class='note']"), c.notes);
        EXPECT_EQ(Texts(page, L"//div[@class='value']"), c.values);
        EXPECT_EQ(Texts(page, L"//ul/li"), c.messages);
        EXPECT_EQ(Texts(page, L"//p[@class='warning']").size(), c.warned ? 1u : 0u);
        const unsigned verdictTexts[] = {IDS_VERDICT_PASSED, IDS_VERDICT_FAILED, IDS_VERDICT_INCOMPLETE};
        std::vector<std::wstring> verdictLine;
        if (c.verdict) verdictLine.emplace_back(BuiltInText(verdictTexts[static_cast<int>(*c.verdict)]));
        EXPECT_EQ(Texts(page, L"//p[starts-with(@class, 'verdict')]"), verdictLine);
        EXPECT_TRUE(page.select_nodes(L"//li/*").empty());
    }
}

}  // namespace

namespace {

// The calibration of a known determination: contents 0.998, 0.998, 1.996, 2.994, heights 10, 10, 20, 30 over
// a blank of 0.5, the sample 15 above its blank (inside the range 9.5 to 29.5); the first check failed and the
// seventh not judged.
CalcDetails KnownDetails() {
    CalcDetails d;
    d.complete = true;
    for (CheckOutcome& check : d.checks) check = {1.0, 10.0, CheckResult::Passed};
    d.checks[0] = {18.2, 10.0, CheckResult::Failed};
    d.checks[6] = {std::nan(""), 10.0, CheckResult::NotJudged};
    d.blank = 0.5;
    const double contents[] = {0.998, 0.998, 1.996, 2.994}, heights[] = {10, 10, 20, 30};
    for (std::size_t i = 0; i < 4; ++i)
        d.levels[i] = {1.0, contents[i], heights[i], contents[i] / (heights[i] - 0.5), 2, 1.5};
    d.kMean = 0.103489;
    d.analysisBlank = 2;
    d.analysisHeight = 17;
    d.net = 15;
    d.low = 9.5;
    d.high = 29.5;
    d.inRange = true;
    return d;
}

std::vector<std::wstring> Attributes(const pugi::xml_document& page, const wchar_t* xpath, const wchar_t* name) {
    std::vector<std::wstring> values;
    for (const pugi::xpath_node& node : page.select_nodes(xpath)) values.push_back(node.node().attribute(name).value());
    return values;
}

TEST_F(DefaultStyleSheet, ChecksTableAndCalibrationChart) {
    using V = std::vector<std::wstring>;
    const std::wstring x = L"Содержание воды в растворе, c", y = L"Высота за вычетом H₀, H − H₀";
    struct Case {
        const char* what;
        void (*change)(CalcDetails&);
        V cx, cy, xTicks, yTicks, titles, sample, notes;
        std::wstring legend;
    } const cases[] = {
        // 120 units per content unit from x 80, 6.5 per height unit up from y 272; the sample on the line.
        {"known", [](CalcDetails&) {}, V{L"199.76", L"199.76", L"319.52", L"439.28"},
         V{L"210.25", L"210.25", L"145.25", L"80.25"}, V{L"0", L"1", L"2", L"3", L"4"},
         V{L"0", L"10", L"20", L"30", L"40"}, V{x, y}, V{L"261.28", L"169.5"}, V{},
         L"Точки — градуировочные растворы 1–4 (H₀ — высота пика воды осушенного экстрагента); штриховая линия — "
         L"средний коэффициент: H − H₀ = c / 0.103489; квадрат без заливки — проба, H − H₀ = 15.000."},
        {"level 2 without peaks, sample above the range",
         [](CalcDetails& d) {
             d.levels[1] = {1.0, std::nan(""), std::nan(""), std::nan(""), 0, std::nan("")};
             d.net = 40;
             d.inRange = false;
         },
         V{L"175.81", L"271.62", L"367.42"}, V{L"222.6", L"170.6", L"118.6"}, V{L"0", L"1", L"2", L"3", L"4", L"5"},
         V{L"0", L"10", L"20", L"30", L"40", L"50"}, V{x, y}, V{L"472.4", L"59"},
         V{L"Не на графике: раствор 2 — нет пиков воды."},
         L"Точки — градуировочные растворы 1, 3, 4 (H₀ — высота пика воды осушенного экстрагента); штриховая линия — "
         L"средний коэффициент: H − H₀ = c / 0.103489; квадрат без заливки — проба, H − H₀ = 40.000; серая полоса — "
         L"диапазон градуировки."},
        {"heights about a billion, contents about a millionth",
         [](CalcDetails& d) {
             for (LevelDetails& l : d.levels) l = {l.mass, l.content / 1e6, l.height * 1e8, l.coefficient / 1e14, 2, 0};
             d.blank *= 1e8;
             d.kMean /= 1e14;
             d.net *= 1e8;
         },
         V{L"199.76", L"199.76", L"319.52", L"439.28"}, V{L"210.25", L"210.25", L"145.25", L"80.25"},
         V{L"0", L"1", L"2", L"3", L"4"}, V{L"0", L"1", L"2", L"3", L"4"}, V{x + L" × 10⁻⁶", y + L" × 10⁹"},
         V{L"261.28", L"169.5"}, V{}, L"Точки — градуировочные растворы 1–4"},
        {"one level, no mean coefficient",
         [](CalcDetails& d) {
             for (std::size_t i = 1; i < 4; ++i) d.levels[i] = {0, std::nan(""), 20, std::nan(""), 2, std::nan("")};
             d.kMean = std::nan("");
         },
         V{L"399.36"}, V{L"25"}, V{L"0", L"0.5", L"1", L"1.5"}, V{L"0", L"2", L"4", L"6", L"8", L"10"}, V{x, y}, V{},
         V{L"Не на графике: раствор 2 — масса растворителя недействительна; раствор 3 — масса растворителя "
           L"недействительна; раствор 4 — масса растворителя недействительна.",
           L"Линия среднего коэффициента не построена, и проба не на графике: раствор 2 — масса растворителя "
           L"недействительна; раствор 3 — масса растворителя недействительна; раствор 4 — масса растворителя "
           L"недействительна."},
         L"Точка — градуировочный раствор 1 (H₀ — высота пика воды осушенного экстрагента)."},
        {"no blank", [](CalcDetails& d) { d.blank = std::nan(""); }, V{}, V{}, V{}, V{}, V{}, V{},
         V{L"График не построен: раствор 1 — высота осушенного экстрагента не является числом; раствор 2 — высота "
           L"осушенного экстрагента не является числом; раствор 3 — высота осушенного экстрагента не является "
           L"числом; раствор 4 — высота осушенного экстрагента не является числом."},
         L""},
        {"stopped", [](CalcDetails& d) { d = CalcDetails{}; }, V{}, V{}, V{}, V{}, V{}, V{},
         V{L"Проверки не выполнялись: расчёт не доведён до конца."}, L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        results.details = KnownDetails();
        c.change(results.details);
        Render(c.what == std::string("known") ? "evidence_report.html" : nullptr);
        EXPECT_EQ(Attributes(page, L"//circle", L"cx"), c.cx);
        EXPECT_EQ(Attributes(page, L"//circle", L"cy"), c.cy);
        EXPECT_EQ(Texts(page, L"//*[@class='x-tick']"), c.xTicks);
        EXPECT_EQ(Texts(page, L"//*[@class='y-tick']"), c.yTicks);
        EXPECT_EQ(Texts(page, L"//*[@class='x-title' or @class='y-title']"), c.titles);
        V sample = Attributes(page, L"//rect[@class='sample']", L"x");
        if (!sample.empty()) sample.push_back(Attributes(page, L"//rect[@class='sample']", L"y")[0]);
        EXPECT_EQ(sample, c.sample);
        EXPECT_EQ(Texts(page, L"//p[@class='aside']"), c.notes);
        EXPECT_EQ(Text(page.select_node(L"//p[@class='legend']")).substr(0, c.legend.size()), c.legend);
        // Outside the range: said beside the result, and the chart shows the range.
        const bool outside = results.details.inRange == std::optional<bool>(false);
        EXPECT_EQ(Texts(page, L"//p[@class='out-of-range']"),
                  outside ? V{L"Высота пика пробы вне диапазона градуировки (от 9.500 до 29.500)"} : V{});
        EXPECT_EQ(page.select_nodes(L"//*[@class='range']").size(), outside ? 1u : 0u);
        EXPECT_FALSE(Text(page.select_node(L"//span[@class='made']")).empty());
    }
    // The checks in the document's order, values as the document gives them.
    results.details = KnownDetails();
    Render();
    const V verdicts = Texts(page, L"//table[@class='checks']//td[@class='verdict']");
    ASSERT_EQ(verdicts.size(), 8u);
    EXPECT_EQ(verdicts[0], L"✖ не пройдена");
    EXPECT_EQ(verdicts[1], L"пройдена");
    EXPECT_EQ(verdicts[6], L"не проверена");
    EXPECT_EQ(Texts(page, L"//tr[@class='failed']/td[3]"), V{L"18.200"});
    EXPECT_EQ(Texts(page, L"//tr[@class='unjudged']/td[3]"), V{L"—"});
    EXPECT_EQ(Texts(page, L"//table[@class='levels']/thead/tr/th[7]"), V{L"Отклонение k от среднего, %"});
    EXPECT_EQ(Texts(page, L"//table[@class='levels']/tbody/tr/td[7]"), V(4, L"1.500"));
    EXPECT_EQ(Attributes(page, L"//*[@class='mean']", L"y2"), V{L"20.77"});
}

}  // namespace
