#include "report/xml_wrapper.h"

#include "report/com_error.h"
#include "report/dom_document.h"
#include "tests/report/report_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring Take(BSTR text) {
    std::wstring result(text, SysStringLen(text));
    SysFreeString(text);
    return result;
}

class XMLWrapperTest : public ComTest {
protected:
    void SetUp() override {
        ComTest::SetUp();
        ASSERT_EQ(CreateDomDocument(xml.doc), S_OK);
    }

    std::wstring Xml() const {
        BSTR text = nullptr;
        EXPECT_EQ(xml.doc->get_xml(&text), S_OK);
        return Take(text);
    }

    std::wstring Text(IXMLDOMElement* element) const {
        BSTR text = nullptr;
        EXPECT_EQ(element->get_text(&text), S_OK);
        return Take(text);
    }

    XMLWrapper xml;
};

template <class Operation>
void ExpectComError(Operation operation, HRESULT hr, const IID& iid) {
    try {
        operation();
        ADD_FAILURE() << "no COM error raised";
    } catch (const ComError& error) {
        EXPECT_EQ(error.hr(), hr);
        EXPECT_TRUE(IsEqualIID(error.iid(), iid));
    }
}

TEST_F(XMLWrapperTest, RaisesEPointerWithTheInterfaceOfTheMissingObject) {
    XMLWrapper empty;
    ExpectComError([&] { empty.InitDocument(); }, E_POINTER, IID_IXMLDOMDocument);
    ExpectComError([&] { empty.AddElement(nullptr, L"files"); }, E_POINTER, IID_IXMLDOMDocument);
    ExpectComError([&] { empty.AddTextElement(nullptr, L"m1", L"0.000"); }, E_POINTER, IID_IXMLDOMDocument);
    ExpectComError([&] { empty.AddIntElement(nullptr, L"name", 1); }, E_POINTER, IID_IXMLDOMDocument);

    // A document without its document element: the parent of the append is missing.
    ExpectComError([&] { xml.AddTextElement(nullptr, L"m1", L"0.000"); }, E_POINTER, IID_IXMLDOMNode);
    EXPECT_FALSE(xml.root);

    // The analyst's message quotes the code so.
    EXPECT_EQ(HresultText(E_POINTER), L"0x80004003");
    EXPECT_EQ(HresultText(S_FALSE), L"0x00000001");
    EXPECT_EQ(HresultText(static_cast<HRESULT>(0xC00CE556)), L"0xC00CE556");
}

TEST_F(XMLWrapperTest, BuildsElementsThatKeepTheirValuesAsText) {
    ASSERT_TRUE(xml.InitDocument());
    ASSERT_TRUE(xml.root);
    BSTR name = nullptr;
    ASSERT_EQ(xml.root->get_tagName(&name), S_OK);
    EXPECT_EQ(Take(name), L"Document");

    // A second start replaces the first document; it does not nest or add.
    xml.AddElement(nullptr, L"files");
    ASSERT_TRUE(xml.InitDocument());
    EXPECT_EQ(Xml().find(L"files"), std::wstring::npos);

    const ComPtr<IXMLDOMElement> files = xml.AddElement(nullptr, L"files");
    ASSERT_TRUE(files);
    const struct {
        int32_t value;
        const wchar_t* text;
    } numbers[] = {{1, L"1"}, {-5, L"-5"}, {2147483647, L"2147483647"}, {-2147483647 - 1, L"-2147483648"}};
    for (const auto& number : numbers) {
        const ComPtr<IXMLDOMElement> element = xml.AddIntElement(files.Get(), L"name", number.value);
        ASSERT_TRUE(element);
        EXPECT_EQ(Text(element.Get()), number.text);
    }
    const wchar_t* texts[] = {L"", L"Проба 1 <script>&\"'", L"C:\\Данные\\2025\\a.chr", L"a<br />b<br />"};
    for (const wchar_t* text : texts) {
        const ComPtr<IXMLDOMElement> element = xml.AddTextElement(nullptr, L"err", text);
        ASSERT_TRUE(element);
        EXPECT_EQ(Text(element.Get()), text);
    }
    // Markup in a value is escaped text in the document, never elements.
    EXPECT_EQ(Xml().find(L"<script>"), std::wstring::npos);
    EXPECT_NE(Xml().find(L"&lt;script&gt;"), std::wstring::npos);
}

}  // namespace
