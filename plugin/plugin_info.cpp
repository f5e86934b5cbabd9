// GetPluginInfo: the module's constant description for the host.

#include "host/host_interface.h"

namespace {

const PluginInfo kPluginInfo{
    sizeof(PluginInfo),
    L"talvex7",
    0x01000001,
    L"Расчет 462: ЗЮЛК-04-04 Нарвелин",
    L"talvex7 developers",
    L"talvex7@example.org",
    L"Copyright (C) 2026 talvex7 developers",
    L"https://example.org/talvex7",
    // {6B1F2E4A-93C7-4D58-B2A1-7E0C5D9F3A64}: this module's own identity with the host.
    {0x6B1F2E4A, 0x93C7, 0x4D58, {0xB2, 0xA1, 0x7E, 0x0C, 0x5D, 0x9F, 0x3A, 0x64}},
};

}  // namespace

extern "C" const PluginInfo* __cdecl GetPluginInfo() {
    return &kPluginInfo;
}
