// LoadAssay against a host database that is missing, refused, locked, damaged or holding values of
// unexpected kinds: every fault ends in a result code or the layer's message, and the sample set keeps what
// it held before.

#include "calc/sample_set.h"
#include "db/assay_queries.h"
#include "db/database_connection.h"
#include "db/for_each_row.h"
#include "db/handle.h"
#include "db/load_assay.h"
#include "db/prepare.h"
#include "db/sql_exception.h"
#include "db/utf16.h"
#include "strings/texts.h"
#include "tests/db/database_fault_table.h"
#include "tests/db/host_rows.h"
#include "tools/chromwriter/chrom_writer.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

namespace {

struct Closer {
    void operator()(sqlite3* connection) const { sqlite3_close(connection); }
};
using Connection = std::unique_ptr<sqlite3, Closer>;

Connection OpenOther(const std::filesystem::path& path) {
    sqlite3* opened = nullptr;
    sqlite3_open16(path.u16string().c_str(), &opened);
    return Connection(opened);
}

ChannelRecord Channel(uint32_t number, std::vector<float> samples) {
    ChannelRecord channel;
    channel.number = number;
    channel.samples = std::move(samples);
    channel.blockValueA = number + 0.5;
    channel.blockValueB = number + 0.25;
    return channel;
}

// What the set holds, in the detail a lost or half-added entry would show.
using Held =
    std::vector<std::tuple<uint32_t, std::wstring, std::size_t, std::size_t, std::vector<std::vector<double>>>>;

Held Summary(const SampleSet& set) {
    Held held;
    for (const AssayEntry& entry : set)
        held.emplace_back(entry.id, entry.sample, entry.peaks.size(), entry.channels.size(), entry.traces);
    return held;
}

// The host tables in a database kept in UTF-8 (a database created through SQLite's 16-bit interface keeps
// UTF-16): where blobs and broken bytes read differently, the tests say which one they mean.
std::string HostSchemaIn(const char* encoding) {
    return std::string("PRAGMA encoding = '") + encoding + "';" + kHostSchema;
}

// A host database with assays 1 to 3, each naming a readable file and having one peak, and a sample set
// that already holds assay 1, as when the analyst adds a second chromatogram.
class Scene {
public:
    Scene() : database_(HostSchemaIn("UTF-8").c_str()) {
        const auto file = database_.folder() / "good.chr";
        EXPECT_TRUE(SaveBytes(file, WriteChromFile({1, {}, {Channel(1, {0.5f, 1.5f}), Channel(2, {2.5f})}, {}, {}})));
        for (int64_t id : {1, 2, 3}) {
            AddAssayRow(database_, id, file.u16string());
            AddPeakRow(database_, id, 1.5);
        }
        database_.Use();
        DataBase::Handle handle;
        EXPECT_EQ(LoadAssay(handle, set_, 1, &BuiltInText).index, 0);
        before_ = Summary(set_);
        EXPECT_EQ(before_.size(), 1u);
    }

