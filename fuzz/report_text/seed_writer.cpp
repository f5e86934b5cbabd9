// Writes the seeds of the report text fuzz target into the folder given: rounding ties and edges of the
// number text, the ends of the time range in each zone, wall-clock fields out of range, and error lists
// with every shape of line break.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>

#include "fuzz/report_text/report_input.h"

namespace {

constexpr double kNumbers[] = {0.0,
                               -0.0,
                               0.0005,
                               0.0015,
                               -0.0004999,
                               123.4565,
                               2.675,
                               1e15 + 0.3,
                               std::numeric_limits<double>::max(),
                               std::numeric_limits<double>::denorm_min(),
                               std::numeric_limits<double>::quiet_NaN(),
                               -std::numeric_limits<double>::infinity()};
constexpr int64_t kSeconds[] = {
    0, 1700000000, -11644473600, 910692730085, -11644473601, 910692730086, std::numeric_limits<int64_t>::min()};
constexpr const char* kTexts[] = {"", "a\r\nb", "\r\r\n\n", "<br />\r\n", "\n\r", "\r\n\r\n"};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: report_text_seed_writer FOLDER\n", stderr);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    // One seed per number, each paired with the next moment, zone, wall clock and text in turn.
    int written = 0;
    for (size_t i = 0; i < std::size(kNumbers); ++i) {
        ReportInput input;
        input.number = kNumbers[i];
        input.seconds = kSeconds[i % std::size(kSeconds)];
        input.zone = static_cast<uint8_t>(i);
        input.year = 1990 + static_cast<int32_t>(i) * 1000;
        input.month = static_cast<int32_t>(i) - 1;
        input.day = 31;
        input.hour = 23 + static_cast<int32_t>(i);
        input.minute = -static_cast<int32_t>(i);
        std::ofstream out(folder / ("seed_" + std::to_string(i)), std::ios::binary | std::ios::trunc);
        out << WriteReportHead(input) << kTexts[i % std::size(kTexts)];
        written += out.good() ? 1 : 0;
    }
    return written == static_cast<int>(std::size(kNumbers)) ? 0 : 1;
}
