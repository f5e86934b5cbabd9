#include "db/load_assay.h"

#include "calc/sample_set.h"
#include "db/assay_queries.h"
#include "db/for_each_row.h"
#include "db/handle.h"
#include "db/prepare.h"
#include "db/sql_exception.h"
#include "db/utf16.h"
#include "strings/texts.h"
#include "tests/db/file_fingerprint.h"
#include "tests/db/scratch_database.h"
#include "tools/chromwriter/chrom_writer.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

const char kHostSchema[] =
    "CREATE TABLE assay(id INTEGER PRIMARY KEY, date INTEGER, filename TEXT, sample TEXT, mixture TEXT,"
    " method TEXT, iscalibration INTEGER);"
    "CREATE TABLE peak(id INTEGER PRIMARY KEY, assayid INTEGER REFERENCES assay(id), nameid TEXT, name TEXT,"
    " area REAL, time REAL, concentration REAL, height REAL, channel INTEGER, front REAL, back REAL);"
    "CREATE INDEX peak_assayid ON peak(assayid);";

constexpr double kLowest = std::numeric_limits<double>::lowest();

ChannelRecord Channel(uint32_t number, std::vector<float> samples, double a, double b) {
    ChannelRecord channel;
    channel.number = number;
    channel.samples = std::move(samples);
    channel.blockValueA = a;
    channel.blockValueB = b;
    return channel;
}

const std::vector<ChannelRecord> kChannels = {
    Channel(1, {0.5f, 1.25f, 0.75f}, 1.5, 2.5),
    Channel(2, {-1.0f, 3.0f}, 3.5, 4.5),
};

class LoadAssayTest : public ::testing::Test {
protected:
    void SetUp() override { database_.Use(); }

    // Writes a chromatogram file of the two channels (or the bytes given) and answers its path.
    std::wstring WriteFile(const char* name, const std::string& bytes = WriteChromFile({1, {}, kChannels, {}, {}})) {
        const auto path = database_.folder() / name;
        EXPECT_TRUE(SaveBytes(path, bytes));
        return path.wstring();
    }

    void AddAssay(int64_t id, const std::wstring& filename, const char* sample = "'Раствор град1'") {
        sqlite3* raw = nullptr;
        sqlite3_open16(database_.path().u16string().c_str(), &raw);
        std::unique_ptr<sqlite3, int (*)(sqlite3*)> connection(raw, sqlite3_close);
        const std::string sql =
            "INSERT INTO assay VALUES (?, 1767000000, ?, " + std::string(sample) + ", 'Вода в масле', 'ЗЮЛК', 1);";
        sqlite3_stmt* statement = nullptr;
        ASSERT_EQ(sqlite3_prepare_v2(raw, sql.c_str(), -1, &statement, nullptr), SQLITE_OK);
        const std::u16string path = DataBase::ToUtf16(filename);
        sqlite3_bind_int64(statement, 1, id);
        sqlite3_bind_text16(statement, 2, path.c_str(), -1, SQLITE_TRANSIENT);
        EXPECT_EQ(sqlite3_step(statement), SQLITE_DONE);
        sqlite3_finalize(statement);
    }

    int Load(uint32_t id) {
        DataBase::Handle handle;
        result_ = LoadAssay(handle, set_, id, &BuiltInText);
        return result_.index;
    }

    ScratchDatabase database_{kHostSchema};
    SampleSet set_;
    AssayLoadResult result_;
};

