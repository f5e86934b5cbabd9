#include "chromfile/file_open.h"

#ifndef _WIN32
#include "chromfile/utf8_text.h"
#endif

FilePtr OpenForBinaryReading(const wchar_t* path)
{
#ifdef _WIN32
    return FilePtr(_wfopen(path, L"rb"));
#else
    return FilePtr(std::fopen(Utf8FromWide(path).c_str(), "rb"));
#endif
}
