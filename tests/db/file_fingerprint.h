#pragma once
// The fingerprint LoadAssay should keep for a file, made from its bytes taken in one piece, as sha256sum takes
// them, whatever reads the reader made of them.

#include "calc/sample_set.h"
#include "digest/sha256.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

inline FileFingerprint FingerprintOf(const std::string& bytes) {
    digest::Sha256 hash;
    hash.Update(bytes.data(), bytes.size());
    return {bytes.size(), hash.Finish().value()};
}

inline FileFingerprint FingerprintOfFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return FingerprintOf(std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
}
