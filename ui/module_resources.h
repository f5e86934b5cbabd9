#pragma once
// What the module's windows take from the module itself rather than from the language module: its
// activation context (the version 6 common controls) and the dialogs' icons.

#include "dialogkit/activation_context.h"

#include <windows.h>

// The context of the module's own manifest, made once; active around everything that creates the module's
// windows (the menu command, the About box).
const dialogkit::ActivationContext& ModuleActivationContext();

// Icon 111 of the resource module, loaded once: the big and small icon of the module's dialogs.
HICON ModuleIcon();

// A list-command button's image: the icon from the module's own file at 16 x 16, shared (the system owns it).
HICON ButtonIcon(UINT iconId);
