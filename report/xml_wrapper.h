#pragma once
// The report document under construction: a DOM document and its document element, with the few
// operations that append elements carrying typed values.

#include "owner/com.h"
#include "report/msxml6.h"

#include <cstdint>
#include <string_view>

// Every operation raises ComError: E_POINTER when it needs doc and doc is empty (or the parent is still
// empty), E_OUTOFMEMORY when a string for the DOM cannot be allocated, and the DOM's own HRESULT when a DOM
// call fails (with IID_IXMLDOMDocument for calls on the document, IID_IXMLDOMNode for calls on a node).
class XMLWrapper {
public:
    XMLWrapper() = default;
    XMLWrapper(const XMLWrapper&) = delete;
    XMLWrapper& operator=(const XMLWrapper&) = delete;
    // Releases root, then doc.
    virtual ~XMLWrapper();

    // Loads the empty report document, whose document element is "Document", and takes that element
    // into root. false when the text did not load (root is then left as it was).
    bool InitDocument();
    // Appends a new element to parent, or to root when parent is null. Empty, with nothing appended,
    // when the DOM created no element.
    ComPtr<IXMLDOMElement> AddElement(IXMLDOMElement* parent, std::wstring_view name);
    // AddElement, then the element's data type "string" and its value text.
    ComPtr<IXMLDOMElement> AddTextElement(IXMLDOMElement* parent, std::wstring_view name, std::wstring_view text);
    // AddElement, then the element's data type "i4" and its value.
    ComPtr<IXMLDOMElement> AddIntElement(IXMLDOMElement* parent, std::wstring_view name, int32_t value);

    // The DOM document; the report command creates it with CreateDomDocument.
    ComPtr<IXMLDOMDocument3> doc;
    // The document element; empty until InitDocument succeeds.
    ComPtr<IXMLDOMElement> root;

private:
    IXMLDOMDocument3& document() const;
};
