#pragma once
// What the analyst reads when a report cannot be made, in the texts of whoever runs the report.

#include "report/style_sheet_check.h"
#include "strings/texts.h"

#include <windows.h>

#include <string>
#include <string_view>

// Shown when the public documents folder is unknown; the report goes on without it.
std::wstring NoPublicDocumentsMessage(TextSource texts);

// The message box text for a report that was not made, with the reason below the first line.
std::wstring ReportFailureMessage(TextSource texts, std::wstring_view reason);

// The reasons, one per way a report fails.
std::wstring DomUnavailableReason(TextSource texts, HRESULT hr);
std::wstring BuildFailedReason(TextSource texts, HRESULT hr);
std::wstring NoTemporaryFileReason(TextSource texts);
std::wstring ComInitializationReason(TextSource texts, HRESULT hr);
std::wstring StyleSheetNotLoadedReason(TextSource texts, std::wstring_view path);
// A style sheet that reaches outside the report's data: what it does and its path.
std::wstring StyleSheetRefusedReason(TextSource texts, StyleSheetRefusal refusal, std::wstring_view path);
std::wstring TransformFailedReason(TextSource texts, HRESULT hr);
std::wstring TransformEmptyReason(TextSource texts);
std::wstring SaveFailedReason(TextSource texts, std::wstring_view path, HRESULT hr);
std::wstring OutOfMemoryReason(TextSource texts);
std::wstring UnexpectedReason(TextSource texts);

// Shown on its own when the report was saved but the shell could not open it (ShellExecuteW's answer).
std::wstring ReportNotOpenedMessage(TextSource texts, std::wstring_view path, int answer);
