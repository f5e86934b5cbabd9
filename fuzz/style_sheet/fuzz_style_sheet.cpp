// libFuzzer target: arbitrary bytes as a report style sheet, through the check that runs before MSXML sees
// it. Besides the sanitizers: text without bytes outside ASCII reads the same in every encoding the check
// knows, so the file's bytes and the same text as MSXML would write it back must get the same verdict.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "report/style_sheet_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const StyleSheetRefusal fromBytes = CheckStyleSheetBytes(data, size);
    std::wstring text;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0 || data[i] > 0x7F) return 0;
        text += static_cast<wchar_t>(data[i]);
    }
    if (fromBytes != StyleSheetRefusal::kNotReadable)
        FuzzCheck(CheckStyleSheetText(text) == fromBytes, "bytes and text of the same style sheet differ");
    return 0;
}
