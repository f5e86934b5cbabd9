// Writes the seed corpus of the chromatogram file fuzz target into the folder given: every format version,
// zero to several channels, empty, partial and full documents, and the container's edge shapes.

#include <cstdio>
#include <filesystem>
#include <string>

#include "tools/chromwriter/chrom_writer.h"

namespace {

ChannelRecord Channel(uint32_t number, size_t samples, size_t peaks) {
    ChannelRecord channel;
    channel.number = number;
    channel.blockValueA = 0.5 * number;
    channel.blockValueB = -1.0 / (number + 1);
    for (size_t i = 0; i < samples; ++i) channel.samples.push_back(static_cast<float>(i) * 0.25f);
    for (size_t i = 0; i < peaks; ++i) {
        PeakTableItem peak;
        peak.time = 1.5 + static_cast<double>(i);
        peak.name = L"вода";
        peak.left = static_cast<int32_t>(i);
        peak.flags = 3;
        peak.reference = i == 0;
        channel.table.push_back(peak);
    }
    return channel;
}

ChromFileSpec Full(uint8_t version, int channels) {
    ChromFileSpec spec;
    spec.version = version;
    spec.passport.sample = L"Градуировка 1";
    spec.passport.series = L"a&b<c>";
    spec.passport.andate = 1700000000;
    spec.passport.graduation = true;
    spec.passport.columns.resize(2);
    spec.passport.columns[0].name = L"HP-5";
    spec.passport.extras = {{L"operator", L"Оператор", L"И."}, {}};
    for (int i = 0; i < channels; ++i)
        spec.channels.push_back(
            Channel(static_cast<uint32_t>(i + 1), static_cast<size_t>(3 * i), static_cast<size_t>(i)));
    return spec;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: chromfile_load_seed_writer FOLDER\n", stderr);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    int failures = 0;
    auto save = [&](const char* name, const ChromFileSpec& spec) {
        failures += SaveBytes(folder / name, WriteChromFile(spec)) ? 0 : 1;
    };

    for (const uint8_t version : {uint8_t{0}, uint8_t{1}}) {
        for (int channels : {0, 1, 2, 4}) {
            const std::string name = "full_v" + std::to_string(version) + "_c" + std::to_string(channels);
            save(name.c_str(), Full(version, channels));
        }
    }
    ChromFileSpec spec = Full(1, 2);
    spec.document = "";
    save("empty_document", spec);
    spec.document = "<root/>";
    save("bare_root", spec);
    spec.document =
        "\xEF\xBB\xBF<root><passport><Sample value=\"x\"/>text<![CDATA[c]]></passport>"
        "<channels><channel><number value=\"1\"/><table><item><left/></item></table></channel>"
        "<channel><number value=\"300\"/></channel></channels></root>";
    save("edge_document", spec);
    spec = Full(1, 1);
    spec.documentOffset = ~uint64_t{0};
    save("huge_offset", spec);
    spec.documentOffset = 16;
    save("offset_before_blocks", spec);
    return failures == 0 ? 0 : 1;
}
