// chromdump's object: every key of the contract in its order, for a fresh reader and a filled one.

#include <gtest/gtest.h>

#include "chromfile/veltrox_file4.h"
#include "tools/chromdump/chrom_dump_json.h"

namespace {

const char kFreshPassport[] =
    "\"passport\": {\"path\": \"\", \"assayid\": \"00000000-0000-0000-0000-000000000000\", \"series\": \"\", "
    "\"andate\": 0, \"duration\": 0, \"sample\": \"\", \"method\": \"\", \"graduation\": false, \"date\": 0, "
    "\"defect\": false, \"mixture\": \"\", \"columns\": [], \"extras\": []}";

TEST(ChromDumpJson, FreshReaderAfterFailure) {
    const CVeltroxFile4 file;
    EXPECT_EQ(ChromDumpJson(-3, file, true),
              std::string("{\"result\": -3, \"version\": 1, ") + kFreshPassport + ", \"channels\": []}");
}

TEST(ChromDumpJson, EveryFieldInDeclarationOrder) {
    CVeltroxFile4 file;
    file.version = 0;
    file.passport.path = L"C:\\data\\a.stg";
    file.passport.columns.resize(1);
    file.passport.columns[0].name = L"к";
    file.passport.extras = {{L"n", L"t", L"v"}};
    ChannelRecord channel;
    channel.number = 255;
    channel.samples = {0.1f, -0.0f};
    channel.blockValueA = 0.5;
    channel.blockValueB = -1.7976931348623157e308;
    channel.table.resize(1);
    channel.table[0].flags = 4294967295u;
    file.channels = {channel};

    const std::string passport =
        "\"passport\": {\"path\": \"C:\\\\data\\\\a.stg\", \"assayid\": \"00000000-0000-0000-0000-000000000000\", "
        "\"series\": \"\", \"andate\": 0, \"duration\": 0, \"sample\": \"\", \"method\": \"\", \"graduation\": false, "
        "\"date\": 0, \"defect\": false, \"mixture\": \"\", \"columns\": [{\"channel\": 0, \"name\": \"\xD0\xBA\", "
        "\"brand\": \"\", \"type\": 0, \"diameter\": 0, \"length\": 0, \"carrier\": \"\", \"phase\": \"\", "
        "\"percent\": 0, \"unit\": 0, \"fraction0\": 0, \"fraction1\": 0, \"film\": 0, \"part\": \"\", "
        "\"serial\": \"\"}], \"extras\": [{\"name\": \"n\", \"title\": \"t\", \"value\": \"v\"}]}";
    const std::string channelStart =
        "{\"number\": 255, \"count\": 2, \"blockValueA\": 0.5, \"blockValueB\": -1.7976931348623157e+308, "
        "\"table\": [{\"front\": 0, \"back\": 0, \"time\": 0, \"area\": 0, \"height\": 0, \"concent\": 0, "
        "\"name\": \"\", \"reference\": false, \"left\": -1, \"right\": -1, \"flags\": 4294967295, "
        "\"front_base_height\": 0, \"back_base_height\": 0, \"index\": 0}]";
    const std::string start = "{\"result\": 0, \"version\": 0, " + passport + ", \"channels\": [" + channelStart;

    EXPECT_EQ(ChromDumpJson(0, file, false), start + "}]}");
    // Samples are widened to double before they are spelled.
    EXPECT_EQ(ChromDumpJson(0, file, true), start + ", \"samples\": [0.10000000149011612, -0]}]}");
}

}  // namespace
