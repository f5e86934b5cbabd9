#pragma once
// Keyboard handling of the module's windows inside any host. A host's message loop need not pass the
// dialog's keys through the dialog manager, so while the module's windows exist a thread hook offers each
// message taken from the queue to the windows' PreTranslateMessage, from the target window up to its
// top-level window (a dialog hands keys to IsDialogMessage there); a message one of them takes is not
// dispatched again by the host.

#include "owner/handles.h"

#include <windows.h>

namespace dialogkit {

// Offers msg to the PreTranslateMessage of each window object from msg->hwnd up to its top-level window;
// true when one took it.
bool PreTranslateMessageChain(MSG* msg);

// A WH_GETMESSAGE hook on the calling thread for as long as the object lives.
class MessageFilterHook {
public:
    MessageFilterHook();
    bool IsInstalled() const noexcept { return static_cast<bool>(hook_); }

private:
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
    UniqueHook hook_;
};

}  // namespace dialogkit
