// The style sheet check: what reaches outside the report's data or runs instructions beyond XSLT 1.0 is
// refused however it is spelt, and what only looks like it passes.
#include "report/style_sheet_check.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

using R = StyleSheetRefusal;

std::string Sheet(const std::string& body, const std::string& prolog = "") {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + prolog +
           "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\""
           " xmlns:ms=\"urn:schemas-microsoft-com:xslt\" xmlns:u=\"urn:user\">" +
           body + "</xsl:stylesheet>";
}

std::string Template(const std::string& body) {
    return Sheet("<xsl:template match=\"/\">" + body + "</xsl:template>");
}

TEST(StyleSheetCheck, RefusesWhatReachesOutsideAndPassesLookAlikes) {
    const struct {
        const char* name;
        std::string text;
        R expected;
    } cases[] = {
        {"DTD with an entity", Sheet("", "<!DOCTYPE x [<!ENTITY f SYSTEM \"file:///c:/secret\">]>"), R::kDoctype},
        {"DTD before a comment", "<!DOCTYPE x><!--c--><x/>", R::kDoctype},
        {"script", Sheet("<ms:script language=\"JScript\">1</ms:script>"), R::kScript},
        {"script, own prefix", Sheet("<q:script xmlns:q=\"urn:schemas-microsoft-com:xslt\"/>"), R::kScript},
        {"script of another namespace", Sheet("<u:script/>"), R::kNone},
        {"import", Sheet("<xsl:import href=\"a.xsl\"/>"), R::kImportOrInclude},
        {"include, default namespace",
         "<stylesheet version=\"1.0\" xmlns=\"http://www.w3.org/1999/XSL/Transform\"><include href=\"a\"/>"
         "</stylesheet>",
         R::kImportOrInclude},
        {"include, prefix redeclared",
         Sheet("<t:include xmlns:t=\"http://www.w3.org/1999/XSL/Transform\" href=\"a\"/>"), R::kImportOrInclude},
        {"import of another namespace", Sheet("<u:import/>"), R::kNone},
        {"document() in select", Template("<xsl:copy-of select=\"document('c:/secret')\"/>"), R::kDocumentFunction},
        {"document () in test", Template("<xsl:if test=\"count(document \n ('x'))\"/>"), R::kDocumentFunction},
        {"document() in a key's use", Sheet("<xsl:key name=\"k\" match=\"a\" use=\"document('x')\"/>"),
         R::kDocumentFunction},
        {"document() as a character reference", Template("<xsl:value-of select=\"&#100;ocument('x')\"/>"),
         R::kDocumentFunction},
        {"document() in an attribute value template", Template("<a href=\"{document('x')}\"/>"), R::kDocumentFunction},
        {"brace in a quoted literal", Template("<a href=\"{concat('}', document('x'))}\"/>"), R::kDocumentFunction},
        {"literal text of an attribute", Template("<a title=\"document (1) {{document(2)}}\"/>"), R::kNone},
        {"element named document", Template("<xsl:value-of select=\"document/title\"/><document/>"), R::kNone},
        {"text", Template("document('x')"), R::kNone},
        {"document in a string literal", Template("<xsl:value-of select=\"'a document (draft)'\"/>"), R::kNone},
        {"document in a template's literal", Template("<a title=\"{concat(&quot;document (&quot;, 1)}\"/>"), R::kNone},
        {"document() after a literal", Template("<xsl:value-of select=\"concat('a (', document('x'))\"/>"),
         R::kDocumentFunction},
        {"apostrophe in a template's text", Template("<xsl:element name=\"it's {document('x')}\"/>"),
         R::kDocumentFunction},
        {"xsl:document of XSLT 1.1", Template("<xsl:document href=\"x.html\">a</xsl:document>"),
         R::kUnknownXsltElement},
        {"XSLT 1.0's rarer elements", Template("<xsl:apply-imports/><xsl:number/><xsl:fallback/><xsl:comment/>"),
         R::kNone},
        {"extension prefixes on transform",
         "<t:transform xmlns:t=\"http://www.w3.org/1999/XSL/Transform\" extension-element-prefixes=\"\"/>",
         R::kExtensionElements},
        {"extension prefixes, literal result element", Template("<a xsl:extension-element-prefixes=\"u\"/>"),
         R::kExtensionElements},
        {"the same attribute as text", Template("<a extension-element-prefixes=\"u\"/>"), R::kNone},
        {"not XML", "<xsl:stylesheet", R::kNotReadable},
        {"empty", "", R::kNotReadable},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckStyleSheetBytes(c.text.data(), c.text.size()), c.expected) << c.name;
    }
}

TEST(StyleSheetCheck, ReadsTheEncodingTheFileDeclares) {
    // UTF-16 with its byte-order mark, as an editor may save it.
    const std::string utf8 = Sheet("", "<!DOCTYPE x>");
    std::string utf16 = "\xFF\xFE";
    for (const char c : utf8) {
        utf16 += c;
        utf16 += '\0';
    }
    EXPECT_EQ(CheckStyleSheetBytes(utf16.data(), utf16.size()), R::kDoctype);

    const std::wstring text = L"<x><y xmlns=\"urn:schemas-microsoft-com:xslt\"><script/></y></x>";
    EXPECT_EQ(CheckStyleSheetText(text), R::kScript);
}

TEST(StyleSheetCheck, PassesTheDefaultStyleSheet) {
    std::ifstream in("Report.xsl", std::ios::binary);
    ASSERT_TRUE(in) << "Report.xsl is not beside the test program";
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(CheckStyleSheetBytes(text.data(), text.size()), R::kNone);
}

}  // namespace
