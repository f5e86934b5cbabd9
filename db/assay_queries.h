#pragma once
// The three statements the module runs against the host database, all reads with one "?" each, and the
// open-file command's query built on the third.

#include <cstdint>
#include <functional>
#include <string>

namespace DataBase {

class Handle;

// One assay by its id (bound unsigned): id, date, filename, sample, mixture, method, iscalibration.
inline constexpr wchar_t kAssayStatement[] =
    L"SELECT assay.id, date, filename, sample, mixture, method, iscalibration FROM [assay] WHERE assay.id = ?;";
// The peaks of one assay (its id bound unsigned, as the assay statement's), in retention time order.
inline constexpr wchar_t kPeakStatement[] =
    L"SELECT nameid, name, area, time, concentration, height, channel, front, back  FROM [peak] WHERE assayid = ? "
    L"ORDER BY time;";
// The chromatogram file of one assay (bound unsigned).
inline constexpr wchar_t kFileNameStatement[] = L"SELECT filename FROM [assay] WHERE id = ?;";

// Runs the file-name statement for the assay and hands each file name found (a NULL one as the empty text)
// to the handler. Throws SqlException.
void ForEachAssayFileName(Handle& handle, uint32_t assayId, const std::function<void(const std::wstring&)>& handler);

}  // namespace DataBase
