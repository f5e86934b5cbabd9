// Load and Unload, the exports the host drives the module's life with. Neither lets an exception reach
// the host, and both always answer 0.

#include "host/host_interface.h"
#include "plugin/module.h"

extern "C" int32_t __cdecl Load(const HostInterface* host) {
    try {
        Module::Load(host);
    } catch (...) {
    }
    return 0;
}

extern "C" int32_t __cdecl Unload() {
    try {
        Module::Unload();
    } catch (...) {
    }
    return 0;
}
