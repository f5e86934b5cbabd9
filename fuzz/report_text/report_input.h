#pragma once
// How the report text fuzz target reads its input, shared with the program that writes its seeds: a fixed
// head of binary fields, then text, one character per byte.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

struct ReportInput {
    // A value for the three-decimal number text.
    double number = 0.0;
    // A moment for the analysis time text, and the time zone it is shown in (an index into the target's list).
    int64_t seconds = 0;
    uint8_t zone = 0;
    // Wall-clock fields as they are, also outside their ranges.
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    int32_t hour = 0;
    int32_t minute = 0;
};

// Bytes of the head: the fields without padding.
constexpr size_t kReportHeadSize = 8 + 8 + 1 + 5 * 4;

// The head read from the input's first bytes; missing bytes read as zero.
inline ReportInput ReadReportHead(const uint8_t* data, size_t size) {
    unsigned char head[kReportHeadSize] = {};
    std::memcpy(head, data, size < sizeof head ? size : sizeof head);
    ReportInput input;
    size_t at = 0;
    auto take = [&](auto& field) {
        std::memcpy(&field, head + at, sizeof field);
        at += sizeof field;
    };
    take(input.number);
    take(input.seconds);
    take(input.zone);
    take(input.year);
    take(input.month);
    take(input.day);
    take(input.hour);
    take(input.minute);
    return input;
}

// The head as bytes, the inverse of ReadReportHead.
inline std::string WriteReportHead(const ReportInput& input) {
    std::string bytes;
    auto put = [&](const auto& field) { bytes.append(reinterpret_cast<const char*>(&field), sizeof field); };
    put(input.number);
    put(input.seconds);
    put(input.zone);
    put(input.year);
    put(input.month);
    put(input.day);
    put(input.hour);
    put(input.minute);
    return bytes;
}
