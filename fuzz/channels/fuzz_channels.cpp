// libFuzzer target: arbitrary bytes as the inside of the "channels" element of a chromatogram file's
// document, read by the reader's document code against a fixed set of channel blocks. The document around
// them is fixed, so that the fuzzer spends its effort on the channel and peak elements.

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "chromfile/file_document.h"
#include "fuzz/fuzz_check.h"

namespace {

// Block numbers as a file's blocks give them: two blocks share number 1, so only the first of them may
// receive a table.
constexpr uint32_t kNumbers[] = {0, 1, 2, 1, 255};
constexpr size_t kSecondWithNumber1 = 3;

// Each block starts with a table of its own, which a failed document must leave in place.
bool HoldsEarlierTable(const ChannelRecord& channel) {
    return channel.table.size() == 1 && channel.table[0].name == L"earlier";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string document =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?><root version=\"1\"><passport version=\"1\"/>"
        "<channels version=\"1\">";
    document.append(reinterpret_cast<const char*>(data), size);
    document.append("</channels></root>");

    std::vector<ChannelRecord> channels;
    for (uint32_t number : kNumbers) {
        ChannelRecord& channel = channels.emplace_back();
        channel.number = number;
        channel.samples = {static_cast<float>(number)};
        channel.table.resize(1);
        channel.table[0].name = L"earlier";
    }
    Passport passport;
    const bool read = ReadFileDocument(document.data(), document.size(), passport, channels);

    FuzzCheck(channels.size() == std::size(kNumbers), "the document changed the number of channels");
    for (size_t i = 0; i < channels.size(); ++i) {
        FuzzCheck(channels[i].number == kNumbers[i] && channels[i].samples.size() == 1 &&
                      channels[i].samples[0] == static_cast<float>(kNumbers[i]),
                  "the document changed a channel's block data");
        FuzzCheck(read || HoldsEarlierTable(channels[i]), "a failed document changed a table");
    }
    FuzzCheck(HoldsEarlierTable(channels[kSecondWithNumber1]), "a table went to the second block of a number");
    return 0;
}
