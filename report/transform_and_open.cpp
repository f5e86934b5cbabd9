#include "report/transform_and_open.h"

#include "owner/handles.h"
#include "report/com_error.h"
#include "report/dom_document.h"
#include "report/report_messages.h"
#include "report/style_sheet_check.h"

#include <algorithm>
#include <new>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// A step of the rendering failed; the reason is what the analyst is told.
struct RenderFailure {
    std::wstring reason;
};

ComPtr<IXMLDOMDocument3> NewDocument(TextSource texts) {
    ComPtr<IXMLDOMDocument3> document;
    const HRESULT hr = CreateDomDocument(document);
    if (FAILED(hr)) {
        throw RenderFailure{DomUnavailableReason(texts, hr)};
    }
    CheckHr(document->put_async(VARIANT_FALSE), IID_IXMLDOMDocument);
    return document;
}

Variant PathValue(const std::wstring& path) {
    Variant value;
    V_BSTR(&value.get()) = SysAllocStringLen(path.data(), static_cast<UINT>(path.size()));
    if (!V_BSTR(&value.get())) {
        throw std::bad_alloc();
    }
    V_VT(&value.get()) = VT_BSTR;
    return value;
}

// The style sheet file's bytes, read once: what is checked is what MSXML then parses, whatever is written to
// the file meanwhile.
std::vector<unsigned char> ReadStyleSheetFile(TextSource texts, const std::wstring& path) {
    const HANDLE opened = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    const UniqueFile file(opened == INVALID_HANDLE_VALUE ? nullptr : opened);
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart > MAXDWORD) {
        throw RenderFailure{StyleSheetNotLoadedReason(texts, path)};
    }
    std::vector<unsigned char> bytes(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() && (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
                           read != bytes.size())) {
        throw RenderFailure{StyleSheetNotLoadedReason(texts, path)};
    }
    return bytes;
}

void RefuseOutsideReads(TextSource texts, StyleSheetRefusal refusal, const std::wstring& path) {
    if (refusal != StyleSheetRefusal::kNone) {
        throw RenderFailure{StyleSheetRefusedReason(texts, refusal, path)};
    }
}

// The bytes as a VARIANT MSXML's load takes (a one-dimensional array of bytes), so that it detects their
// encoding itself, as from the file.
Variant BytesValue(const std::vector<unsigned char>& bytes) {
    Variant value;
    SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.size()));
    if (!array) {
        throw std::bad_alloc();
    }
    V_ARRAY(&value.get()) = array;
    V_VT(&value.get()) = VT_ARRAY | VT_UI1;
    void* data = nullptr;
    CheckHr(SafeArrayAccessData(array, &data), IID_IXMLDOMDocument);
    std::copy(bytes.begin(), bytes.end(), static_cast<unsigned char*>(data));
    SafeArrayUnaccessData(array);
    return value;
}

// Loads the style sheet, refusing one that reaches outside the report's data: first by its bytes, before
// MSXML parses anything (entities of a DTD are read while parsing), then by the text MSXML made of them, in
// case it read an encoding differently.
ComPtr<IXMLDOMDocument3> LoadStyleSheet(TextSource texts, const std::wstring& path) {
    const std::vector<unsigned char> bytes = ReadStyleSheetFile(texts, path);
    RefuseOutsideReads(texts, CheckStyleSheetBytes(bytes.data(), bytes.size()), path);

    ComPtr<IXMLDOMDocument3> styleSheet = NewDocument(texts);
    VARIANT_BOOL loaded = VARIANT_FALSE;
    const HRESULT hr = styleSheet->load(BytesValue(bytes).get(), &loaded);
    if (FAILED(hr) || loaded != VARIANT_TRUE) {
        throw RenderFailure{StyleSheetNotLoadedReason(texts, path)};
    }
    BSTR parsed = nullptr;
    const HRESULT written = styleSheet->get_xml(&parsed);
    const UniqueBstr text(parsed);
    CheckHr(written, IID_IXMLDOMDocument);
    RefuseOutsideReads(texts, CheckStyleSheetText({parsed, SysStringLen(parsed)}), path);
    return styleSheet;
}

void Render(TextSource texts, IXMLDOMDocument3* report, const std::wstring& styleSheetPath,
            const std::wstring& outputPath) {
    if (!report) {
        throw ComError(E_POINTER, IID_IXMLDOMDocument);
    }
    const ComPtr<IXMLDOMDocument3> output = NewDocument(texts);
    const ComPtr<IXMLDOMDocument3> styleSheet = LoadStyleSheet(texts, styleSheetPath);

    ComPtr<IDispatch> target;
    CheckHr(output.CopyTo(IID_IDispatch, &target), IID_IXMLDOMDocument);
    Variant targetValue;
    V_VT(&targetValue.get()) = VT_DISPATCH;
    V_DISPATCH(&targetValue.get()) = target.Detach();
    const HRESULT transformed = report->transformNodeToObject(styleSheet.Get(), targetValue.get());
    if (FAILED(transformed)) {
        throw RenderFailure{TransformFailedReason(texts, transformed)};
    }
    // S_FALSE is how Wine's MSXML says the result was not well-formed: the output document stays empty.
    ComPtr<IXMLDOMElement> element;
    CheckHr(output->get_documentElement(&element), IID_IXMLDOMDocument);
    if (transformed != S_OK || !element) {
        throw RenderFailure{TransformEmptyReason(texts)};
    }

    const HRESULT saved = output->save(PathValue(outputPath).get());
    if (FAILED(saved)) {
        // Whatever part of the file was written is no report.
        DeleteFileW(outputPath.c_str());
        throw RenderFailure{SaveFailedReason(texts, outputPath, saved)};
    }
}

}  // namespace

TransformResult TransformAndOpen(TextSource texts, ComPtr<IXMLDOMDocument3> report, const std::wstring& styleSheetPath,
                                 const std::wstring& outputPath, bool open, const ShellExecuteFunction& shellExecute) {
    const ComPtr<IXMLDOMDocument3> document = std::move(report);
    // A thread its owner made multithreaded has COM all the same; the DOM works there too.
    const OleInitialization com;
    if (!com.IsReady()) {
        return {TransformOutcome::kFailed, ComInitializationReason(texts, com.Result())};
    }
    try {
        Render(texts, document.Get(), styleSheetPath, outputPath);
    } catch (const RenderFailure& failure) {
        return {TransformOutcome::kFailed, failure.reason};
    } catch (const ComError& error) {
        return {TransformOutcome::kFailed, TransformFailedReason(texts, error.hr())};
    } catch (const std::bad_alloc&) {
        return {TransformOutcome::kFailed, OutOfMemoryReason(texts)};
    }
    if (open) {
        // ShellExecuteW answers a number above 32 when it opened the file; the report stays saved either way.
        const INT_PTR answer = reinterpret_cast<INT_PTR>(
            shellExecute(nullptr, L"open", outputPath.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED));
        if (answer <= 32) {
            return {TransformOutcome::kNotOpened, ReportNotOpenedMessage(texts, outputPath, static_cast<int>(answer))};
        }
    }
    return {};
}
