#include "report/xml_wrapper.h"

#include "report/com_error.h"

#include <string>
#include <utility>

namespace {

constexpr std::wstring_view startText = L"<?xml version=\"1.0\" encoding=\"UTF-8\"?><Document />";

UniqueBstr MakeBstr(std::wstring_view text, const IID& iid) {
    UniqueBstr s(SysAllocStringLen(text.data(), static_cast<UINT>(text.size())));
    if (!s.get()) {
        throw ComError(E_OUTOFMEMORY, iid);
    }
    return s;
}

Variant MakeValue(std::wstring_view text) {
    Variant value;
    V_BSTR(&value.get()) = MakeBstr(text, IID_IXMLDOMNode).release();
    V_VT(&value.get()) = VT_BSTR;
    return value;
}

Variant MakeValue(int32_t number) {
    Variant value;
    V_VT(&value.get()) = VT_I4;
    V_I4(&value.get()) = number;
    return value;
}

// Gives the element its data type and value. Wine's MSXML refuses typed values on elements (E_NOTIMPL);
// the element's text then carries the same value, so the tree and text are the same.
void SetTypedValue(IXMLDOMElement& element, std::wstring_view dataType, const Variant& value, std::wstring_view text) {
    const UniqueBstr type = MakeBstr(dataType, IID_IXMLDOMNode);
    CheckHr(element.put_dataType(type.get()), IID_IXMLDOMNode);
    HRESULT hr = element.put_nodeTypedValue(value.get());
    if (hr == E_NOTIMPL) {
        const UniqueBstr plain = MakeBstr(text, IID_IXMLDOMNode);
        hr = element.put_text(plain.get());
    }
    CheckHr(hr, IID_IXMLDOMNode);
}

}  // namespace

XMLWrapper::~XMLWrapper() {
    root.Reset();
    doc.Reset();
}

IXMLDOMDocument3& XMLWrapper::document() const {
    if (!doc) {
        throw ComError(E_POINTER, IID_IXMLDOMDocument);
    }
    return *doc.Get();
}

bool XMLWrapper::InitDocument() {
    IXMLDOMDocument3& d = document();
    const UniqueBstr text = MakeBstr(startText, IID_IXMLDOMDocument);
    VARIANT_BOOL loaded = VARIANT_FALSE;
    CheckHr(d.loadXML(text.get(), &loaded), IID_IXMLDOMDocument);
    if (loaded != VARIANT_TRUE) {
        return false;
    }
    CheckHr(d.get_documentElement(&root), IID_IXMLDOMDocument);
    return static_cast<bool>(root);
}

ComPtr<IXMLDOMElement> XMLWrapper::AddElement(IXMLDOMElement* parent, std::wstring_view name) {
    IXMLDOMDocument3& d = document();
    const UniqueBstr tag = MakeBstr(name, IID_IXMLDOMDocument);
    ComPtr<IXMLDOMElement> element;
    CheckHr(d.createElement(tag.get(), &element), IID_IXMLDOMDocument);
    if (!element) {
        return {};
    }
    IXMLDOMElement* target = parent ? parent : root.Get();
    if (!target) {
        throw ComError(E_POINTER, IID_IXMLDOMNode);
    }
    ComPtr<IXMLDOMNode> appended;
    CheckHr(target->appendChild(element.Get(), &appended), IID_IXMLDOMNode);
    return element;
}

ComPtr<IXMLDOMElement> XMLWrapper::AddTextElement(IXMLDOMElement* parent, std::wstring_view name,
                                                  std::wstring_view text) {
    ComPtr<IXMLDOMElement> element = AddElement(parent, name);
    if (element) {
        SetTypedValue(*element.Get(), L"string", MakeValue(text), text);
    }
    return element;
}

ComPtr<IXMLDOMElement> XMLWrapper::AddIntElement(IXMLDOMElement* parent, std::wstring_view name, int32_t value) {
    ComPtr<IXMLDOMElement> element = AddElement(parent, name);
    if (element) {
        SetTypedValue(*element.Get(), L"i4", MakeValue(value), std::to_wstring(value));
    }
    return element;
}
