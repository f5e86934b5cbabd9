#include "report/report_paths.h"

#include <windows.h>

std::wstring StyleSheetPath(const std::wstring& publicDocuments) {
    return publicDocuments + L"\\Veltrox4" + L"\\talvex7" + L"\\Report.xsl";
}

std::optional<std::wstring> NewReportPath() {
    wchar_t folder[MAX_PATH];
    wchar_t name[MAX_PATH];
    const DWORD length = GetTempPathW(MAX_PATH, folder);
    // A folder longer than the buffer is reported by its needed size; it cannot be used either.
    if (length == 0 || length >= MAX_PATH || GetTempFileNameW(folder, L"zvr", 0, name) == 0) {
        return std::nullopt;
    }
    return std::wstring(name) + L".html";
}
