#include "dialogkit/activation_context.h"

#include <string>

namespace dialogkit {
namespace {

// The module's file path, however long.
std::wstring ModulePath(HMODULE module) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

ActivationContext::ActivationContext(HMODULE module, UINT manifestId) {
    const std::wstring path = ModulePath(module);
    ACTCTXW request{};
    request.cbSize = sizeof(request);
    request.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = path.empty() ? nullptr : path.c_str();
    request.hModule = module;
    request.lpResourceName = MAKEINTRESOURCEW(manifestId);
    context_ = CreateActCtxW(&request);
}

ActivationContext::~ActivationContext() {
    if (IsValid()) ReleaseActCtx(context_);
}

ActivationScope::ActivationScope(const ActivationContext& context) {
    if (context.IsValid()) active_ = ActivateActCtx(context.Get(), &cookie_) != FALSE;
}

ActivationScope::~ActivationScope() {
    if (active_) DeactivateActCtx(0, cookie_);
}

}  // namespace dialogkit
