#include "chromfile/file_open.h"

#ifndef _WIN32
#include <sys/stat.h>

#include "text/utf8_text.h"
#endif

FilePtr OpenForBinaryReading(const wchar_t* path) {
#ifdef _WIN32
    return FilePtr(_wfopen(path, L"rb"));
#else
    FilePtr file(std::fopen(Utf8FromWide(path).c_str(), "rb"));
    // Windows refuses to open a folder as a file; here it opens, and only its reading would fail. Refusing it
    // here keeps a folder where a chromatogram file was expected "cannot be opened" on every target.
    struct stat status {};
    if (file && (fstat(fileno(file.get()), &status) != 0 || S_ISDIR(status.st_mode))) file.reset();
    return file;
#endif
}
