#pragma once
// The one owner of a handle: it holds a handle and calls the handle's release function once when the owner
// goes (also while an exception passes) or takes another handle. A handle equal to Handle{} is no handle.
// Each kind of handle is a one-line alias of it (owner/handles.h, owner/com.h). No Windows interface here.

#include <utility>

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
