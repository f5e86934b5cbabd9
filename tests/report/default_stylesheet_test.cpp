// The page the default style sheet makes of a report document.
#include "report/report_builder.h"

#include "calc/sample_set.h"
#include "calc/water_calculator.h"
#include "report/time_text.h"
#include "tests/report/report_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

namespace {

std::wstring Text(const pugi::xpath_node& node) {
    return node.node().text().get();
}

std::vector<std::wstring> Texts(const pugi::xml_document& page, const wchar_t* xpath) {
    std::vector<std::wstring> texts;
    for (const pugi::xpath_node& node : page.select_nodes(xpath)) {
        texts.push_back(node.node().child_value());
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
    Render("complete_report.html");

    // An HTML page that says it is UTF-8.
    EXPECT_STREQ(page.document_element().name(), L"html");
    EXPECT_NE(bytes.find("<meta charset=\"utf-8\""), std::string::npos);
    EXPECT_EQ(Text(page.select_node(L"/html/head/title")), L"Расчёт-462 ЗЮЛК-04-04 Нарвелин — отчёт");

    const pugi::xpath_node_set rows = page.select_nodes(L"//table[1]/tbody/tr");
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(set.count()));
    const pugi::xml_node twelfth = rows[11].node();
    EXPECT_EQ(Texts(page, L"//table[1]/thead/tr/th"),
              (std::vector<std::wstring>{L"№", L"Файл", L"Проба", L"Время анализа", L"Тип расчёта", L"Метод"}));
    std::vector<std::wstring> cells;
    for (const pugi::xml_node& cell : twelfth.children(L"td")) {
        cells.push_back(cell.child_value());
    }
    EXPECT_EQ(cells, (std::vector<std::wstring>{L"12", L"12.chr", chromatograms[11].sample,
                                                AnalyseTimeText(1738937100 + 600 * 11), L"анализ", L"Вода в масле"}));
    EXPECT_EQ(twelfth.child(L"td").next_sibling(L"td").child(L"div").child_value(),
              std::wstring(L"C:\\Хроматограммы\\2025\\12.chr"));
    // The sample name is text: no element of it reached the page.
    EXPECT_EQ(twelfth.child(L"td").next_sibling().next_sibling().child_value(), std::wstring(chromatograms[11].sample));
    EXPECT_TRUE(page.select_nodes(L"//script").empty());
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
    };
    for (const auto& c : cases) {
        set.removeAll();
        if (c.withEntry) {
            AddEntry(L"a.chr", L"проба", L"анализ");
        }
        results.water = c.water;
        results.errorText = c.errorText;
        Render();
        EXPECT_EQ(Texts(page, L"//p[@class='note']"), c.notes);
        EXPECT_EQ(Texts(page, L"//div[@class='value']"), c.values);
        EXPECT_EQ(Texts(page, L"//ul/li"), c.messages);
        EXPECT_EQ(Texts(page, L"//p[@class='warning']").size(), c.warned ? 1u : 0u);
        EXPECT_TRUE(page.select_nodes(L"//li/*").empty());
    }
}

}  // namespace

namespace {

// The calibration of a known determination: contents 0.998, 0.998, 1.996, 2.994, heights 10, 10, 20, 30 over
// a blank of 0.5; the first check failed and the seventh not judged.
CalcDetails KnownDetails() {
    CalcDetails d;
    d.complete = true;
    for (CheckOutcome& check : d.checks) check = {1.0, 10.0, true, true};
    d.checks[0] = {18.2, 10.0, true, false};
    d.checks[6].judged = false;
    d.blank = 0.5;
    const double contents[] = {0.998, 0.998, 1.996, 2.994}, heights[] = {10, 10, 20, 30};
    for (std::size_t i = 0; i < 4; ++i)
        d.levels[i] = {1.0, contents[i], heights[i], contents[i] / (heights[i] - 0.5), 2};
    d.kMean = 0.103489;
    return d;
}

std::vector<std::wstring> Attributes(const pugi::xml_document& page, const wchar_t* xpath, const wchar_t* name) {
    std::vector<std::wstring> values;
    for (const pugi::xpath_node& node : page.select_nodes(xpath)) values.push_back(node.node().attribute(name).value());
    return values;
}

TEST_F(DefaultStyleSheet, ChecksTableAndCalibrationChart) {
    using V = std::vector<std::wstring>;
    struct Case {
        const char* what;
        void (*change)(CalcDetails&);
        V cx, cy, xTicks, yTicks, asides;
    } const cases[] = {
        // 160 units per content unit from x 70, 260/30 per height unit up from y 276.
        {"known", [](CalcDetails&) {}, V{L"229.68", L"229.68", L"389.36", L"549.04"},
         V{L"193.67", L"193.67", L"107", L"20.33"}, V{L"0", L"1", L"2", L"3"}, V{L"0", L"10", L"20", L"30"}, V{}},
        {"level 2 not a number", [](CalcDetails& d) { d.levels[1].content = std::nan(""); },
         V{L"229.68", L"389.36", L"549.04"}, V{L"193.67", L"107", L"20.33"}, V{L"0", L"1", L"2", L"3"},
         V{L"0", L"10", L"20", L"30"}, V{L"Не на графике (значения не являются числами): уровни 2."}},
        {"small values",
         [](CalcDetails& d) {
             for (LevelDetails& l : d.levels) l.content /= 1000;
         },
         V{L"229.68", L"229.68", L"389.36", L"549.04"}, V{L"193.67", L"193.67", L"107", L"20.33"},
         V{L"0", L"0.001", L"0.002", L"0.003"}, V{L"0", L"10", L"20", L"30"}, V{}},
        {"no blank", [](CalcDetails& d) { d.blank = std::nan(""); }, V{}, V{}, V{}, V{},
         V{L"График не построен: содержание воды или высоты пиков не являются числами."}},
        {"stopped", [](CalcDetails& d) { d = CalcDetails{}; }, V{}, V{}, V{}, V{},
         V{L"Проверки не выполнялись: расчёт не доведён до конца."}},
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
        EXPECT_EQ(Texts(page, L"//p[@class='aside' and not(starts-with(., 'Точки'))]"), c.asides);
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
    EXPECT_EQ(Attributes(page, L"//*[@class='mean']", L"y2"), V{L"24.77"});
}

}  // namespace
