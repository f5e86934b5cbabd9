#include "report/report_messages.h"

#include "dialogkit/resources.h"
#include "report/com_error.h"
#include "strings/format_text.h"
#include "strings/string_ids.h"

using dialogkit::ResourceText;

std::wstring NoPublicDocumentsMessage() {
    return std::wstring(ResourceText(IDS_NO_PUBLIC_DOCUMENTS));
}

std::wstring ReportFailureMessage(std::wstring_view reason) {
    return FormatText(ResourceText(IDS_REPORT_FAILED), {reason});
}

std::wstring DomUnavailableReason(HRESULT hr) {
    return FormatText(ResourceText(IDS_DOM_UNAVAILABLE), {HresultText(hr)});
}

std::wstring BuildFailedReason(HRESULT hr) {
    return FormatText(ResourceText(IDS_REPORT_DATA_FAILED), {HresultText(hr)});
}

std::wstring NoTemporaryFileReason() {
    return std::wstring(ResourceText(IDS_NO_TEMPORARY_FILE));
}

std::wstring ComInitializationReason(HRESULT hr) {
    return FormatText(ResourceText(IDS_COM_NOT_READY), {HresultText(hr)});
}

std::wstring StyleSheetNotLoadedReason(std::wstring_view path) {
    return FormatText(ResourceText(IDS_STYLE_SHEET_NOT_LOADED), {path});
}

std::wstring StyleSheetRefusedReason(StyleSheetRefusal refusal, std::wstring_view path) {
    static constexpr struct {
        StyleSheetRefusal refusal;
        UINT what;
    } kReasons[] = {
        {StyleSheetRefusal::kDoctype, IDS_REFUSAL_DOCTYPE},
        {StyleSheetRefusal::kScript, IDS_REFUSAL_SCRIPT},
        {StyleSheetRefusal::kImportOrInclude, IDS_REFUSAL_IMPORT},
        {StyleSheetRefusal::kDocumentFunction, IDS_REFUSAL_DOCUMENT},
        {StyleSheetRefusal::kUnknownXsltElement, IDS_REFUSAL_XSLT_ELEMENT},
        {StyleSheetRefusal::kExtensionElements, IDS_REFUSAL_EXTENSION},
    };
    for (const auto& reason : kReasons) {
        if (reason.refusal == refusal) {
            return FormatText(ResourceText(IDS_STYLE_SHEET_REFUSED), {ResourceText(reason.what), path});
        }
    }
    // What the check could not read is a style sheet that does not load.
    return StyleSheetNotLoadedReason(path);
}

std::wstring TransformFailedReason(HRESULT hr) {
    return FormatText(ResourceText(IDS_TRANSFORM_FAILED), {HresultText(hr)});
}

std::wstring TransformEmptyReason() {
    return std::wstring(ResourceText(IDS_TRANSFORM_EMPTY));
}

std::wstring SaveFailedReason(std::wstring_view path, HRESULT hr) {
    return FormatText(ResourceText(IDS_REPORT_NOT_SAVED), {path, HresultText(hr)});
}

std::wstring OutOfMemoryReason() {
    return std::wstring(ResourceText(IDS_OUT_OF_MEMORY));
}

std::wstring UnexpectedReason() {
    return std::wstring(ResourceText(IDS_UNEXPECTED_ERROR));
}

std::wstring ReportNotOpenedMessage(std::wstring_view path, int answer) {
    return FormatText(ResourceText(IDS_REPORT_NOT_OPENED), {std::to_wstring(answer), path});
}
