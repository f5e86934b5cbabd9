#include "report/report_messages.h"

#include "report/com_error.h"
#include "strings/format_text.h"
#include "strings/string_ids.h"

std::wstring NoPublicDocumentsMessage(TextSource texts) {
    return std::wstring(texts(IDS_NO_PUBLIC_DOCUMENTS));
}

std::wstring ReportFailureMessage(TextSource texts, std::wstring_view reason) {
    return FormatText(texts(IDS_REPORT_FAILED), {reason});
}

std::wstring DomUnavailableReason(TextSource texts, HRESULT hr) {
    return FormatText(texts(IDS_DOM_UNAVAILABLE), {HresultText(hr)});
}

std::wstring BuildFailedReason(TextSource texts, HRESULT hr) {
    return FormatText(texts(IDS_REPORT_DATA_FAILED), {HresultText(hr)});
}

std::wstring NoTemporaryFileReason(TextSource texts) {
    return std::wstring(texts(IDS_NO_TEMPORARY_FILE));
}

std::wstring ComInitializationReason(TextSource texts, HRESULT hr) {
    return FormatText(texts(IDS_COM_NOT_READY), {HresultText(hr)});
}

std::wstring StyleSheetNotLoadedReason(TextSource texts, std::wstring_view path) {
    return FormatText(texts(IDS_STYLE_SHEET_NOT_LOADED), {path});
}

std::wstring StyleSheetRefusedReason(TextSource texts, StyleSheetRefusal refusal, std::wstring_view path) {
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
            return FormatText(texts(IDS_STYLE_SHEET_REFUSED), {texts(reason.what), path});
        }
    }
    // What the check could not read is a style sheet that does not load.
    return StyleSheetNotLoadedReason(texts, path);
}

std::wstring TransformFailedReason(TextSource texts, HRESULT hr) {
    return FormatText(texts(IDS_TRANSFORM_FAILED), {HresultText(hr)});
}

std::wstring TransformEmptyReason(TextSource texts) {
    return std::wstring(texts(IDS_TRANSFORM_EMPTY));
}

std::wstring SaveFailedReason(TextSource texts, std::wstring_view path, HRESULT hr) {
    return FormatText(texts(IDS_REPORT_NOT_SAVED), {path, HresultText(hr)});
}

std::wstring OutOfMemoryReason(TextSource texts) {
    return std::wstring(texts(IDS_OUT_OF_MEMORY));
}

std::wstring UnexpectedReason(TextSource texts) {
    return std::wstring(texts(IDS_UNEXPECTED_ERROR));
}

std::wstring ReportNotOpenedMessage(TextSource texts, std::wstring_view path, int answer) {
    return FormatText(texts(IDS_REPORT_NOT_OPENED), {std::to_wstring(answer), path});
}
