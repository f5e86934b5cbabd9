#pragma once
// One owner per kind of handle, released by its own function when the owner goes (also while an exception
// passes). Icons loaded with LR_SHARED belong to the system and are never put into an owner.

#include <windows.h>

#include <utility>

namespace dialogkit {

template <typename Handle, auto Release>
class UniqueHandle {
public:
    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Handle{}; }

    // Gives up ownership without releasing.
    Handle release() noexcept { return std::exchange(handle_, Handle{}); }

    void reset(Handle handle = Handle{}) noexcept {
        Handle old = std::exchange(handle_, handle);
        if (old != Handle{}) Release(old);
    }

private:
    Handle handle_{};
};

using UniqueIcon = UniqueHandle<HICON, &::DestroyIcon>;
using UniqueHook = UniqueHandle<HHOOK, &::UnhookWindowsHookEx>;
using UniqueWindow = UniqueHandle<HWND, &::DestroyWindow>;

}  // namespace dialogkit
