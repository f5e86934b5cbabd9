#include "hostsim/profile_store.h"

#include <windows.h>

#include <charconv>
#include <cstdio>
#include <memory>

#include "hostsim/profile_file.h"
#include "text/utf8_text.h"

namespace {

struct FileCloser {
    void operator()(FILE* file) const noexcept { fclose(file); }
};
using UniqueFile = std::unique_ptr<FILE, FileCloser>;

std::optional<std::string> ReadFile(const std::wstring& path) {
    UniqueFile file(_wfopen(path.c_str(), L"rb"));
    if (!file) return std::nullopt;
    std::string bytes;
    char chunk[4096];
    for (size_t n; (n = fread(chunk, 1, sizeof chunk, file.get())) > 0;) bytes.append(chunk, n);
    return bytes;
}

}  // namespace

ProfileStore::ProfileStore(std::optional<std::wstring> path) : path_(std::move(path)) {
    if (!path_) return;
    if (const std::optional<std::string> bytes = ReadFile(*path_)) values_ = ParseProfile(*bytes);
}

void ProfileStore::Set(const std::wstring& key, Value value) {
    values_[key] = std::move(value);
    Save();
}

void ProfileStore::Remove(const std::wstring& key) {
    if (values_.erase(key) != 0) Save();
}

const ProfileStore::Value* ProfileStore::Find(const std::wstring& key) const {
    const auto found = values_.find(key);
    return found == values_.end() ? nullptr : &found->second;
}

void ProfileStore::Save() const {
    if (!path_) return;
    // Written beside the file and moved over it, so that a run that dies mid-write leaves the old file.
    const std::wstring temporary = *path_ + L".new";
    const std::string bytes = SerializeProfile(values_);
    {
        UniqueFile file(_wfopen(temporary.c_str(), L"wb"));
        if (!file || fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
            throw ProfileFileError("cannot write the profile file " + Utf8FromWide(temporary));
    }
    if (!MoveFileExW(temporary.c_str(), path_->c_str(), MOVEFILE_REPLACE_EXISTING))
        throw ProfileFileError("cannot replace the profile file " + Utf8FromWide(*path_));
}

std::wstring FormatDouble(double value) {
    // to_chars with a precision is "%.17g" without the C runtime's own NaN and infinity spellings.
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 17);
    return WideFromUtf8(std::string(text, result.ptr));
}

std::wstring ProfileTypeName(const ProfileStore::Value& value) {
    static const wchar_t* const kNames[] = {L"int", L"double", L"string"};
    return kNames[value.index()];
}
