#include "report/style_sheet_check.h"

#include <pugixml.hpp>

#include <cwchar>
#include <new>

namespace {

constexpr std::wstring_view kXsltNamespace = L"http://www.w3.org/1999/XSL/Transform";
constexpr std::wstring_view kMsxslNamespace = L"urn:schemas-microsoft-com:xslt";

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
        if (CallsDocument(value.substr(start, i - start))) return true;
    }
    return false;
}

std::wstring_view LocalName(std::wstring_view qualified) {
    const size_t colon = qualified.find(L':');
    return colon == std::wstring_view::npos ? qualified : qualified.substr(colon + 1);
}

// The namespace an element's prefix stands for, from the nearest declaration on it or its ancestors; empty
// when none is declared.
std::wstring_view NamespaceOf(pugi::xml_node element) {
    const std::wstring_view qualified = element.name();
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

StyleSheetRefusal CheckElement(pugi::xml_node element) {
    const std::wstring_view local = LocalName(element.name());
    if (local == L"script" || local == L"import" || local == L"include") {
        const std::wstring_view space = NamespaceOf(element);
        if (local == L"script" && (space == kMsxslNamespace || space == kXsltNamespace))
            return StyleSheetRefusal::kScript;
        if (local != L"script" && space == kXsltNamespace) return StyleSheetRefusal::kImportOrInclude;
    }
    for (const pugi::xml_attribute attribute : element.attributes()) {
        const std::wstring_view value = attribute.value();
        if (IsNamespaceDeclaration(attribute.name()) || !CallsDocument(value)) continue;
        // An XSLT instruction's attributes are expressions, patterns or templates: any call counts. A literal
        // result element's attributes are text apart from their templates.
        if (NamespaceOf(element) == kXsltNamespace || TemplateCallsDocument(value))
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
