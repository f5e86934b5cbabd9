// SHA-256 through libcrypto's EVP interface, which picks the processor's fastest code for it.
#include "digest/sha256.h"

#include "owner/unique_handle.h"

#include <openssl/evp.h>

#include <new>

namespace digest {

namespace {

using UniqueContext = UniqueHandle<EVP_MD_CTX*, &::EVP_MD_CTX_free>;

}  // namespace

struct Sha256::State {
    UniqueContext context{EVP_MD_CTX_new()};
};

Sha256::Sha256() : state_(new (std::nothrow) State) {
    if (state_ && (!state_->context || EVP_DigestInit_ex(state_->context.get(), EVP_sha256(), nullptr) != 1))
        state_.reset();
}

Sha256::~Sha256() = default;

void Sha256::Update(const void* bytes, std::size_t count) {
    if (state_ && count != 0 && EVP_DigestUpdate(state_->context.get(), bytes, count) != 1) state_.reset();
}

std::optional<Sha256Digest> Sha256::Finish() {
    if (!state_) return std::nullopt;
    Sha256Digest digest{};
    unsigned int length = 0;
    const bool done = EVP_DigestFinal_ex(state_->context.get(), digest.data(), &length) == 1 && length == digest.size();
    state_.reset();
    if (!done) return std::nullopt;
    return digest;
}

}  // namespace digest
