#include "plugin/resource_module.h"

namespace {

HMODULE g_resourceModule = nullptr;

}  // namespace

HMODULE OwnModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&OwnModule), &module);
    return module;
}

HMODULE ResourceModule() { return g_resourceModule ? g_resourceModule : OwnModule(); }

void SetResourceModule(HMODULE module) { g_resourceModule = module; }

std::wstring LoadResourceString(UINT id) {
    // With a zero size LoadStringW hands out the resource's own read-only text, which is not terminated.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(ResourceModule(), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}
