#pragma once
// The module's single holder of the host database's connection string, as the host's
// "DB/GetConnectionUri" service gave it. Every DataBase::Handle opens the database it names.

#include <memory>

class DataBaseConnection {
public:
    // The one object, created on first use with no connection string.
    static DataBaseConnection& Instance();

    // Stores a copy of the text, replacing whatever was stored before.
    void SetConnectionUri(const wchar_t* uri);
    // The stored text, or null while none was received.
    const wchar_t* ConnectionUri() const { return uri_.get(); }

    DataBaseConnection(const DataBaseConnection&) = delete;
    DataBaseConnection& operator=(const DataBaseConnection&) = delete;
    virtual ~DataBaseConnection() = default;

private:
    DataBaseConnection() = default;

    std::unique_ptr<wchar_t[]> uri_;
};
