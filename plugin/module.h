#pragma once
// The module's life as the host drives it: Load, the modules-loaded event, the menu command, Unload.

#include "host/host_interface.h"

namespace Module {

// The name under which the menu command is published.
inline constexpr char kMenuCommandService[] = "talvex7/MenuCommand";
// The prefix of every profile key once the dialog has been opened.
inline constexpr wchar_t kProfileRoot[] = L"plugins\\talvex7";

void Load(const HostInterface* host);
void Unload();

// Host callbacks: each catches whatever escapes and answers 0.
HostValue __cdecl OnModulesLoaded(HostValue a, HostValue b);
HostValue __cdecl OnMenuCommand(HostValue parent, HostValue unused);

}  // namespace Module
