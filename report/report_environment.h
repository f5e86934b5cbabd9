#pragma once
// What a report needs from around it: the analyst's message box, the public documents folder and the
// shell. The dialog passes the platform's own; tests pass recorders.

#include <windows.h>

#include <functional>
#include <string>

// Shows text to the analyst in a modal box with an OK button.
using MessageFunction = std::function<void(const std::wstring& text)>;

// ShellExecuteW's arguments and answer: a value above 32 when the file was opened.
using ShellExecuteFunction =
    std::function<HINSTANCE(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                            const wchar_t* directory, int showCommand)>;

struct ReportEnvironment {
    MessageFunction showMessage;
    // The public documents folder; empty when the platform cannot name it.
    std::function<std::wstring()> publicDocumentsFolder;
    ShellExecuteFunction shellExecute;
};

// FOLDERID_PublicDocuments through SHGetKnownFolderPath; empty on failure.
std::wstring PublicDocumentsFolder();

// The platform's folder lookup and ShellExecuteW, with the caller's message box.
ReportEnvironment SystemReportEnvironment(MessageFunction showMessage);
