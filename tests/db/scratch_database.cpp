#include "tests/db/scratch_database.h"

#include "db/database_connection.h"

#include <sqlite3.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

std::filesystem::path NewFolder() {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (;;) {
        auto folder = std::filesystem::temp_directory_path() /
                      ("talvex-db-" + std::to_string(stamp) + "-" + std::to_string(counter++));
        if (std::filesystem::create_directory(folder)) return folder;
    }
}

struct Closer {
    void operator()(sqlite3* connection) const { sqlite3_close(connection); }
};

}  // namespace

ScratchDatabase::ScratchDatabase(const char* script) : folder_(NewFolder()), path_(folder_ / "host.db") {
    Exec(script);
}

ScratchDatabase::~ScratchDatabase() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

void ScratchDatabase::Use() const {
    DataBaseConnection::Instance().SetConnectionUri(path_.wstring().c_str());
}

void ScratchDatabase::Exec(const char* script) const {
    sqlite3* opened = nullptr;
    const int rc = sqlite3_open16(path_.u16string().c_str(), &opened);
    std::unique_ptr<sqlite3, Closer> connection(opened);
    if (rc != SQLITE_OK) throw std::runtime_error("cannot open the scratch database");
    if (sqlite3_exec(opened, script, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(opened));
}
