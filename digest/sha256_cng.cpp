// SHA-256 through Windows' CNG: the algorithm provider and the hash object are opened for each hash and
// closed with it.
#include "digest/sha256.h"

#include "owner/unique_handle.h"

#include <windows.h>

#include <bcrypt.h>

#include <algorithm>
#include <limits>
#include <new>

namespace digest {

namespace {

bool Succeeded(NTSTATUS status) {
    return status >= 0;
}

void CloseProvider(BCRYPT_ALG_HANDLE provider) noexcept {
    BCryptCloseAlgorithmProvider(provider, 0);
}
using UniqueProvider = UniqueHandle<BCRYPT_ALG_HANDLE, &CloseProvider>;
using UniqueHash = UniqueHandle<BCRYPT_HASH_HANDLE, &::BCryptDestroyHash>;

}  // namespace

struct Sha256::State {
    // Declared first so that the hash is destroyed before its provider is closed.
    UniqueProvider provider;
    UniqueHash hash;
};

Sha256::Sha256() : state_(new (std::nothrow) State) {
    if (!state_) return;
    BCRYPT_ALG_HANDLE provider = nullptr;
    if (!Succeeded(BCryptOpenAlgorithmProvider(&provider, BCRYPT_SHA256_ALGORITHM, nullptr, 0))) {
        state_.reset();
        return;
    }
    state_->provider.reset(provider);
    // Without a buffer of ours CNG keeps the hash object itself and frees it with the handle.
    BCRYPT_HASH_HANDLE hash = nullptr;
    if (!Succeeded(BCryptCreateHash(provider, &hash, nullptr, 0, nullptr, 0, 0))) {
        state_.reset();
        return;
    }
    state_->hash.reset(hash);
}

Sha256::~Sha256() = default;

void Sha256::Update(const void* bytes, std::size_t count) {
    // CNG takes at most a ULONG of bytes at a time, and its input pointer is not const though it only reads.
    auto* next = static_cast<UCHAR*>(const_cast<void*>(bytes));
    while (state_ && count != 0) {
        const ULONG part = static_cast<ULONG>(std::min<std::size_t>(count, std::numeric_limits<ULONG>::max()));
        if (!Succeeded(BCryptHashData(state_->hash.get(), next, part, 0))) state_.reset();
        next += part;
        count -= part;
    }
}

std::optional<Sha256Digest> Sha256::Finish() {
    if (!state_) return std::nullopt;
    Sha256Digest digest{};
    const bool done =
        Succeeded(BCryptFinishHash(state_->hash.get(), digest.data(), static_cast<ULONG>(digest.size()), 0));
    state_.reset();
    if (!done) return std::nullopt;
    return digest;
}

}  // namespace digest
