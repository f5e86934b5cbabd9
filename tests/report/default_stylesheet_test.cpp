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

std::wstring Text(const pugi::xpath_node& node)
{
    return node.node().text().get();
}

std::vector<std::wstring> Texts(const pugi::xml_document& page, const wchar_t* xpath)
{
    std::vector<std::wstring> texts;
    for (const pugi::xpath_node& node : page.select_nodes(xpath)) {
        texts.push_back(node.node().child_value());
    }
    return texts;
}

class DefaultStyleSheet : public ComTest {
protected:
    void SetUp() override
    {
        ComTest::SetUp();
        recorder.publicDocuments = publicDocuments.path();
        publicDocuments.write(L"Veltrox4\\talvex7\\Report.xsl", ::DefaultStyleSheet());
        builder.bind(results, set);
    }

    // Makes the report and parses its page; the bytes are kept for the checks on the raw text.
    void Render(const char* keepAs = nullptr)
    {
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

    void AddEntry(const wchar_t* filename, const wchar_t* sample, const wchar_t* roleText)
    {
        AssayEntry entry;
        entry.id = set.count() + 1;
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
    ReportBuilder builder;
    std::string bytes;
    pugi::xml_document page;
};

TEST_F(DefaultStyleSheet, ShowsACompleteDetermination)
{
    const struct {
        const wchar_t* sample;
        const wchar_t* role;
    } chromatograms[] = {
        {L"осуш град", L"осуш. градуировка"}, {L"град1 а", L"Градуировка 1"}, {L"град1 б", L"Градуировка 1"},
        {L"град2 а", L"Градуировка 2"},       {L"град2 б", L"Градуировка 2"}, {L"град3 а", L"Градуировка 3"},
        {L"град3 б", L"Градуировка 3"},       {L"град4 а", L"Градуировка 4"}, {L"град4 б", L"Градуировка 4"},
        {L"проба осуш а", L"осуш. анализ"},   {L"проба осуш б", L"осуш. анализ"},
        {L"проба <script>alert(1)</script> & \"кавычки\"", L"анализ"}, {L"проба б", L"анализ"},
    };
    for (const auto& c : chromatograms) {
        AddEntry((L"C:\\Хроматограммы\\2025\\" + std::to_wstring(set.count() + 1) + L".chr").c_str(), c.sample, c.role);
    }
    results.m1 = results.m2 = results.m3 = results.m4 = 10;
    results.portionMass = 2;
    results.sampleMass = 4;
    results.water = 4.0;
    results.errorText = L"Проверка осушенного экстрагента в градуировке не пройдена (11.1 4а)\r\n"
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

TEST_F(DefaultStyleSheet, SaysWhatIsMissingAndNeverThatChecksPassed)
{
    const struct {
        bool withEntry;
        double water;
        const wchar_t* errorText;
        std::vector<std::wstring> notes;
        std::vector<std::wstring> values;
        std::vector<std::wstring> messages;
        bool warned = false; // the value comes with the note that the determination fails the method
    } cases[] = {
        // Before any calculation.
        {false, 0, L"",
         {L"Хроматограммы не выбраны.", L"Расчёт не выполнялся.", L"Сообщений о непройденных проверках нет."},
         {},
         {}},
        // A calculation without messages; a small negative keeps its sign as "%.3f" writes it.
        {true, -0.0001, L"", {L"Сообщений о непройденных проверках нет."}, {L"-0.000"}, {}},
        // Only the markers split the list; markup-like text stays text.
        {false, 1, L"первое < второе & <b>третье</b>\r\nбез конца строки", {L"Хроматограммы не выбраны."}, {L"1.000"},
         {L"первое < второе & <b>третье</b>", L"без конца строки"}, true},
        // Nothing computed: no number is shown, and the reason is listed.
        {true, std::nan(""), L"Неполный набор: «анализ» — пиков воды 0, нужно 2\r\n",
         {}, {L"не рассчитана"}, {L"Неполный набор: «анализ» — пиков воды 0, нужно 2"}, true},
        {true, std::numeric_limits<double>::infinity(), L"", {L"Сообщений о непройденных проверках нет."},
         {L"не рассчитана"}, {}},
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

} // namespace
