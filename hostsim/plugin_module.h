#pragma once
// The plug-in DLL as the host holds it: the library and its three exports.

#include <windows.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>

#include "host/host_interface.h"

// A plug-in that cannot be loaded or driven; the text says why.
struct PluginError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class PluginModule {
public:
    // LoadLibraryW and the three exports; throws PluginError when any is missing.
    void Open(const std::wstring& path);
    bool IsOpen() const { return library_ != nullptr; }

    const PluginInfo& Info() const;
    int32_t Load(const HostInterface* host) const;
    // Unload, then FreeLibrary; answers Unload's result.
    int32_t Close();

private:
    struct LibraryFreer {
        void operator()(HMODULE module) const noexcept { FreeLibrary(module); }
    };

    void RequireOpen() const;

    std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryFreer> library_;
    GetPluginInfoFunction getPluginInfo_ = nullptr;
    LoadFunction load_ = nullptr;
    UnloadFunction unload_ = nullptr;
};
