#include "report/style_sheet_check.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <string>
#include <new>

namespace {

constexpr std::wstring_view kXsltNamespace = L"http://www.w3.org/1999/XSL/Transform";
constexpr std::wstring_view kMsxslNamespace = L"urn:schemas-microsoft-com:xslt";

// Every element XSLT 1.0 defines, in order.
constexpr std::wstring_view kXslt10Elements[] = {
    L"apply-imports",
    L"apply-templates",
    L"attribute",
    L"attribute-set",
    L"call-template",
    L"choose",
    L"comment",
    L"copy",
    L"copy-of",
    L"decimal-format",
    L"element",
    L"fallback",
    L"for-each",
    L"if",
    L"import",
    L"include",
    L"key",
    L"message",
    L"namespace-alias",
    L"number",
    L"otherwise",
    L"output",
    L"param",
    L"preserve-space",
    L"processing-instruction",
    L"sort",
    L"strip-space",
    L"stylesheet",
    L"template",
    L"text",
    L"transform",
    L"value-of",
    L"variable",
    L"when",
    L"with-param",
};

bool IsXslt10Element(std::wstring_view local) {
    return std::binary_search(std::begin(kXslt10Elements), std::end(kXslt10Elements), local);
}

bool IsXmlSpace(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n';
}

// "document", any white space, "(": the function call in XPath, however the author spaced it. A name that
// merely ends in "document" is refused too; no function of XSLT 1.0 has such a name.
bool CallsDocument(std::wstring_view expression) {
    constexpr std::wstring_view name = L"document";
    for (size_t at = expression.find(name); at != std::wstring_view::npos; at = expression.find(name, at + 1)) {
        size_t next = at + name.size();
        while (next < expression.size() && IsXmlSpace(expression[next])) ++next;
        if (next < expression.size() && expression[next] == L'(') return true;
    }
    return false;
}

// The same in an XPath expression, where a string literal ('…' or "…", no escapes) is only text: each one
// stands as a number token while the rest is searched. A literal left open runs to the end, as it would for
// the processor, which then refuses the expression.
bool ExpressionCallsDocument(std::wstring_view expression) {
    std::wstring outside;
    wchar_t quote = 0;
    for (const wchar_t c : expression) {
        if (quote != 0) {
            if (c == quote) quote = 0;
        } else if (c == L'\'' || c == L'"') {
            quote = c;
            outside += L'0';
        } else {
            outside += c;
        }
    }
    return CallsDocument(outside);
}

// The expressions of an attribute value template are what stands between single braces; "{{" and "}}"
// are literal braces, and a brace inside a quoted literal of an expression does not end it.
bool TemplateCallsDocument(std::wstring_view value) {
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] != L'{') continue;
        if (i + 1 < value.size() && value[i + 1] == L'{') {
            ++i;
            continue;
        }
        const size_t start = i + 1;
        wchar_t quote = 0;
        for (++i; i < value.size() && (quote || value[i] != L'}'); ++i) {
            if (quote == 0 && (value[i] == L'\'' || value[i] == L'"'))
                quote = value[i];
            else if (value[i] == quote)
                quote = 0;
        }
        // An expression left open runs to the end of the value.
        if (ExpressionCallsDocument(value.substr(start, i - start))) return true;
    }
    return false;
}

std::wstring_view LocalName(std::wstring_view qualified) {
    const size_t colon = qualified.find(L':');
    return colon == std::wstring_view::npos ? qualified : qualified.substr(colon + 1);
}

// The namespace a name's prefix stands for on element, from the nearest declaration on it or its ancestors
// (the default namespace for an element's name without a prefix); empty when none is declared.
std::wstring_view NamespaceOf(pugi::xml_node element, std::wstring_view qualified) {
    const size_t colon = qualified.find(L':');
    const std::wstring declaration =
        colon == std::wstring_view::npos ? L"xmlns" : L"xmlns:" + std::wstring(qualified.substr(0, colon));
    for (pugi::xml_node node = element; node.type() == pugi::node_element; node = node.parent()) {
        if (const pugi::xml_attribute declared = node.attribute(declaration.c_str())) return declared.value();
    }
    return {};
}

