#include "hostsim/message_pump.h"

#include "host/host_interface.h"
#include "hostsim/host_state.h"

namespace {

void Dispatch(const MSG& message, HostState& state) {
    if (!message.hwnd && message.message == kSetChangedMessage) {
        ++state.notified;
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

}  // namespace

void PumpPending(HostState& state) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message != WM_QUIT) Dispatch(message, state);
    }
}

void PumpFor(DWORD milliseconds, HostState& state) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
        PumpPending(state);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    }
    PumpPending(state);
}

int RunMessageLoop(HostState& state) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) Dispatch(message, state);
    return static_cast<int>(message.wParam);
}
