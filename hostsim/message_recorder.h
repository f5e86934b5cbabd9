#pragma once
// Records the plug-in's message boxes and answers each with its default button, so that a script never
// waits on one. A thread CBT hook sees the box about to be activated; the box is answered from a hidden
// window of our own once the box's modal loop delivers the message posted to it, so the box is whole
// by then.

#include <windows.h>

#include <memory>
#include <set>
#include <type_traits>

struct HostState;

class MessageRecorder {
public:
    explicit MessageRecorder(HostState& state);
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

private:
    struct HookRemover {
        void operator()(HHOOK hook) const noexcept { UnhookWindowsHookEx(hook); }
    };
    struct WindowDestroyer {
        void operator()(HWND window) const noexcept { DestroyWindow(window); }
    };

    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Answer(HWND box);

    HostState& state_;
    // Boxes announced and not yet answered: activation can be seen more than once.
    std::set<HWND> pending_;
    std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer> window_;
    std::unique_ptr<std::remove_pointer_t<HHOOK>, HookRemover> hook_;
};

// Whether a window is a system message box: a dialog of the system's message box procedure.
bool IsMessageBox(HWND window);
