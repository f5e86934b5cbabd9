#pragma once
// What the module keeps from Load until the library leaves memory. The host link keeps the host's record
// and the profile its root; everything the exports and callbacks own lives here.

#include "host/host_interface.h"
#include "owner/handles.h"
#include "ui/dlg_main.h"

#include <memory>

struct ModuleState {
    // Result of subscribing to "System/ModulesLoaded".
    HostValue modulesLoadedHandle = 0;
    // Result of publishing the menu command; 0 until the event arrived.
    HostValue menuCommandHandle = 0;
    // The language module chosen at Load, if any.
    UniqueModule languageModule;
    // The one main dialog, made by the first menu command; it goes (window first, state unsaved) when the
    // library leaves memory.
    std::unique_ptr<DlgMain> mainDialog;
};

ModuleState& State();
