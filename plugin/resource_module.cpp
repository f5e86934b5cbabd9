#include "plugin/resource_module.h"

#include "dialogkit/resources.h"

HMODULE OwnModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&OwnModule), &module);
    return module;
}

// The dialog framework loads templates and strings from the same module.
HMODULE ResourceModule() { return AfxGetResourceHandle(); }

void SetResourceModule(HMODULE module) { AfxSetResourceHandle(module); }

std::wstring LoadResourceString(UINT id) {
    // With a zero size LoadStringW hands out the resource's own read-only text, which is not terminated.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(ResourceModule(), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}
