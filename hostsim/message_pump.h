#pragma once
// hostsim's message loop. Messages for the plug-in's windows are dispatched as they come (no
// IsDialogMessage: a host need not offer one); the set-changed message is counted also when it was
// posted to no window, as it is when the dialog's parent has no parent.

#include <windows.h>

struct HostState;

// Dispatches what is queued now.
void PumpPending(HostState& state);
// Dispatches for this long.
void PumpFor(DWORD milliseconds, HostState& state);
// Until WM_QUIT; answers its exit code.
int RunMessageLoop(HostState& state);
