#include "report/module_version.h"

#include <cstring>

namespace {

// The fixed part of a version resource starts with this value, on a four-byte boundary.
constexpr DWORD kFixedInfoSignature = 0xFEEF04BD;

std::wstring VersionText(DWORD high, DWORD low) {
    return std::to_wstring(HIWORD(high)) + L"." + std::to_wstring(LOWORD(high)) + L"." + std::to_wstring(HIWORD(low)) +
           L"." + std::to_wstring(LOWORD(low));
}

}  // namespace

std::wstring FileVersionText(HMODULE module) {
    // Read from the resource itself: the version functions would add version.dll to the module's imports.
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(VS_VERSION_INFO), MAKEINTRESOURCEW(16));
    const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* bytes = loaded ? static_cast<const unsigned char*>(LockResource(loaded)) : nullptr;
    if (!bytes) {
        return {};
    }
    const DWORD size = SizeofResource(module, found);
    for (DWORD offset = 0; offset + sizeof(VS_FIXEDFILEINFO) <= size; offset += 4) {
        VS_FIXEDFILEINFO info;
        std::memcpy(&info, bytes + offset, sizeof info);
        if (info.dwSignature == kFixedInfoSignature) {
            return VersionText(info.dwFileVersionMS, info.dwFileVersionLS);
        }
    }
    return {};
}

std::wstring OwnFileVersionText() {
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCWSTR>(&OwnFileVersionText), &module)) {
        return {};
    }
    return FileVersionText(module);
}
