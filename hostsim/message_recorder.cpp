#include "hostsim/message_recorder.h"

#include <cwchar>
#include <string>

#include "hostsim/host_state.h"

namespace {

constexpr wchar_t kWindowClass[] = L"hostsim.MessageRecorder";
constexpr UINT kAnswerMessage = WM_APP + 1;
// The message box's text control.
constexpr int kTextControl = 0xFFFF;

MessageRecorder* g_recorder = nullptr;

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

HMODULE ModuleOf(const void* address) {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       static_cast<LPCWSTR>(address), &module);
    return module;
}

bool IsButton(HWND control) {
    wchar_t className[16] = {};
    GetClassNameW(control, className, 16);
    return _wcsicmp(className, L"Button") == 0;
}

// The box's default button: the one drawn as default (Wine's boxes name IDOK to DM_GETDEFID whatever
// their buttons), else the one the dialog names, else OK.
int DefaultButton(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsButton(child) && IsWindowVisible(child) &&
            (GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            return GetDlgCtrlID(child);
    }
    const LRESULT named = SendMessageW(box, DM_GETDEFID, 0, 0);
    return HIWORD(named) == DC_HASDEFID ? LOWORD(named) : IDOK;
}

}  // namespace

bool IsMessageBox(HWND window) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (std::wstring(className) != L"#32770" || !GetDlgItem(window, kTextControl)) return false;
    // A plug-in's own dialogs have static texts of id 0xFFFF too; their procedure is the plug-in's.
    const auto procedure = reinterpret_cast<const void*>(GetWindowLongPtrW(window, DWLP_DLGPROC));
    return procedure && ModuleOf(procedure) == GetModuleHandleW(L"user32.dll");
}

MessageRecorder::MessageRecorder(HostState& state) : state_(state) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);
    window_.reset(CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                                  nullptr));
    hook_.reset(SetWindowsHookExW(WH_CBT, &CbtProc, nullptr, GetCurrentThreadId()));
    g_recorder = this;
}

MessageRecorder::~MessageRecorder() {
    g_recorder = nullptr;
}

LRESULT CALLBACK MessageRecorder::CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    try {
        const auto box = reinterpret_cast<HWND>(wParam);
        if (code == HCBT_ACTIVATE && g_recorder && IsMessageBox(box) && g_recorder->pending_.insert(box).second)
            PostMessageW(g_recorder->window_.get(), kAnswerMessage, wParam, 0);
    } catch (...) {
        // Out of memory while noting the box: it stays for whoever closes it.
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK MessageRecorder::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kAnswerMessage && g_recorder) {
        try {
            g_recorder->Answer(reinterpret_cast<HWND>(wParam));
        } catch (...) {
            // The box was not recorded; it is still answered below so that nothing waits on it.
            SendMessageW(reinterpret_cast<HWND>(wParam), WM_COMMAND, IDOK, 0);
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void MessageRecorder::Answer(HWND box) {
    pending_.erase(box);
    if (!IsWindow(box)) return;
    state_.messages.push_back(WindowText(GetDlgItem(box, kTextControl)));
    const int button = DefaultButton(box);
    SendMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
}
