#pragma once
// Writes chromatogram files in the host's format, for tests, fixtures and the demo: the 16-byte header, one
// block per channel, then the document in its canonical order (doubles as "%.17g", integers plain, booleans
// "true"/"false", texts XML-escaped). Test variants replace the stored offset, a block's stored count or the
// document bytes.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "chromfile/records.h"

// What a file holds. A channel's number is written to its block as its low byte and to the document as it is.
struct ChromFileSpec {
    uint8_t version = 1;
    Passport passport;
    std::vector<ChannelRecord> channels;
    // Stored document offset instead of the one the blocks give.
    std::optional<uint64_t> documentOffset;
    // Document bytes instead of the canonical document.
    std::optional<std::string> document;
};

// The 16-byte file header.
std::string WriteChromHeader(uint8_t version, uint64_t documentOffset);

// One channel block storing storedCount as its sample count (the real count unless a test says otherwise),
// followed by every sample of the channel.
std::string WriteChannelBlock(const ChannelRecord& channel);
std::string WriteChannelBlock(const ChannelRecord& channel, uint64_t storedCount);

// The canonical UTF-8 document: declaration, "root" with "passport" and "channels". An extra with an empty
// name is written as an empty CDATA section, which a reader gives back as such an extra.
std::string WriteChromDocument(const Passport& passport, const std::vector<ChannelRecord>& channels);

// The whole file as bytes.
std::string WriteChromFile(const ChromFileSpec& spec);

// Writes bytes to path, replacing the file; false when it cannot be written.
bool SaveBytes(const std::filesystem::path& path, const std::string& bytes);
