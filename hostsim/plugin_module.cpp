#include "hostsim/plugin_module.h"

#include "text/utf8_text.h"

namespace {

template <class Function>
Function Export(HMODULE library, const char* name) {
    const FARPROC address = GetProcAddress(library, name);
    if (!address) throw PluginError(std::string("the plug-in does not export ") + name);
    return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

}  // namespace

void PluginModule::Open(const std::wstring& path) {
    if (library_) throw PluginError("the plug-in is loaded already");
    decltype(library_) library(LoadLibraryW(path.c_str()));
    if (!library)
        throw PluginError("cannot load " + Utf8FromWide(path) + " (error " + std::to_string(GetLastError()) + ")");
    getPluginInfo_ = Export<GetPluginInfoFunction>(library.get(), "GetPluginInfo");
    load_ = Export<LoadFunction>(library.get(), "Load");
    unload_ = Export<UnloadFunction>(library.get(), "Unload");
    library_ = std::move(library);
}

const PluginInfo& PluginModule::Info() const {
    RequireOpen();
    const PluginInfo* info = getPluginInfo_();
    if (!info) throw PluginError("GetPluginInfo answered null");
    return *info;
}

int32_t PluginModule::Load(const HostInterface* host) const {
    RequireOpen();
    return load_(host);
}

int32_t PluginModule::Close() {
    RequireOpen();
    const int32_t result = unload_();
    library_.reset();
    return result;
}

void PluginModule::RequireOpen() const {
    if (!library_) throw PluginError("the plug-in is not loaded");
}
