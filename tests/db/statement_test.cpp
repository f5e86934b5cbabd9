#include "db/for_each_row.h"
#include "db/handle.h"
#include "db/prepare.h"
#include "db/sql_exception.h"
#include "tests/db/scratch_database.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

using DataBase::ForEachRow;
using DataBase::Handle;
using DataBase::Prepare;
using DataBase::SqlException;

namespace {

using Row = std::tuple<int32_t, int64_t, double, std::wstring>;

// Reads every row of the SQL as (32-bit, 64-bit, double, text).
std::vector<Row> ReadRows(Handle& handle, const wchar_t* sql) {
    std::vector<Row> rows;
    ForEachRow<int32_t, int64_t, double, std::wstring>(
        Prepare(handle, sql),
        [&](int32_t a, int64_t b, double c, std::wstring d) { rows.emplace_back(a, b, c, std::move(d)); });
    return rows;
}

bool HasOpenStatements(const Handle& handle) {
    return sqlite3_next_stmt(handle.get(), nullptr) != nullptr;
}

class StatementTest : public ::testing::Test {
protected:
    void SetUp() override { database_.Use(); }

    ScratchDatabase database_{"CREATE TABLE t(i INTEGER, j INTEGER, d REAL, s TEXT);"};
};

TEST_F(StatementTest, ColumnsAreReadByTheirDeclaredType) {
    struct Case {
        const char* values;
        Row expected;
    };
    const Case cases[] = {
        {"NULL, NULL, NULL, NULL", {0, 0, 0.0, L""}},
        {"7, -8, 2.5, 'вода'", {7, -8, 2.5, L"вода"}},
        {"'12', '34', '0.125', 56", {12, 34, 0.125, L"56"}},
        {"3000000000, 9007199254740993, 1e308, '\xF0\x9F\x98\x80'",
         {-1294967296, 9007199254740993, 1e308, L"\U0001F600"}},
        {"'', '', '', ''", {0, 0, 0.0, L""}},
    };
    for (const auto& c : cases) {
        database_.Exec("DELETE FROM t;");
        database_.Exec((std::string("INSERT INTO t VALUES (") + c.values + ");").c_str());
        Handle handle;
        const auto rows = ReadRows(handle, L"SELECT i, j, d, s FROM t;");
        ASSERT_EQ(rows.size(), 1u) << c.values;
        EXPECT_EQ(rows[0], c.expected) << c.values;
    }
}

TEST_F(StatementTest, UnsignedValuesAreBoundWithoutSignAndReadBackUnsigned) {
    const uint32_t values[] = {0u, 1u, 2147483647u, 2147483648u, 4294967295u};
    Handle handle;
    for (uint32_t value : values) {
        auto statement = Prepare(handle, L"SELECT ?1, ?1 > 0, ?1;");
        statement.BindUnsigned(1, value);
        std::vector<std::tuple<int64_t, int32_t, uint32_t>> rows;
        ForEachRow<int64_t, int32_t, uint32_t>(std::move(statement), [&](int64_t bound, int32_t positive, uint32_t id) {
            rows.emplace_back(bound, positive, id);
        });
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(std::get<0>(rows[0]), static_cast<int64_t>(value));
        EXPECT_EQ(std::get<1>(rows[0]), value > 0 ? 1 : 0);
        EXPECT_EQ(std::get<2>(rows[0]), value);
    }
}

TEST_F(StatementTest, SignedValuesAreBoundAsTheyAre) {
    const int32_t values[] = {-2147483647 - 1, -1, 0, 2147483647};
    Handle handle;
    for (int32_t value : values) {
        auto statement = Prepare(handle, L"SELECT ?;");
        statement.BindSigned(1, value);
        int64_t read = 1;
        ForEachRow<int64_t>(std::move(statement), [&](int64_t bound) { read = bound; });
        EXPECT_EQ(read, value);
    }
}

TEST_F(StatementTest, NoRowsCallsNothingAndFinalizes) {
    Handle handle;
    int calls = 0;
    ForEachRow<int32_t>(Prepare(handle, L"SELECT i FROM t;"), [&](int32_t) { ++calls; });
    EXPECT_EQ(calls, 0);
    EXPECT_FALSE(HasOpenStatements(handle));
}

TEST_F(StatementTest, TextWithoutStatementHasNoRows) {
    Handle handle;
    int calls = 0;
    ForEachRow<int32_t>(Prepare(handle, L"  -- nothing\n"), [&](int32_t) { ++calls; });
    EXPECT_EQ(calls, 0);
}

TEST_F(StatementTest, RowsArriveInOrderAndTheHandlerMayRunStatements) {
    database_.Exec("INSERT INTO t(i, s) VALUES (1, 'a'), (2, 'b'), (3, 'c');");
    Handle handle;
    std::vector<std::wstring> seen;
    ForEachRow<int32_t, std::wstring>(
        Prepare(handle, L"SELECT i, s FROM t ORDER BY i;"), [&](int32_t i, std::wstring s) {
            auto inner = Prepare(handle, L"SELECT count(*) FROM t WHERE i <= ?;");
            inner.BindSigned(1, i);
            ForEachRow<int32_t>(std::move(inner), [&](int32_t count) { seen.push_back(s + std::to_wstring(count)); });
        });
    EXPECT_EQ(seen, (std::vector<std::wstring>{L"a1", L"b2", L"c3"}));
    EXPECT_FALSE(HasOpenStatements(handle));
}

TEST_F(StatementTest, FailedStepCarriesItsSqlAndLeavesNoStatementOpen) {
    const char* sql = "SELECT abs(-9223372036854775807 - 1);";
    Handle handle;
    try {
        ForEachRow<int64_t>(Prepare(handle, L"SELECT abs(-9223372036854775807 - 1);"), [](int64_t) {});
        FAIL() << "the step should fail";
    } catch (const SqlException& e) {
        EXPECT_EQ(e.ResultCode(), SQLITE_ERROR);
        EXPECT_STREQ(e.what(), sqlite3_errstr(SQLITE_ERROR));
        ASSERT_NE(e.Sql(), nullptr);
        EXPECT_STREQ(e.Sql(), sql);
        // A copy owns its texts too.
        const SqlException copy = e;
        EXPECT_STREQ(copy.Sql(), sql);
    }
    EXPECT_FALSE(HasOpenStatements(handle));
    // The handle still works, and closes cleanly when it goes.
    EXPECT_EQ(ReadRows(handle, L"SELECT i, j, d, s FROM t;").size(), 0u);
}

TEST_F(StatementTest, HandlerExceptionFinalizesTheStatement) {
    database_.Exec("INSERT INTO t(i) VALUES (1), (2);");
    Handle handle;
    EXPECT_THROW(
        ForEachRow<int32_t>(Prepare(handle, L"SELECT i FROM t;"), [](int32_t) { throw std::runtime_error("handler"); }),
        std::runtime_error);
    EXPECT_FALSE(HasOpenStatements(handle));
}

TEST_F(StatementTest, PrepareFailureHasNoSqlText) {
    struct Case {
        const wchar_t* sql;
        const char* message;
    };
    const Case cases[] = {
        {L"SELEC 1;", "near \"SELEC\": syntax error"},
        {L"SELECT x FROM [assay];", "no such table: assay"},
        {L"SELECT nope FROM t;", "no such column: nope"},
    };
    Handle handle;
    for (const auto& c : cases) {
        try {
            Prepare(handle, c.sql);
            ADD_FAILURE() << c.message;
        } catch (const SqlException& e) {
            EXPECT_EQ(e.ResultCode(), SQLITE_ERROR);
            EXPECT_STREQ(e.what(), c.message);
            EXPECT_EQ(e.Sql(), nullptr);
        }
    }
}

}  // namespace
