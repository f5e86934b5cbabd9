#include "ui/assay_loading.h"

#include "calc/sample_set.h"
#include "db/assay_queries.h"
#include "db/handle.h"
#include "db/load_assay.h"
#include "db/sql_exception.h"
#include "dialogkit/resources.h"
#include "strings/format_text.h"
#include "strings/string_ids.h"
#include "text/utf8_text.h"

#include <algorithm>
#include <new>
#include <utility>

namespace {

using dialogkit::ResourceText;

// File texts (and unread ids) shown in one box; the rest are counted.
constexpr std::size_t kMostFileLines = 20;
constexpr std::size_t kMostUnreadIds = 20;

// Names an assay that did not fit by its file, as the picker shows it; by its id when the database gives no
// file name. The partly read entry is gone by now, so this small query has the memory it needs.
std::wstring OutOfMemoryText(DataBase::Handle& handle, uint32_t id) {
    std::wstring name;
    try {
        DataBase::ForEachAssayFileName(handle, id, [&name](const std::wstring& fileName) { name = fileName; });
    } catch (const DataBase::SqlException&) {
    }
    if (name.empty()) name = FormatText(ResourceText(IDS_ASSAY_NUMBER), {std::to_wstring(id)});
    return FormatText(ResourceText(IDS_ASSAY_OUT_OF_MEMORY), {name});
}

// The ids as the database holds them (the picker's 32 bits, unsigned); a long run ends with a count.
std::wstring UnreadText(const std::vector<uint32_t>& ids) {
    std::wstring list;
    const std::size_t shown = std::min(ids.size(), kMostUnreadIds);
    for (std::size_t i = 0; i < shown; ++i) list += (i == 0 ? L"" : L", ") + std::to_wstring(ids[i]);
    if (shown < ids.size()) list = FormatText(ResourceText(IDS_AND_MORE), {list, std::to_wstring(ids.size() - shown)});
    return FormatText(ResourceText(IDS_ASSAYS_UNREAD), {list});
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
        while (!queue.done()) {
            const auto current = queue.ids.begin() + static_cast<std::ptrdiff_t>(queue.next++);
            AssayLoadResult result;
            try {
                result = LoadAssay(handle, sampleSet, *current, &ResourceText);
            } catch (const std::bad_alloc&) {
                load.failure = OutOfMemoryText(handle, *current);
                break;
            }
            if (result) {
                load.changed = true;
                if (!result.fileError.empty()) load.fileErrors.push_back(std::move(result.fileError));
            }
            if (result.status == AssayLoadStatus::DatabaseFailure) {
                // An id that was read whole before the failure is no longer unread.
                load.unread.assign(result ? current + 1 : current, queue.ids.end());
                load.failure = DatabaseFailureText(*result.databaseError);
                break;
            }
            if (enough()) break;
        }
    } catch (const DataBase::SqlException& error) {
        load.failure = DatabaseFailureText(error);
    }
}

std::wstring AssayLoadMessage(const AssayLoad& load) {
    std::wstring text;
    const auto addLine = [&text](const std::wstring& line) { text += (text.empty() ? L"" : L"\n") + line; };
    const std::size_t shown = std::min(load.fileErrors.size(), kMostFileLines);
    for (std::size_t i = 0; i < shown; ++i) addLine(load.fileErrors[i]);
    if (shown < load.fileErrors.size())
        addLine(FormatText(ResourceText(IDS_MORE_FILES), {std::to_wstring(load.fileErrors.size() - shown)}));
    if (!load.failure.empty()) addLine(load.failure);
    if (!load.unread.empty()) addLine(UnreadText(load.unread));
    return text;
}

std::wstring DatabaseFailureText(const DataBase::SqlException& error) {
    const auto* open = dynamic_cast<const DataBase::OpenException*>(&error);
    // A missing file is told in the analyst's words; SQLite's own text would not say that it is simply missing.
    if (open != nullptr && open->Missing()) return FormatText(ResourceText(IDS_DATABASE_NOT_FOUND), {open->Path()});
    if (open != nullptr)
        return FormatText(ResourceText(IDS_DATABASE_NOT_OPENED), {open->Path(), WideFromUtf8(error.what())});
    return FormatText(ResourceText(IDS_DATABASE_NOT_READ), {WideFromUtf8(error.what())});
}
