#pragma once
// The plug-in DLL as the host holds it: the library and its three exports.

#include <windows.h>

#include <stdexcept>
#include <string>

#include "host/host_interface.h"
#include "owner/handles.h"

// A plug-in that cannot be loaded or driven; the text says why.
struct PluginError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class PluginModule {
public:
    // LoadLibraryW and the three exports; throws PluginError when any is missing.
    void Open(const std::wstring& path);
    bool IsOpen() const { return static_cast<bool>(library_); }

    const PluginInfo& Info() const;
    int32_t Load(const HostInterface* host) const;
    // Unload, then FreeLibrary; answers Unload's result.
    int32_t Close();

private:
    void RequireOpen() const;

    UniqueModule library_;
    GetPluginInfoFunction getPluginInfo_ = nullptr;
    LoadFunction load_ = nullptr;
    UnloadFunction unload_ = nullptr;
};