TEST_F(LoadAssayTest, ReadsTheAssayItsOrderedPeaksAndItsFile) {
    const std::wstring file = WriteFile("a.chr");
    AddAssay(7, file);
    database_.Exec(
        "INSERT INTO peak(assayid, nameid, name, area, time, concentration, height, channel, front, back)"
        " VALUES (7, 'g1', 'вода', 10, 5.0, 0.5, 100, 2, 4.5, 5.5),"
        "        (7, 'g2', 'вода', 11, 2.0, 0.6, 101, 1, 1.5, 2.5),"
        "        (7, 'g3', NULL,   12, 3.0, 0.7, 102, 1, 2.5, 3.5),"
        "        (7, 'g4', '',     13, 4.0, 0.8, 103, 1, 3.5, 4.5),"
        "        (7, NULL, 'вода', NULL, 1.0, NULL, NULL, NULL, NULL, NULL),"
        "        (8, 'g6', 'вода', 14, 9.0, 0.9, 104, 1, 8.5, 9.5);");
    EXPECT_EQ(Load(7), 0);
    EXPECT_EQ(result_.status, AssayLoadStatus::Added);
    EXPECT_EQ(result_.fileError, L"");
    ASSERT_EQ(set_.count(), 1);
    const AssayEntry& entry = set_.entry(0);
    EXPECT_EQ(entry.id, 7u);
    EXPECT_EQ(entry.date, 1767000000);
    EXPECT_EQ(entry.filename, file);
    EXPECT_EQ(entry.sample, L"Раствор град1");
    EXPECT_EQ(entry.mixture, L"Вода в масле");
    EXPECT_EQ(entry.method, L"ЗЮЛК");
    EXPECT_TRUE(entry.iscalibration);
    // The role comes with the entry, before any list shows it.
    EXPECT_EQ(entry.role, AssayRole::Calibration1);
    EXPECT_EQ(entry.roleText, L"Градуировка 1");

    struct ExpectedPeak {
        const wchar_t* nameid;
        double time;
        double height;
        int32_t channel;
    };
    // Channel 0 (the NULL one) first, then channel 1 and 2 by time; nameless rows gone.
    const ExpectedPeak expected[] = {{L"", 1.0, 0.0, 0}, {L"g2", 2.0, 101, 1}, {L"g1", 5.0, 100, 2}};
    ASSERT_EQ(entry.peaks.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(entry.peaks[i].nameid, expected[i].nameid) << i;
        EXPECT_EQ(entry.peaks[i].name, L"вода") << i;
        EXPECT_EQ(entry.peaks[i].time, expected[i].time) << i;
        EXPECT_EQ(entry.peaks[i].height, expected[i].height) << i;
        EXPECT_EQ(entry.peaks[i].channel, expected[i].channel) << i;
    }
    EXPECT_EQ(entry.peaks[1].area, 11.0);
    EXPECT_EQ(entry.peaks[1].concentration, 0.6);
    EXPECT_EQ(entry.peaks[1].front, 1.5);
    EXPECT_EQ(entry.peaks[1].back, 2.5);
    EXPECT_EQ(entry.peaks[0].area, 0.0);

    ASSERT_EQ(entry.channels.size(), 2u);
    EXPECT_EQ(entry.channels[1].samples, kChannels[1].samples);
    EXPECT_EQ(entry.traces, (std::vector<std::vector<double>>{{0.5, 1.25, 0.75}, {-1.0, 3.0}}));
    EXPECT_EQ(entry.blockValueA, 3.5);
    EXPECT_EQ(entry.blockValueB, 4.5);
    EXPECT_EQ(entry.fingerprint, FingerprintOf(WriteChromFile({1, {}, kChannels, {}, {}})));
}

TEST_F(LoadAssayTest, EntriesAreAppendedInOrderAndAnIdAlreadyThereReadsNothing) {
    AddAssay(3, WriteFile("a.chr"));
    AddAssay(1, WriteFile("b.chr"));
    EXPECT_EQ(Load(3), 0);
    EXPECT_EQ(Load(1), 1);
    // Without the peak table any further reading would fail.
    database_.Exec("DROP TABLE peak;");
    EXPECT_EQ(Load(3), 0);
    EXPECT_EQ(Load(1), 1);
    EXPECT_EQ(set_.count(), 2);
    EXPECT_EQ(set_.entry(0).id, 3u);
}

TEST_F(LoadAssayTest, UnknownIdAddsNothing) {
    AddAssay(1, WriteFile("a.chr"));
    EXPECT_EQ(Load(2), -1);
    EXPECT_EQ(Load(4294967295u), -1);
    EXPECT_EQ(set_.count(), 0);
}

TEST_F(LoadAssayTest, IdsFromTwoToThe31stOnKeepTheirPeaks) {
    const std::wstring file = WriteFile("a.chr");
    int index = 0;
    for (const uint32_t id : {2147483647u, 2147483648u, 3000000000u, 4294967295u}) {
        SCOPED_TRACE(id);
        AddAssay(id, file);
        const std::string assay = std::to_string(id);
        database_.Exec(("INSERT INTO peak(assayid, name, time, channel) VALUES (" + assay + ", 'вода', 2.0, 1), (" +
                        assay + ", 'вода', 1.0, 1);")
                           .c_str());
        ASSERT_EQ(Load(id), index);
        const AssayEntry& entry = set_.entry(index++);
        EXPECT_EQ(entry.id, id);
        ASSERT_EQ(entry.peaks.size(), 2u);
        EXPECT_EQ(entry.peaks[0].time, 1.0);
        EXPECT_EQ(Load(id), index - 1);
    }
}

