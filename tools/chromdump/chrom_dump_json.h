#pragma once
// The JSON object chromdump prints: the load's result and everything the reader object holds after it.

#include <cstdint>
#include <string>

class CVeltroxFile4;

// {"result": …, "version": …, "passport": {…}, "channels": […]}, keys in the records' declaration order;
// with withSamples each channel also lists its samples widened to doubles. No line end.
std::string ChromDumpJson(int32_t result, const CVeltroxFile4& file, bool withSamples);
