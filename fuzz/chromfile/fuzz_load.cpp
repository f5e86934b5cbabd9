// libFuzzer target: arbitrary bytes as a chromatogram file, read from memory through the same code as Load.

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "chromfile/file_open.h"
#include "chromfile/veltrox_file4.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A read-only memory stream: the reader never writes through it.
    const FilePtr file(fmemopen(const_cast<uint8_t*>(data), size, "rb"));
    if (!file) return 0;
    CVeltroxFile4 reader;
    reader.Read(file.get(), L"fuzz.stg");
    return 0;
}
