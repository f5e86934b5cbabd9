#include "hostsim/plugin_dialog.h"

#include "hostsim/message_recorder.h"
#include "hostsim/script.h"
#include "text/utf8_text.h"

#include <cwchar>

namespace {

struct DialogSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindOwnedDialog(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<DialogSearch*>(data);
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (wcscmp(className, L"#32770") != 0 || GetWindow(window, GW_OWNER) != search->owner || IsMessageBox(window))
        return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

HWND FindPluginDialog(HWND owner) {
    DialogSearch search{owner, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), &FindOwnedDialog, reinterpret_cast<LPARAM>(&search));
    if (!search.found) throw StepError("the plug-in's dialog does not exist");
    return search.found;
}

HWND DialogControl(HWND dialog, const std::wstring& idText) {
    HWND control = GetDlgItem(dialog, ParseInt(idText));
    if (!control) throw StepError("no control " + Utf8FromWide(idText));
    return control;
}

void ActivateDialog(HWND dialog) {
    SetWindowPos(dialog, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(dialog);
    SetActiveWindow(dialog);
}

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}
