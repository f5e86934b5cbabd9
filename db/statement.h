#pragma once
// A prepared statement with its one owner: bound, stepped to the end and finalized, never reset or reused.
// It is finalized on every path, also when a step fails or a row handler throws.

#include <cstdint>
#include <memory>
#include <string>

struct sqlite3_stmt;

namespace DataBase {

class Statement {
public:
    explicit Statement(sqlite3_stmt* statement) noexcept : statement_(statement) {}

    // Binds by position, the first "?" being 1. Ids are unsigned 32-bit: widened without sign, so that
    // 4294967295 stays positive.
    void BindUnsigned(int position, uint32_t value);
    void BindSigned(int position, int32_t value);

    // Steps once: true when a row is ready, false when the rows are exhausted (the statement is finalized
    // then). Any other result finalizes the statement and throws SqlException with its SQL text.
    bool Step();

    // The column of the current row read as T (int32_t, uint32_t: the low 32 bits of the integer, int64_t,
    // double or std::wstring); a NULL column gives T's empty value.
    template <class T>
    T Column(int index) const;

    sqlite3_stmt* get() const noexcept { return statement_.get(); }

private:
    struct Finalizer {
        void operator()(sqlite3_stmt* statement) const noexcept;
    };
    std::unique_ptr<sqlite3_stmt, Finalizer> statement_;
};

template <>
int32_t Statement::Column<int32_t>(int index) const;
template <>
uint32_t Statement::Column<uint32_t>(int index) const;
template <>
int64_t Statement::Column<int64_t>(int index) const;
template <>
double Statement::Column<double>(int index) const;
template <>
std::wstring Statement::Column<std::wstring>(int index) const;

}  // namespace DataBase
