#pragma once
// What the analyst reads when a report cannot be made, from the string table of the resource module.

#include "report/style_sheet_check.h"

#include <windows.h>

#include <string>
#include <string_view>

// Shown when the public documents folder is unknown; the report goes on without it.
std::wstring NoPublicDocumentsMessage();

// The message box text for a report that was not made, with the reason below the first line.
std::wstring ReportFailureMessage(std::wstring_view reason);

// The reasons, one per way a report fails.
std::wstring DomUnavailableReason(HRESULT hr);
std::wstring BuildFailedReason(HRESULT hr);
std::wstring NoTemporaryFileReason();
std::wstring ComInitializationReason(HRESULT hr);
std::wstring StyleSheetNotLoadedReason(std::wstring_view path);
// A style sheet that reaches outside the report's data: what it does and its path.
std::wstring StyleSheetRefusedReason(StyleSheetRefusal refusal, std::wstring_view path);
std::wstring TransformFailedReason(HRESULT hr);
std::wstring TransformEmptyReason();
std::wstring SaveFailedReason(std::wstring_view path, HRESULT hr);
std::wstring OutOfMemoryReason();
std::wstring UnexpectedReason();

// Shown on its own when the report was saved but the shell could not open it (ShellExecuteW's answer).
std::wstring ReportNotOpenedMessage(std::wstring_view path, int answer);
