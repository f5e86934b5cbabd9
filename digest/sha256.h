#pragma once
// SHA-256 of a message fed in parts, computed by the system's own implementation: CNG on Windows, libcrypto
// elsewhere. Nothing is thrown: a hash the implementation could not make or feed gives no digest, and whoever
// wanted it goes on without.

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>

namespace digest {

// The 32 bytes of a SHA-256 digest, in the order the standard writes them.
using Sha256Digest = std::array<unsigned char, 32>;

class Sha256 {
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    // Feeds the next count bytes of the message.
    void Update(const void* bytes, std::size_t count);
    // The digest of everything fed, or nothing when any step failed. Ends the hash: nothing is fed after it.
    std::optional<Sha256Digest> Finish();

private:
    // The platform's handles; null when they could not be made, or after a failed step.
    struct State;
    std::unique_ptr<State> state_;
};

// The digest as 64 lower-case hex digits, as sha256sum prints it.
std::string HexText(const Sha256Digest& digest);

}  // namespace digest