bool IsNamespaceDeclaration(std::wstring_view name) {
    return name == L"xmlns" || name.substr(0, 6) == L"xmlns:";
}

// extension-element-prefixes without a prefix belongs to XSLT's own elements (xsl:stylesheet,
// xsl:transform); on any other element it counts in the XSLT namespace, whatever its prefix.
bool DeclaresExtensions(pugi::xml_node element, std::wstring_view attribute, bool inXslt) {
    if (LocalName(attribute) != L"extension-element-prefixes") return false;
    return attribute.find(L':') == std::wstring_view::npos ? inXslt : NamespaceOf(element, attribute) == kXsltNamespace;
}

StyleSheetRefusal CheckElement(pugi::xml_node element) {
    const std::wstring_view local = LocalName(element.name());
    const std::wstring_view space = NamespaceOf(element, element.name());
    const bool inXslt = space == kXsltNamespace;
    if (local == L"script" && (space == kMsxslNamespace || inXslt)) return StyleSheetRefusal::kScript;
    if (inXslt && (local == L"import" || local == L"include")) return StyleSheetRefusal::kImportOrInclude;
    if (inXslt && !IsXslt10Element(local)) return StyleSheetRefusal::kUnknownXsltElement;
    for (const pugi::xml_attribute attribute : element.attributes()) {
        const std::wstring_view name = attribute.name();
        if (IsNamespaceDeclaration(name)) continue;
        if (DeclaresExtensions(element, name, inXslt)) return StyleSheetRefusal::kExtensionElements;
        const std::wstring_view value = attribute.value();
        if (!CallsDocument(value)) continue;
        // An XSLT instruction's attribute is an expression, a pattern, a template or plain text: a call found
        // by the rules of either of the first and the third counts. A literal result element's attributes are
        // text apart from their templates.
        if ((inXslt && ExpressionCallsDocument(value)) || TemplateCallsDocument(value))
            return StyleSheetRefusal::kDocumentFunction;
    }
    return StyleSheetRefusal::kNone;
}

// Walks the tree without recursion, so that deep nesting costs no stack.
class RefusalFinder : public pugi::xml_tree_walker {
public:
    bool for_each(pugi::xml_node& node) override {
        if (node.type() == pugi::node_doctype)
            found = StyleSheetRefusal::kDoctype;
        else if (node.type() == pugi::node_element)
            found = CheckElement(node);
        return found == StyleSheetRefusal::kNone;
    }

    StyleSheetRefusal found = StyleSheetRefusal::kNone;
};

StyleSheetRefusal Check(pugi::xml_document& document, const pugi::xml_parse_result& parsed) {
    if (!parsed) return StyleSheetRefusal::kNotReadable;
    RefusalFinder finder;
    document.traverse(finder);
    return finder.found;
}

// Declarations are kept so that a DOCTYPE anywhere at the top level is seen; everything else is parsed as
// pugixml does by default.
constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_doctype;

StyleSheetRefusal CheckBuffer(const void* data, size_t size, pugi::xml_encoding encoding) {
    try {
        pugi::xml_document document;
        const pugi::xml_parse_result parsed = document.load_buffer(data, size, kParseOptions, encoding);
        return Check(document, parsed);
    } catch (const std::bad_alloc&) {
        // What cannot be looked at is not handed on.
        return StyleSheetRefusal::kNotReadable;
    }
}

}  // namespace

StyleSheetRefusal CheckStyleSheetBytes(const void* bytes, size_t size) {
    return CheckBuffer(bytes, size, pugi::encoding_auto);
}

StyleSheetRefusal CheckStyleSheetText(std::wstring_view text) {
    return CheckBuffer(text.data(), text.size() * sizeof(wchar_t), pugi::encoding_wchar);
}