    const ScratchDatabase& database() const { return database_; }
    SampleSet& set() { return set_; }
    // True when the set holds exactly what it held after assay 1 was added.
    bool Unchanged() const { return Summary(set_) == before_; }

private:
    ScratchDatabase database_;
    SampleSet set_;
    Held before_;
};

// The text of the SqlException the two statements of LoadAssay raise for assay 2 on a new handle (the open
// included), or the empty text when they run through.
std::string LayerError() {
    try {
        DataBase::Handle handle;
        auto assay = DataBase::Prepare(handle, DataBase::kAssayStatement);
        assay.BindUnsigned(1, 2);
        DataBase::ForEachRow<int32_t>(std::move(assay), [](int32_t) {});
        auto peaks = DataBase::Prepare(handle, DataBase::kPeakStatement);
        peaks.BindUnsigned(1, 2);
        DataBase::ForEachRow<std::wstring>(std::move(peaks), [](const std::wstring&) {});
    } catch (const DataBase::SqlException& e) {
        return e.what();
    }
    return {};
}

// LoadAssay of assay 2 on a handle of its own, as the restore of a saved set does it; a failed open is told
// as a database failure, as a failed read is.
AssayLoadResult LoadSecond(SampleSet& set) {
    try {
        DataBase::Handle handle;
        return LoadAssay(handle, set, 2, &BuiltInText);
    } catch (const DataBase::SqlException& e) {
        AssayLoadResult result;
        result.status = AssayLoadStatus::DatabaseFailure;
        result.databaseError.emplace(e);
        return result;
    }
}

TEST(DatabaseFaults, EveryFaultIsTheLayersErrorNeverAMissingIdAndTheSetKeepsWhatItHeld) {
    for (const DatabaseFault& fault : kDatabaseFaults) {
        SCOPED_TRACE(fault.name);
        Scene scene;
        const AppliedFault applied(fault, scene.database());
        EXPECT_EQ(LayerError(), applied.Message());
        const AssayLoadResult result = LoadSecond(scene.set());
        EXPECT_EQ(result.index, -1);
        ASSERT_EQ(result.status, AssayLoadStatus::DatabaseFailure);
        EXPECT_EQ(result.databaseError->what(), applied.Message());
        EXPECT_TRUE(scene.Unchanged());
        EXPECT_EQ(std::filesystem::exists(applied.Path()), fault.given != Given::MissingFile);
    }
}

TEST(DatabaseFaults, AnIdTheDatabaseLacksIsNoFailure) {
    Scene scene;
    DataBase::Handle handle;
    const AssayLoadResult result = LoadAssay(handle, scene.set(), 99, &BuiltInText);
    EXPECT_EQ(result.index, -1);
    EXPECT_EQ(result.status, AssayLoadStatus::NotFound);
    EXPECT_FALSE(result.databaseError.has_value());
}

TEST(DatabaseFaults, OpenThatIsRefusedRaisesTheCantOpenCodeAndNamesThePath) {
    Scene scene;
#ifdef _WIN32
    // Windows refuses to open a folder as a file.
    const std::filesystem::path refused = scene.database().folder();
#else
    // POSIX opens a folder for reading (its reads fail); a link that leads to itself is refused at once.
    const std::filesystem::path refused = scene.database().folder() / "loop.db";
    std::filesystem::create_symlink(refused, refused);
#endif
    DataBaseConnection::Instance().SetConnectionUri(refused.wstring().c_str());
    try {
        DataBase::Handle handle;
        ADD_FAILURE() << "the open should be refused";
    } catch (const DataBase::OpenException& e) {
        EXPECT_EQ(e.ResultCode(), SQLITE_CANTOPEN);
        EXPECT_FALSE(e.Missing());
        EXPECT_EQ(e.Path(), refused.wstring());
        EXPECT_STREQ(e.what(), "unable to open database file");
    }
}

TEST(DatabaseFaults, LockReleasedLetsTheSameHandleRead) {
    Scene scene;
    Connection other = OpenOther(scene.database().path());
    ASSERT_EQ(sqlite3_exec(other.get(), "BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr), SQLITE_OK);
    DataBase::Handle handle;
    const AssayLoadResult result = LoadAssay(handle, scene.set(), 2, &BuiltInText);
    EXPECT_EQ(result.index, -1);
    ASSERT_EQ(result.status, AssayLoadStatus::DatabaseFailure);
    EXPECT_EQ(result.databaseError->ResultCode(), SQLITE_BUSY);
    EXPECT_TRUE(scene.Unchanged());
    sqlite3_exec(other.get(), "COMMIT;", nullptr, nullptr, nullptr);
    EXPECT_EQ(LoadAssay(handle, scene.set(), 2, &BuiltInText).index, 1);
    EXPECT_EQ(sqlite3_next_stmt(handle.get(), nullptr), nullptr);
}

TEST(DatabaseFaults, FileDeletedWhileAHandleIsOpen) {
    Scene scene;
    DataBase::Handle handle;
    // The connection has read the schema: from here on it works on the file it opened.
    EXPECT_EQ(LoadAssay(handle, scene.set(), 1, &BuiltInText).index, 0);
    std::error_code error;
    const bool removed = std::filesystem::remove(scene.database().path(), error);
    // Where an open file can be deleted (POSIX) the open connection still reads the data it opened; where it
    // cannot (Windows), the file is still there. Either way the assay is read whole.
    EXPECT_EQ(LoadAssay(handle, scene.set(), 2, &BuiltInText).index, 1);
    EXPECT_EQ(scene.set().entry(1).peaks.size(), 1u);
    EXPECT_EQ(scene.set().entry(1).traces.size(), 2u);
    if (removed) {
        // A new handle finds no database and makes none.
        SampleSet fresh;
        EXPECT_EQ(LoadSecond(fresh).index, -1);
        EXPECT_EQ(fresh.count(), 0);
        EXPECT_FALSE(std::filesystem::exists(scene.database().path()));
    }
}

TEST(DatabaseFaults, FileThatIsAFolderOrMissingStillGivesTheEntryAndTheMessage) {
    Scene scene;
    const std::wstring folder = scene.database().folder().wstring();
    for (const std::wstring& filename : {folder, folder + L"/nothing.chr", std::wstring()}) {
        SCOPED_TRACE(std::string(filename.begin(), filename.end()));
        ExecWithTexts(scene.database(), "UPDATE assay SET filename = ?1 WHERE id = 2;",
                      {std::u16string(filename.begin(), filename.end())});
        SampleSet set;
        DataBase::Handle handle;
        const AssayLoadResult result = LoadAssay(handle, set, 2, &BuiltInText);
        ASSERT_EQ(result.index, 0);
        EXPECT_EQ(result.status, AssayLoadStatus::FileUnreadable);
        EXPECT_EQ(result.fileError, L"Ошибка загрузки файла: '" + filename + L"'");
        EXPECT_TRUE(set.entry(0).channels.empty());
        EXPECT_TRUE(set.entry(0).traces.empty());
        EXPECT_EQ(set.entry(0).peaks.size(), 1u);
    }
}

// A value of one column as the entry holds it: numbers widened to 64 bits, texts as they are.
using Value = std::variant<int64_t, double, std::wstring>;

Value AssayField(const AssayEntry& entry, const std::string& column) {
    if (column == "date") return entry.date;
    if (column == "iscalibration") return int64_t{entry.iscalibration};
    if (column == "filename") return entry.filename;
    if (column == "sample") return entry.sample;
    if (column == "mixture") return entry.mixture;
    return entry.method;
}

Value PeakField(const PeakRecord& peak, const std::string& column) {
    if (column == "nameid") return peak.nameid;
    if (column == "name") return peak.name;
    if (column == "channel") return int64_t{peak.channel};
    if (column == "height") return peak.height;
    if (column == "area") return peak.area;
    return peak.time;
}

struct ColumnCase {
    const char* column;
    // An SQL literal stored in the column in place of the regular value.
    const char* stored;
    Value read;
};

// SQLite's own conversions decide what a value of another kind reads as; a NULL is the type's empty value.
const ColumnCase kAssayColumns[] = {
    {"date", "'soon'", int64_t{0}},
    {"date", "'1767000000 UTC'", int64_t{1767000000}},
    {"date", "1767000000.9", int64_t{1767000000}},
    {"date", "1e300", int64_t{INT64_MAX}},
    {"date", "x'3432'", int64_t{42}},
    {"date", "NULL", int64_t{0}},
    {"iscalibration", "'yes'", int64_t{0}},
    {"iscalibration", "0.5", int64_t{0}},
    {"iscalibration", "-1", int64_t{1}},
    {"iscalibration", "x'01'", int64_t{0}},
    {"sample", "42", std::wstring(L"42")},
    {"sample", "2.5", std::wstring(L"2.5")},
    {"sample", "x'd0bfd180d0bed0b1'", std::wstring(L"проб")},
    {"sample", "x''", std::wstring()},
    {"mixture", "x'00d0'", std::wstring()},
    {"method", "NULL", std::wstring()},
    {"filename", "x''", std::wstring()},
};

TEST(DatabaseFaults, AssayColumnsOfAnotherKindReadAsSQLiteConvertsThem) {
    for (const ColumnCase& c : kAssayColumns) {
        SCOPED_TRACE(std::string(c.column) + " = " + c.stored);
        Scene scene;
        scene.database().Exec(
            ("UPDATE assay SET " + std::string(c.column) + " = " + c.stored + " WHERE id = 2;").c_str());
        ASSERT_EQ(LoadSecond(scene.set()).index, 1);
        EXPECT_EQ(AssayField(scene.set().entry(1), c.column), c.read);
        EXPECT_EQ(scene.set().entry(1).peaks.size(), 1u);
    }
}

const ColumnCase kPeakColumns[] = {
    {"height", "'high'", 0.0},
    {"height", "'150.5'", 150.5},
    {"height", "x'00'", 0.0},
    {"height", "NULL", 0.0},
    {"area", "'12.5 mV'", 12.5},
    {"time", "'late'", 0.0},
    {"channel", "2.7", int64_t{2}},
    {"channel", "'two'", int64_t{0}},
    {"channel", "-5", int64_t{-5}},
    {"channel", "4294967297", int64_t{1}},
    {"nameid", "12", std::wstring(L"12")},
    {"name", "7", std::wstring(L"7")},
    {"name", "x'd0b2d0bed0b4d0b0'", std::wstring(L"вода")},
};

TEST(DatabaseFaults, PeakColumnsOfAnotherKindReadAsSQLiteConvertsThem) {
    for (const ColumnCase& c : kPeakColumns) {
        SCOPED_TRACE(std::string(c.column) + " = " + c.stored);
        Scene scene;
        scene.database().Exec(
            ("UPDATE peak SET " + std::string(c.column) + " = " + c.stored + " WHERE assayid = 2;").c_str());
        ASSERT_EQ(LoadSecond(scene.set()).index, 1);
        ASSERT_EQ(scene.set().entry(1).peaks.size(), 1u);
        EXPECT_EQ(PeakField(scene.set().entry(1).peaks[0], c.column), c.read);
    }
}

TEST(DatabaseFaults, PeakNamesThatReadEmptyAreDropped) {
    for (const char* stored : {"x''", "x'00d0'", "NULL", "''"}) {
        SCOPED_TRACE(stored);
        Scene scene;
        scene.database().Exec((std::string("UPDATE peak SET name = ") + stored + " WHERE assayid = 2;").c_str());
        ASSERT_EQ(LoadSecond(scene.set()).index, 1);
        EXPECT_TRUE(scene.set().entry(1).peaks.empty());
    }
}

// UTF-16 code units, lone surrogates included, as a wide text.
std::wstring Units(std::initializer_list<char16_t> units) {
    std::wstring text;
    for (char16_t unit : units) text.push_back(static_cast<wchar_t>(unit));
    return text;
}

std::u16string Utf16Units(const std::wstring& text) {
    std::u16string units;
    for (wchar_t unit : text) units.push_back(static_cast<char16_t>(unit));
    return units;
}

struct BrokenText {
    const char* name;
    std::wstring text;
};

// In a database kept in UTF-16 SQLite hands the stored units back unchanged, so any of these can arrive.
const BrokenText kBrokenTexts[] = {
    {"lone high surrogate inside", Units({u'п', u'р', u'о', u'б', 0xD800, u'а'})},
    {"lone high surrogate at the end", Units({u'в', u'о', u'д', u'а', 0xDBFF})},
    {"lone low surrogate first", Units({0xDC00, u'x'})},
    {"pair in reverse order", Units({0xDFFF, 0xD800})},
};

TEST(DatabaseFaults, TextsWithLoneSurrogatesKeepTheirUnits) {
    for (const BrokenText& broken : kBrokenTexts) {
        SCOPED_TRACE(broken.name);
        ScratchDatabase database(HostSchemaIn("UTF-16le").c_str());
        database.Use();
        const std::wstring path = (database.folder() / "missing").wstring() + broken.text + L".chr";
        const std::u16string text = Utf16Units(broken.text);
        ExecWithTexts(database, "INSERT INTO assay VALUES (1, 0, ?1, ?2, ?2, ?2, 0);", {Utf16Units(path), text});
        ExecWithTexts(database, "INSERT INTO peak(assayid, nameid, name, time) VALUES (1, ?1, ?1, 1.0);", {text});

        SampleSet set;
        DataBase::Handle handle;
        const AssayLoadResult result = LoadAssay(handle, set, 1, &BuiltInText);
        ASSERT_EQ(result.index, 0);
        const AssayEntry& entry = set.entry(0);
        EXPECT_EQ(entry.sample, broken.text);
        EXPECT_EQ(entry.mixture, broken.text);
        EXPECT_EQ(entry.method, broken.text);
        EXPECT_EQ(entry.filename, path);
        ASSERT_EQ(entry.peaks.size(), 1u);
        EXPECT_EQ(entry.peaks[0].name, broken.text);
        EXPECT_EQ(entry.peaks[0].nameid, broken.text);
        // The file cannot be found; the message names the path unit for unit.
        EXPECT_EQ(result.fileError, L"Ошибка загрузки файла: '" + path + L"'");
        EXPECT_TRUE(entry.channels.empty());
    }
}

struct BrokenBytes {
    const char* stored;
    std::wstring read;
};

// In a UTF-8 database SQLite turns what is not UTF-8 into U+FFFD on the way to UTF-16.
const BrokenBytes kBrokenUtf8[] = {
    {"x'EDA080'", Units({0xFFFD})},
    {"x'FF41'", Units({0xFFFD, u'A'})},
    {"x'41C3'", Units({u'A', 0xFFFD})},
    {"x'C0AF'", Units({0xFFFD})},
};

TEST(DatabaseFaults, InvalidUtf8ReadsAsReplacementCharacters) {
    for (const BrokenBytes& broken : kBrokenUtf8) {
        SCOPED_TRACE(broken.stored);
        Scene scene;
        scene.database().Exec(
            (std::string("UPDATE assay SET sample = CAST(") + broken.stored + " AS TEXT) WHERE id = 2;").c_str());
        ASSERT_EQ(LoadSecond(scene.set()).index, 1);
        EXPECT_EQ(scene.set().entry(1).sample, broken.read);
    }
}

}  // namespace
