#pragma once
// One open connection to the host database, alive for one command. Opening reads the path from
// DataBaseConnection; destruction closes the connection, also while an exception passes.

#include <memory>

struct sqlite3;

namespace DataBase {

class Handle {
public:
    // Opens the database DataBaseConnection names read-only (SQLite's private temporary database while it
    // names none), with foreign keys enforced and a busy timeout of about two seconds. Throws OpenException
    // when the file cannot be opened (or does not exist: nothing is created), SqlException when a later step
    // fails; either after closing what it got.
    Handle();

    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    sqlite3* get() const noexcept { return connection_.get(); }

private:
    struct Closer {
        void operator()(sqlite3* connection) const noexcept;
    };
    std::unique_ptr<sqlite3, Closer> connection_;
};

}  // namespace DataBase
