#include "dialogkit/message_filter.h"

#include "dialogkit/message_box.h"
#include "dialogkit/wnd.h"

namespace dialogkit {

bool PreTranslateMessageChain(MSG* msg) {
    for (HWND window = msg->hwnd; window; window = GetParent(window)) {
        CWnd* object = CWnd::FromHandlePermanent(window);
        if (object && object->PreTranslateMessage(msg)) return true;
        if (!(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD)) break;
    }
    return false;
}

MessageFilterHook::MessageFilterHook()
    : hook_(SetWindowsHookExW(WH_GETMESSAGE, &MessageFilterHook::HookProc, nullptr, GetCurrentThreadId())) {}

LRESULT CALLBACK MessageFilterHook::HookProc(int code, WPARAM wParam, LPARAM lParam) {
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && msg->hwnd) {
        try {
            // Taken: the host's loop gets a message that does nothing.
            if (PreTranslateMessageChain(msg)) msg->message = WM_NULL;
        } catch (...) {
            ReportException(msg->hwnd);
            msg->message = WM_NULL;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace dialogkit
