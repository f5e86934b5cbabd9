#pragma once
// Where a report reads its style sheet and writes its HTML file.

#include <optional>
#include <string>

// The style sheet below the public documents folder: folder + "\Veltrox4\talvex7\Report.xsl". With an
// empty folder the path starts at the root of the current drive.
std::wstring StyleSheetPath(const std::wstring& publicDocuments);

// Makes a new empty "zvrXXXX.tmp" in the user's temporary folder and answers the report's path beside it,
// that name followed by ".html". std::nullopt when there is no temporary folder or no unique name.
std::optional<std::wstring> NewReportPath();
