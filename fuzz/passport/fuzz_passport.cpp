// libFuzzer target: arbitrary bytes as the inside of the "passport" element of a chromatogram file's
// document, read by the reader's document code. The document around them is fixed, so that the fuzzer spends
// its effort on the passport's own elements and values rather than on finding "root" and "passport".

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "chromfile/file_document.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string document = "<?xml version=\"1.0\" encoding=\"utf-8\"?><root version=\"1\"><passport version=\"1\">";
    document.append(reinterpret_cast<const char*>(data), size);
    document.append("</passport></root>");

    // A passport read from an earlier file: a failed document leaves all of it; the path is never the
    // document's to change.
    Passport passport;
    passport.path = L"earlier.stg";
    passport.sample = L"earlier";
    passport.columns.resize(1);
    passport.extras.resize(2);
    std::vector<ChannelRecord> channels;
    if (ReadFileDocument(document.data(), document.size(), passport, channels)) {
        FuzzCheck(passport.path == L"earlier.stg", "a read document changed the file's path");
    } else {
        FuzzCheck(passport.path == L"earlier.stg" && passport.sample == L"earlier" && passport.columns.size() == 1 &&
                      passport.extras.size() == 2,
                  "a failed document changed the passport");
    }
    return 0;
}
