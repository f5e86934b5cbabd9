#pragma once
// Opening a file named by a wide path for binary reading, on every target.

#include <cstdio>
#include <memory>

// Closes the C stream it owns.
struct FileCloser {
    void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// The file at path opened in binary mode for reading, or null when it cannot be opened (a folder cannot be
// opened as a file). Windows takes the UTF-16 path as it is; elsewhere file names are UTF-8 bytes.
FilePtr OpenForBinaryReading(const wchar_t* path);
