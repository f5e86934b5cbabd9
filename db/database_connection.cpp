#include "db/database_connection.h"

#include <cwchar>
#include <utility>

DataBaseConnection& DataBaseConnection::Instance() {
    static DataBaseConnection instance;
    return instance;
}

void DataBaseConnection::SetConnectionUri(const wchar_t* uri) {
    if (uri == nullptr) {
        uri_.reset();
        return;
    }
    const std::size_t length = std::wcslen(uri);
    auto copy = std::make_unique<wchar_t[]>(length + 1);
    std::wmemcpy(copy.get(), uri, length + 1);
    uri_ = std::move(copy);
}
