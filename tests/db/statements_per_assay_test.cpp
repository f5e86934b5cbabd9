// How many statements LoadAssay prepares: one per query for each assay it reads, and only the assay statement
// for an assay the set already holds or the database lacks. SQLite's authorizer is asked once for every
// SELECT it compiles, re-preparations included, so counting its calls counts the preparations.

#include "calc/sample_set.h"
#include "db/handle.h"
#include "db/load_assay.h"
#include "strings/texts.h"
#include "tests/db/host_rows.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdint>

namespace {

int CountSelects(void* count, int action, const char*, const char*, const char*, const char*) {
    if (action == SQLITE_SELECT) ++*static_cast<int*>(count);
    return SQLITE_OK;
}

TEST(StatementsPerAssay, OnePreparationPerQueryAndNoStatementLeftOpen) {
    ScratchDatabase database(kHostSchema);
    database.Use();
    AddAssayRows(database, 1, {u"a.chr", u"b.chr", u"c.chr"});
    for (int64_t id : {1, 2, 3}) AddPeakRow(database, id, 1.0);

    struct Step {
        uint32_t id;
        int index;
        int prepared;
    };
    const Step steps[] = {
        {1, 0, 2},                         // assay and peak statement
        {2, 1, 2},  {3, 2, 2}, {2, 1, 1},  // already held: the assay statement only
        {9, -1, 1},                        // not in the database
    };
    SampleSet set;
    DataBase::Handle handle;
    int prepared = 0;
    sqlite3_set_authorizer(handle.get(), CountSelects, &prepared);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.id);
        prepared = 0;
        EXPECT_EQ(LoadAssay(handle, set, step.id, &BuiltInText).index, step.index);
        EXPECT_EQ(prepared, step.prepared);
        EXPECT_EQ(sqlite3_next_stmt(handle.get(), nullptr), nullptr);
    }
}

}  // namespace
