#include "report/transform_and_open.h"

#include "report/com_error.h"
#include "report/dom_document.h"
#include "report/report_messages.h"

#include <new>
#include <string_view>
#include <utility>

namespace {

// A step of the rendering failed; the reason is what the analyst is told.
struct RenderFailure {
    std::wstring reason;
};

ComPtr<IXMLDOMDocument3> NewDocument()
{
    ComPtr<IXMLDOMDocument3> document;
    const HRESULT hr = CreateDomDocument(document);
    if (FAILED(hr)) {
        throw RenderFailure{DomUnavailableReason(hr)};
    }
    CheckHr(document->put_async(VARIANT_FALSE), IID_IXMLDOMDocument);
    return document;
}

Variant PathValue(const std::wstring& path)
{
    Variant value;
    V_BSTR(&value.get()) = SysAllocStringLen(path.data(), static_cast<UINT>(path.size()));
    if (!V_BSTR(&value.get())) {
        throw std::bad_alloc();
    }
    V_VT(&value.get()) = VT_BSTR;
    return value;
}

ComPtr<IXMLDOMDocument3> LoadStyleSheet(const std::wstring& path)
{
    ComPtr<IXMLDOMDocument3> styleSheet = NewDocument();
    VARIANT_BOOL loaded = VARIANT_FALSE;
    const HRESULT hr = styleSheet->load(PathValue(path).get(), &loaded);
    if (FAILED(hr) || loaded != VARIANT_TRUE) {
        throw RenderFailure{StyleSheetNotLoadedReason(path)};
    }
    return styleSheet;
}

void Render(IXMLDOMDocument3* report, const std::wstring& styleSheetPath, const std::wstring& outputPath)
{
    if (!report) {
        throw ComError(E_POINTER, IID_IXMLDOMDocument);
    }
    const ComPtr<IXMLDOMDocument3> output = NewDocument();
    const ComPtr<IXMLDOMDocument3> styleSheet = LoadStyleSheet(styleSheetPath);

    ComPtr<IDispatch> target;
    CheckHr(output.queryInterface(IID_IDispatch, target), IID_IXMLDOMDocument);
    Variant targetValue;
    V_VT(&targetValue.get()) = VT_DISPATCH;
    V_DISPATCH(&targetValue.get()) = target.detach();
    const HRESULT transformed = report->transformNodeToObject(styleSheet.get(), targetValue.get());
    if (FAILED(transformed)) {
        throw RenderFailure{TransformFailedReason(transformed)};
    }
    // S_FALSE is how Wine's MSXML says the result was not well-formed: the output document stays empty.
    ComPtr<IXMLDOMElement> element;
    CheckHr(output->get_documentElement(element.put()), IID_IXMLDOMDocument);
    if (transformed != S_OK || !element) {
        throw RenderFailure{TransformEmptyReason()};
    }

    const HRESULT saved = output->save(PathValue(outputPath).get());
    if (FAILED(saved)) {
        // Whatever part of the file was written is no report.
        DeleteFileW(outputPath.c_str());
        throw RenderFailure{SaveFailedReason(outputPath, saved)};
    }
}

} // namespace

TransformResult TransformAndOpen(ComPtr<IXMLDOMDocument3> report, const std::wstring& styleSheetPath,
                                 const std::wstring& outputPath, bool open, const ShellExecuteFunction& shellExecute)
{
    const ComPtr<IXMLDOMDocument3> document = std::move(report);
    const ComInitialization com;
    // A thread its owner made multithreaded has COM all the same; the DOM works there too.
    if (FAILED(com.result()) && com.result() != RPC_E_CHANGED_MODE) {
        return {1, ComInitializationReason(com.result())};
    }
    try {
        Render(document.get(), styleSheetPath, outputPath);
    } catch (const RenderFailure& failure) {
        return {1, failure.reason};
    } catch (const ComError& error) {
        return {1, TransformFailedReason(error.hr())};
    } catch (const std::bad_alloc&) {
        return {1, OutOfMemoryReason()};
    }
    if (open) {
        shellExecute(nullptr, L"open", outputPath.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
    }
    return {0, {}};
}
