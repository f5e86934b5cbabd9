#include "report/dom_document.h"

#include <ole2.h>

HRESULT CreateDomDocument(ComPtr<IXMLDOMDocument3>& target)
{
    target.reset();
    ComPtr<IUnknown> object;
    constexpr DWORD anyServer = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER;
    HRESULT hr = CoCreateInstance(kClsidDomDocument60, nullptr, anyServer, IID_IUnknown,
                                  reinterpret_cast<void**>(object.put()));
    if (FAILED(hr)) {
        return hr;
    }
    hr = OleRun(object.get());
    if (FAILED(hr)) {
        return hr;
    }
    return object.queryInterface(kIidXmlDomDocument3, target);
}
