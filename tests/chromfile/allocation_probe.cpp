#include "tests/chromfile/allocation_probe.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> watching{false};
std::atomic<size_t> largest{0};
std::atomic<size_t> limit{std::numeric_limits<size_t>::max()};
std::atomic<size_t> requests{0};
std::atomic<size_t> failingRequest{0};

void* Allocate(size_t size) {
    if (watching.load()) {
        size_t seen = largest.load();
        while (size > seen && !largest.compare_exchange_weak(seen, size)) {
        }
        const size_t number = ++requests;
        if (size > limit.load() || number == failingRequest.load()) return nullptr;
    }
    return std::malloc(size == 0 ? 1 : size);
}

void* AllocateOrThrow(size_t size) {
    void* block = Allocate(size);
    if (block == nullptr) throw std::bad_alloc();
    return block;
}

}  // namespace

AllocationProbe::AllocationProbe(size_t refuseAbove, size_t failAt) {
    largest = 0;
    requests = 0;
    limit = refuseAbove;
    failingRequest = failAt;
    watching = true;
}

AllocationProbe::~AllocationProbe() {
    watching = false;
    limit = std::numeric_limits<size_t>::max();
    failingRequest = 0;
}

size_t AllocationProbe::Largest() const {
    return largest.load();
}

size_t AllocationProbe::Requests() const {
    return requests.load();
}

// Every form of the global operator new and delete is replaced together, so that each block is released by
// the allocator that made it (the sanitizer checks that pairing).
void* operator new(size_t size) {
    return AllocateOrThrow(size);
}

void* operator new[](size_t size) {
    return AllocateOrThrow(size);
}

void* operator new(size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}

void* operator new[](size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}

void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete[](void* block) noexcept {
    std::free(block);
}

void operator delete(void* block, size_t) noexcept {
    std::free(block);
}

void operator delete[](void* block, size_t) noexcept {
    std::free(block);
}

void operator delete(void* block, const std::nothrow_t&) noexcept {
    std::free(block);
}

void operator delete[](void* block, const std::nothrow_t&) noexcept {
    std::free(block);
}
