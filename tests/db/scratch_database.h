#pragma once
// A database file in a folder of its own under the temporary folder, removed with the object; the tests
// point DataBaseConnection at it.

#include <filesystem>
#include <string>

class ScratchDatabase {
public:
    // Creates the folder and runs the SQL script in a new database file in it.
    explicit ScratchDatabase(const char* script = "");
    ~ScratchDatabase();

    ScratchDatabase(const ScratchDatabase&) = delete;
    ScratchDatabase& operator=(const ScratchDatabase&) = delete;

    const std::filesystem::path& folder() const { return folder_; }
    const std::filesystem::path& path() const { return path_; }
    // Makes this database the one every new DataBase::Handle opens.
    void Use() const;
    // Runs more SQL on a connection of its own.
    void Exec(const char* script) const;

private:
    std::filesystem::path folder_;
    std::filesystem::path path_;
};
