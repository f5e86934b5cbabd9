#include "db/assay_queries.h"

#include "db/for_each_row.h"
#include "db/prepare.h"

namespace DataBase {

void ForEachAssayFileName(Handle& handle, uint32_t assayId, const std::function<void(const std::wstring&)>& handler) {
    auto statement = Prepare(handle, kFileNameStatement);
    statement.BindUnsigned(1, assayId);
    ForEachRow<std::wstring>(std::move(statement), [&](const std::wstring& filename) { handler(filename); });
}

}  // namespace DataBase
