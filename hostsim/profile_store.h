#pragma once
// The host's user profile: typed values under exact key texts. With a file, every change is written
// through at once (so a script's values survive however the run ends); doubles are kept as their bits.

#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>

class ProfileStore {
public:
    using Value = std::variant<int32_t, double, std::wstring>;

    // Reads the file when it exists; a missing file is created at the first change. Without a path
    // the values live for the run only.
    explicit ProfileStore(std::optional<std::wstring> path);

    void Set(const std::wstring& key, Value value);
    void Remove(const std::wstring& key);
    // Null when nothing is stored under the key.
    const Value* Find(const std::wstring& key) const;
    // Ordered by key, ordinal on UTF-16 units.
    const std::map<std::wstring, Value>& Values() const { return values_; }

private:
    void Save() const;

    std::optional<std::wstring> path_;
    std::map<std::wstring, Value> values_;
};

// A profile file hostsim cannot read.
struct ProfileFileError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The value as `profile` prints it: int, double ("%.17g") or the text, and the type's name.
std::wstring ProfileTypeName(const ProfileStore::Value& value);
std::wstring FormatDouble(double value);