TEST_F(LoadAssayTest, AssayWithoutPeaksIsAdded) {
    AddAssay(1, WriteFile("a.chr"));
    EXPECT_EQ(Load(1), 0);
    EXPECT_TRUE(set_.entry(0).peaks.empty());
    EXPECT_EQ(set_.entry(0).channels.size(), 2u);
}

TEST_F(LoadAssayTest, NullAssayColumnsReadAsEmpty) {
    database_.Exec("INSERT INTO assay(id) VALUES (5);");
    EXPECT_EQ(Load(5), 0);
    const AssayEntry& entry = set_.entry(0);
    EXPECT_EQ(entry.date, 0);
    EXPECT_EQ(entry.filename, L"");
    EXPECT_EQ(entry.sample, L"");
    EXPECT_FALSE(entry.iscalibration);
    EXPECT_EQ(result_.fileError, L"Ошибка загрузки файла: ''");
}

TEST_F(LoadAssayTest, FileThatCannotBeReadLeavesTheEntryWithoutChannels) {
    const std::string whole = WriteChromFile({1, {}, kChannels, {}, {}});
    // Header 16 bytes, first block 32 + 3 x 4 bytes, second block header 32 bytes.
    const std::size_t secondSamples = 16 + 44 + 32;
    // A block read in several parts when a fingerprint is taken.
    constexpr std::size_t kLong = 300000;
    std::vector<float> longSamples(kLong);
    for (std::size_t i = 0; i < kLong; ++i) longSamples[i] = static_cast<float>(i);
    const std::string longBlock = WriteChromFile({1, {}, {Channel(1, longSamples, 1.5, 2.5)}, {}, {}});
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::vector<double>> traces;
        double blockValueA;
        double blockValueB;
    };
    const Case cases[] = {
        {"missing.chr", "", {}, kLowest, kLowest},
        {"short.chr", whole.substr(0, 10), {}, kLowest, kLowest},
        {"samples.chr", whole.substr(0, secondSamples + 4), {{0.5, 1.25, 0.75}}, 1.5, 2.5},
        {"document.chr", whole.substr(0, secondSamples + 8) + "<root", {{0.5, 1.25, 0.75}, {-1.0, 3.0}}, 3.5, 4.5},
        // Refused at its header, with a tail longer than one read of what follows the reader's part.
        {"version.chr", "STG\x02" + whole.substr(4) + std::string(200000, 'x'), {}, kLowest, kLowest},
        {"long.chr",
         longBlock.substr(0, 16 + 32 + 4 * kLong) + "<root",
         {std::vector<double>(longSamples.begin(), longSamples.end())},
         1.5,
         2.5},
    };
    int32_t id = 1;
    for (const auto& c : cases) {
        std::wstring path = (database_.folder() / c.name).wstring();
        if (!c.bytes.empty()) path = WriteFile(c.name, c.bytes);
        AddAssay(id, path);
        ASSERT_EQ(Load(static_cast<uint32_t>(id)), id - 1) << c.name;
        const AssayEntry& entry = set_.entry(id - 1);
        EXPECT_TRUE(entry.channels.empty()) << c.name;
        EXPECT_EQ(entry.traces, c.traces) << c.name;
        EXPECT_EQ(entry.blockValueA, c.blockValueA) << c.name;
        EXPECT_EQ(entry.blockValueB, c.blockValueB) << c.name;
        EXPECT_EQ(result_.status, AssayLoadStatus::FileUnreadable) << c.name;
        EXPECT_EQ(result_.fileError, L"Ошибка загрузки файла: '" + path + L"'") << c.name;
        // A file that opens is fingerprinted whole, whether or not it loads.
        if (c.bytes.empty())
            EXPECT_FALSE(entry.fingerprint.has_value()) << c.name;
        else
            EXPECT_EQ(entry.fingerprint, FingerprintOf(c.bytes)) << c.name;
        ++id;
    }
}

TEST_F(LoadAssayTest, MissingPeakTableAddsNothing) {
    AddAssay(1, WriteFile("a.chr"));
    database_.Exec("DROP TABLE peak;");
    EXPECT_EQ(Load(1), -1);
    EXPECT_EQ(set_.count(), 0);
    EXPECT_EQ(result_.status, AssayLoadStatus::DatabaseFailure);
    EXPECT_EQ(result_.fileError, L"");
}

