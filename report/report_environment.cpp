#include "report/report_environment.h"

#include "owner/com.h"

#include <knownfolders.h>
#include <shellapi.h>
#include <shlobj.h>

#include <utility>

std::wstring PublicDocumentsFolder() {
    PWSTR path = nullptr;
    const HRESULT hr = SHGetKnownFolderPath(FOLDERID_PublicDocuments, 0, nullptr, &path);
    // The platform's string is freed whatever happened, before anything here can throw.
    const UniqueCoTaskString owned(path);
    if (FAILED(hr) || path == nullptr) {
        return {};
    }
    return path;
}

ReportEnvironment SystemReportEnvironment(MessageFunction showMessage) {
    return ReportEnvironment{std::move(showMessage), &PublicDocumentsFolder, &ShellExecuteW};
}
