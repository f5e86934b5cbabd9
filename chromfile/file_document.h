#pragma once
// The XML document at the end of a chromatogram file: the passport of the analysis and the peak table of
// each channel.

#include <cstddef>
#include <vector>

#include "chromfile/records.h"

// Parses the UTF-8 document bytes (a leading byte-order mark is skipped) and reads its "passport" into
// passport and its channel peak tables into the matching records of channels. False when the bytes are not a
// well-formed document with an element, or memory runs out; then passport and channels are left untouched.
bool ReadFileDocument(const char* bytes, size_t size, Passport& passport, std::vector<ChannelRecord>& channels);
