#include "db/database_connection.h"
#include "db/for_each_row.h"
#include "db/handle.h"
#include "db/prepare.h"
#include "db/sql_exception.h"
#include "tests/db/scratch_database.h"
#include "text/utf8_text.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>

using DataBase::ForEachRow;
using DataBase::Handle;
using DataBase::Prepare;
using DataBase::SqlException;

namespace {

const char kAssayTable[] =
    "CREATE TABLE assay(id INTEGER PRIMARY KEY, sample TEXT);"
    "INSERT INTO assay VALUES (1, 'проба');";

TEST(DataBaseConnection, KeepsItsOwnCopyOfTheLastString) {
    std::wstring text = L"C:\\host\\база.db";
    DataBaseConnection::Instance().SetConnectionUri(text.c_str());
    text[0] = L'D';
    EXPECT_STREQ(DataBaseConnection::Instance().ConnectionUri(), L"C:\\host\\база.db");
    DataBaseConnection::Instance().SetConnectionUri(L"");
    EXPECT_STREQ(DataBaseConnection::Instance().ConnectionUri(), L"");
    DataBaseConnection::Instance().SetConnectionUri(nullptr);
    EXPECT_EQ(DataBaseConnection::Instance().ConnectionUri(), nullptr);
}

TEST(Handle, OpensTheStoredPathWithForeignKeysOn) {
    ScratchDatabase database(kAssayTable);
    database.Use();
    Handle handle;
    std::wstring sample;
    int32_t foreignKeys = 0;
    ForEachRow<std::wstring>(Prepare(handle, L"SELECT sample FROM [assay];"), [&](std::wstring s) { sample = s; });
    ForEachRow<int32_t>(Prepare(handle, L"PRAGMA foreign_keys;"), [&](int32_t on) { foreignKeys = on; });
    EXPECT_EQ(sample, L"проба");
    EXPECT_EQ(foreignKeys, 1);
    // The host's database is only read.
    try {
        ForEachRow<int32_t>(Prepare(handle, L"DELETE FROM [assay];"), [](int32_t) {});
        ADD_FAILURE() << "the write should be refused";
    } catch (const SqlException& e) {
        EXPECT_EQ(e.ResultCode(), SQLITE_READONLY);
    }
}

TEST(Handle, WithoutConnectionStringTheFirstPrepareFindsNoTable) {
    DataBaseConnection::Instance().SetConnectionUri(nullptr);
    Handle handle;
    try {
        Prepare(handle, L"SELECT assay.id FROM [assay] WHERE assay.id = ?;");
        FAIL() << "the prepare should fail";
    } catch (const SqlException& e) {
        EXPECT_EQ(e.ResultCode(), SQLITE_ERROR);
        EXPECT_STREQ(e.what(), "no such table: assay");
        EXPECT_EQ(e.Sql(), nullptr);
    }
}

TEST(Handle, AMissingFileIsNamedAndNotCreated) {
    ScratchDatabase database(kAssayTable);
    const std::filesystem::path paths[] = {
        database.folder() / "new.db",
        database.folder() / "missing" / "host.db",
        // As a URI this would name the database beside it; as a path its folder "file:..." does not exist.
        L"file:" + database.path().wstring(),
    };
    for (const std::filesystem::path& path : paths) {
        SCOPED_TRACE(path.string());
        DataBaseConnection::Instance().SetConnectionUri(path.wstring().c_str());
        try {
            Handle handle;
            ADD_FAILURE() << "the open should fail";
        } catch (const DataBase::OpenException& e) {
            EXPECT_EQ(e.ResultCode(), SQLITE_CANTOPEN);
            EXPECT_TRUE(e.Missing());
            EXPECT_EQ(e.Path(), path.wstring());
            EXPECT_EQ(e.what(), Utf8FromWide(L"База данных не найдена: " + path.wstring()));
            ASSERT_NE(e.Sql(), nullptr);
            EXPECT_STREQ(e.Sql(), "");
        }
        EXPECT_FALSE(std::filesystem::exists(path));
    }
}

}  // namespace
