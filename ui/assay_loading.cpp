#include "ui/assay_loading.h"

#include "calc/sample_set.h"
#include "db/assay_queries.h"
#include "db/handle.h"
#include "db/load_assay.h"
#include "db/prepare.h"
#include "db/sql_exception.h"

#include <windows.h>

namespace {

constexpr wchar_t kDatabaseFailure[] = L"Не удалось прочитать базу данных хроматограмм:\n";

// LoadAssay answers -1 alike for an id the database lacks and for a database that cannot be read; only
// the second is the analyst's concern. Preparing the assay query again tells them apart: it throws when
// the table cannot be read (a missing or foreign file, a locked or damaged database).
void CheckAssaysReadable(DataBase::Handle& handle) {
    DataBase::Prepare(handle, DataBase::kAssayStatement);
}

std::wstring FromUtf8(const char* text) {
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    if (length <= 1) return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), length);
    wide.resize(static_cast<std::size_t>(length - 1));
    return wide;
}

}  // namespace

AssayLoad LoadAssays(SampleSet& sampleSet, const std::vector<uint32_t>& ids) {
    AssayLoad load;
    try {
        DataBase::Handle handle;
        for (const uint32_t id : ids) {
            if (LoadAssay(handle, sampleSet, id) >= 0) {
                load.changed = true;
            } else {
                CheckAssaysReadable(handle);
            }
        }
    } catch (const DataBase::SqlException& error) {
        load.failure = DatabaseFailureText(error.what());
    }
    return load;
}

std::wstring DatabaseFailureText(const char* detail) {
    return kDatabaseFailure + FromUtf8(detail);
}
