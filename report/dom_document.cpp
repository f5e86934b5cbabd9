#include "report/dom_document.h"

#include <ole2.h>

#include <cwchar>
#include <utility>

namespace {

// What a document may read besides its own text. The style sheet lives in a folder every user can write, so
// none of MSXML's ways of reaching other files or running code is left to its defaults: scripts and
// document() in style sheets, DTDs and the external entities and schemas they name.
HRESULT ForbidOutsideReads(IXMLDOMDocument2& document) {
    const struct {
        const wchar_t* name;
        VARIANT_BOOL value;
    } properties[] = {
        {L"AllowXsltScript", VARIANT_FALSE},
        {L"AllowDocumentFunction", VARIANT_FALSE},
        {L"ProhibitDTD", VARIANT_TRUE},
        {L"ResolveExternals", VARIANT_FALSE},
    };
    for (const auto& property : properties) {
        const UniqueBstr name(SysAllocStringLen(property.name, static_cast<UINT>(std::wcslen(property.name))));
        if (!name.get()) {
            return E_OUTOFMEMORY;
        }
        VARIANT value;
        VariantInit(&value);
        V_VT(&value) = VT_BOOL;
        V_BOOL(&value) = property.value;
        const HRESULT hr = document.setProperty(name.get(), value);
        if (FAILED(hr)) {
            return hr;
        }
    }
    return S_OK;
}

}  // namespace

HRESULT CreateDomDocument(ComPtr<IXMLDOMDocument3>& target) {
    target.Reset();
    ComPtr<IUnknown> object;
    constexpr DWORD anyServer =
        CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER;
    HRESULT hr = CoCreateInstance(kClsidDomDocument60, nullptr, anyServer, IID_IUnknown, &object);
    if (FAILED(hr)) {
        return hr;
    }
    hr = OleRun(object.Get());
    if (FAILED(hr)) {
        return hr;
    }
    ComPtr<IXMLDOMDocument3> document;
    hr = object.CopyTo(kIidXmlDomDocument3, &document);
    if (FAILED(hr)) {
        return hr;
    }
    hr = ForbidOutsideReads(*document.Get());
    if (FAILED(hr)) {
        return hr;
    }
    target = std::move(document);
    return S_OK;
}