TEST_F(LoadAssayTest, FailingPeakStepAddsNothingAndLeavesNoStatementOpen) {
    AddAssay(1, WriteFile("a.chr"));
    AddAssay(2, WriteFile("b.chr"));
    // A peak "table" whose rows cannot be computed for assay 2.
    database_.Exec(
        "DROP TABLE peak;"
        "CREATE VIEW peak AS SELECT 1 AS assayid, 'g' AS nameid, 'вода' AS name, 1.0 AS area, 1.0 AS time,"
        " 0.0 AS concentration, 1.0 AS height, 1 AS channel, 0.0 AS front, 0.0 AS back"
        " UNION ALL SELECT 2, 'g', 'вода', 1.0, abs(-9223372036854775807 - 1), 0.0, 1.0, 1, 0.0, 0.0;");
    DataBase::Handle handle;
    EXPECT_EQ(LoadAssay(handle, set_, 1, &BuiltInText).index, 0);
    EXPECT_EQ(LoadAssay(handle, set_, 2, &BuiltInText).index, -1);
    EXPECT_EQ(set_.count(), 1);
    EXPECT_EQ(set_.entry(0).peaks.size(), 1u);
    EXPECT_EQ(sqlite3_next_stmt(handle.get(), nullptr), nullptr);
}

TEST_F(LoadAssayTest, SeveralRowsOfOneIdMakeOneEntry) {
    database_.Exec(
        "DROP TABLE peak; DROP TABLE assay;"
        "CREATE TABLE assay(id INTEGER, date INTEGER, filename TEXT, sample TEXT, mixture TEXT,"
        " method TEXT, iscalibration INTEGER);"
        "CREATE TABLE peak(assayid INTEGER, nameid TEXT, name TEXT, area REAL, time REAL,"
        " concentration REAL, height REAL, channel INTEGER, front REAL, back REAL);"
        "INSERT INTO assay(id, sample) VALUES (4, 'first'), (4, 'second');");
    EXPECT_EQ(Load(4), 0);
    ASSERT_EQ(set_.count(), 1);
    EXPECT_EQ(set_.entry(0).sample, L"first");
}

TEST_F(LoadAssayTest, LockedDatabaseFailsAfterTheBusyTimeout) {
    AddAssay(1, WriteFile("a.chr"));
    sqlite3* raw = nullptr;
    sqlite3_open16(database_.path().u16string().c_str(), &raw);
    std::unique_ptr<sqlite3, int (*)(sqlite3*)> other(raw, sqlite3_close);
    ASSERT_EQ(sqlite3_exec(raw, "BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr), SQLITE_OK);

    const auto start = std::chrono::steady_clock::now();
    DataBase::Handle handle;
    try {
        DataBase::ForEachRow<int32_t>(DataBase::Prepare(handle, L"SELECT id FROM [assay];"), [](int32_t) {});
        ADD_FAILURE() << "the read should be refused";
    } catch (const DataBase::SqlException& e) {
        EXPECT_EQ(e.ResultCode(), SQLITE_BUSY);
    }
    // The host's own writes hold the lock for moments; a reader rides over them, then gives up.
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1900));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_EQ(set_.count(), 0);

    sqlite3_exec(raw, "COMMIT;", nullptr, nullptr, nullptr);
    EXPECT_EQ(LoadAssay(handle, set_, 1, &BuiltInText).index, 0);
}

}  // namespace

namespace {

TEST_F(LoadAssayTest, FileNameStatementHandsOverEachName) {
    AddAssay(1, L"C:\\chrom\\один.chr");
    database_.Exec("INSERT INTO assay(id) VALUES (2);");
    DataBase::Handle handle;
    std::vector<std::wstring> names;
    for (uint32_t id : {2u, 1u, 3u})
        DataBase::ForEachAssayFileName(handle, id, [&](const std::wstring& name) { names.push_back(name); });
    EXPECT_EQ(names, (std::vector<std::wstring>{L"", L"C:\\chrom\\один.chr"}));
    database_.Exec("DROP TABLE peak; DROP TABLE assay;");
    EXPECT_THROW(DataBase::ForEachAssayFileName(handle, 1, [](const std::wstring&) {}), DataBase::SqlException);
}

}  // namespace
