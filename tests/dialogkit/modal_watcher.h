#pragma once
// What window tests share to run modal windows without blocking: a message pump as a host's loop has it (no
// IsDialogMessage), and a watcher that hands each modal dialog to the test as soon as its loop runs. A
// thread WH_CBT hook sees the window activate and posts a note to a hidden window of the watcher's; the modal
// loop delivers the note, and the handler deals with (and closes) the window.

#include "owner/handles.h"

#include <windows.h>

#include <functional>

// Dispatches every message waiting in this thread's queue: PeekMessage, TranslateMessage, DispatchMessage.
void PumpMessages();

// Calls handler with each dialog-class window ("#32770") that activates on the calling thread and that skip
// does not pass over. Lives on that thread for the object's lifetime.
class ModalWatcher {
public:
    ModalWatcher(std::function<bool(HWND)> skip, std::function<void(HWND)> handler);
    ~ModalWatcher();
    ModalWatcher(const ModalWatcher&) = delete;
    ModalWatcher& operator=(const ModalWatcher&) = delete;

private:
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK NoteProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    std::function<bool(HWND)> skip_;
    std::function<void(HWND)> handler_;
    UniqueWindow notes_;
    UniqueHook hook_;
};
