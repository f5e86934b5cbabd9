#pragma once
// The module's own manifest as the activation context of the windows it creates. MinGW has no
// isolation-aware headers, and a DLL's manifest does not by itself give its windows the version 6 common
// controls: the module activates its context around everything that creates its windows.

#include <windows.h>

namespace dialogkit {

class ActivationContext {
public:
    // The context of module's manifest resource (2: the manifest of a DLL's own imports); invalid when the
    // module has none or the system refuses it, in which case activating it does nothing.
    explicit ActivationContext(HMODULE module, UINT manifestId = 2);
    ~ActivationContext();
    ActivationContext(const ActivationContext&) = delete;
    ActivationContext& operator=(const ActivationContext&) = delete;

    bool IsValid() const noexcept { return context_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const noexcept { return context_; }

private:
    HANDLE context_ = INVALID_HANDLE_VALUE;
};

// The context active on this thread from construction to destruction.
class ActivationScope {
public:
    explicit ActivationScope(const ActivationContext& context);
    ~ActivationScope();
    ActivationScope(const ActivationScope&) = delete;
    ActivationScope& operator=(const ActivationScope&) = delete;

    bool IsActive() const noexcept { return active_; }

private:
    ULONG_PTR cookie_ = 0;
    bool active_ = false;
};

}  // namespace dialogkit
