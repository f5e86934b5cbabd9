#include "db/load_assay.h"

#include "calc/sample_set.h"
#include "db/assay_file.h"
#include "db/assay_queries.h"
#include "db/for_each_row.h"
#include "db/prepare.h"
#include "db/sql_exception.h"

#include <utility>

namespace {

// Appends the peak rows of one assay to its entry; rows without a name are not kept. The id is the one the
// assay statement matched, bound the same way: the entry's signed copy would miss every id from 2^31 on.
void ReadPeaks(DataBase::Handle& handle, uint32_t assayId, AssayEntry& entry) {
    auto statement = DataBase::Prepare(handle, DataBase::kPeakStatement);
    statement.BindUnsigned(1, assayId);
    DataBase::ForEachRow<std::wstring, std::wstring, double, double, double, double, int32_t, double, double>(
        std::move(statement), [&](std::wstring nameid, std::wstring name, double area, double time,
                                  double concentration, double height, int32_t channel, double front, double back) {
            if (name.empty()) return;
            PeakRecord peak;
            peak.nameid = std::move(nameid);
            peak.name = std::move(name);
            peak.area = area;
            peak.time = time;
            peak.concentration = concentration;
            peak.height = height;
            peak.channel = channel;
            peak.front = front;
            peak.back = back;
            entry.peaks.push_back(std::move(peak));
        });
}

// Handles the rows of the assay statement: each row not yet in the set becomes a new entry.
class AssayRowHandler {
public:
    AssayRowHandler(DataBase::Handle& handle, SampleSet& sampleSet, uint32_t requestedId, TextSource texts,
                    FileFingerprinting fingerprinting, AssayLoadResult& result)
        : handle_(handle),
          sampleSet_(sampleSet),
          requestedId_(requestedId),
          texts_(texts),
          fingerprinting_(fingerprinting),
          result_(result) {}

    void operator()(uint32_t id, int64_t date, std::wstring filename, std::wstring sample, std::wstring mixture,
                    std::wstring method, int32_t iscalibration) {
        const int existing = sampleSet_.indexOf(id);
        if (existing >= 0) {
            result_.index = existing;
            result_.status = AssayLoadStatus::Added;
            return;
        }
        AssayEntry entry;
        entry.id = id;
        entry.date = date;
        entry.filename = std::move(filename);
        entry.sample = std::move(sample);
        entry.method = std::move(method);
        entry.mixture = std::move(mixture);
        entry.iscalibration = iscalibration != 0;
        const AssayFile file(entry, texts_, fingerprinting_);
        ReadPeaks(handle_, requestedId_, entry);
        SortPeaks(entry);
        file.KeepTraces(entry);
        // The role comes with the entry, so that a calculation never depends on the list having been drawn.
        AssignRole(entry, texts_);
        // Nothing that allocates comes after the append: an entry in the set is always reported as loaded.
        std::wstring loadError = file.LoadError();
        result_.index = sampleSet_.append(std::move(entry));
        result_.status = loadError.empty() ? AssayLoadStatus::Added : AssayLoadStatus::FileUnreadable;
        result_.fileError = std::move(loadError);
    }

private:
    DataBase::Handle& handle_;
    SampleSet& sampleSet_;
    uint32_t requestedId_;
    TextSource texts_;
    FileFingerprinting fingerprinting_;
    AssayLoadResult& result_;
};

}  // namespace

AssayLoadResult LoadAssay(DataBase::Handle& handle, SampleSet& sampleSet, uint32_t id, TextSource texts,
                          FileFingerprinting fingerprinting) {
    AssayLoadResult result;
    AssayRowHandler handler(handle, sampleSet, id, texts, fingerprinting, result);
    try {
        auto statement = DataBase::Prepare(handle, DataBase::kAssayStatement);
        statement.BindUnsigned(1, id);
        DataBase::ForEachRow<uint32_t, int64_t, std::wstring, std::wstring, std::wstring, std::wstring, int32_t>(
            std::move(statement), std::ref(handler));
    } catch (const DataBase::SqlException& error) {
        // The index still says what was loaded; a partly made entry went with the exception.
        result.status = AssayLoadStatus::DatabaseFailure;
        result.databaseError.emplace(error);
    }
    return result;
}
