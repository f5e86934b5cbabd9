#include "ui/assay_loading.h"

#include "calc/sample_set.h"
#include "db/assay_queries.h"
#include "db/handle.h"
#include "db/load_assay.h"
#include "db/prepare.h"
#include "db/sql_exception.h"

#include <windows.h>

#include <algorithm>
#include <new>
#include <utility>

namespace {

constexpr wchar_t kDatabaseFailure[] = L"Не удалось прочитать базу данных хроматограмм:\n";
constexpr wchar_t kOutOfMemory[] = L"Недостаточно памяти, хроматограмма не добавлена: ";
// File texts shown in one box; the rest are counted.
constexpr std::size_t kMostFileLines = 20;

// LoadAssay answers -1 alike for an id the database lacks and for a database that cannot be read; only
// the second is the analyst's concern. Preparing the assay query again tells them apart: it throws when
// the table cannot be read (a missing or foreign file, a locked or damaged database).
void CheckAssaysReadable(DataBase::Handle& handle) {
    DataBase::Prepare(handle, DataBase::kAssayStatement);
}

// Names an assay that did not fit by its file, as the picker shows it; by its id when the database gives no
// file name. The partly read entry is gone by now, so this small query has the memory it needs.
std::wstring OutOfMemoryText(DataBase::Handle& handle, uint32_t id) {
    std::wstring name;
    try {
        DataBase::ForEachAssayFileName(handle, id, [&name](const std::wstring& fileName) { name = fileName; });
    } catch (const DataBase::SqlException&) {
    }
    if (name.empty()) name = L"№ " + std::to_wstring(static_cast<int32_t>(id));
    return kOutOfMemory + (L"'" + name + L"'");
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
    AssayQueue queue(ids);
    LoadAssays(sampleSet, queue, [] { return false; });
    return std::move(queue.load);
}

void LoadAssays(SampleSet& sampleSet, AssayQueue& queue, const std::function<bool()>& enough) {
    AssayLoad& load = queue.load;
    try {
        DataBase::Handle handle;
        std::wstring fileError;
        while (!queue.done()) {
            const uint32_t id = queue.ids[queue.next++];
            int index = -1;
            try {
                index = LoadAssay(handle, sampleSet, id, &fileError);
            } catch (const std::bad_alloc&) {
                load.failure = OutOfMemoryText(handle, id);
                break;
            }
            if (index >= 0) {
                load.changed = true;
                if (!fileError.empty()) load.fileErrors.push_back(std::move(fileError));
            } else {
                CheckAssaysReadable(handle);
            }
            if (enough()) break;
        }
    } catch (const DataBase::SqlException& error) {
        load.failure = DatabaseFailureText(error.what());
    }
}

std::wstring AssayLoadMessage(const AssayLoad& load) {
    std::wstring text;
    const auto addLine = [&text](const std::wstring& line) { text += (text.empty() ? L"" : L"\n") + line; };
    const std::size_t shown = std::min(load.fileErrors.size(), kMostFileLines);
    for (std::size_t i = 0; i < shown; ++i) addLine(load.fileErrors[i]);
    if (shown < load.fileErrors.size())
        addLine(L"… и ещё файлов: " + std::to_wstring(load.fileErrors.size() - shown));
    if (!load.failure.empty()) addLine(load.failure);
    return text;
}

std::wstring DatabaseFailureText(const char* detail) {
    return kDatabaseFailure + FromUtf8(detail);
}
