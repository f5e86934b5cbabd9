#pragma once
// Records the message boxes a test provokes without blocking on them: a thread WH_CBT hook sees each box
// activate, posts itself a note through a hidden window of its own, and when the box's modal loop delivers
// it, reads the box's text (control 0xFFFF) and presses OK.

#include "dialogkit/unique_handle.h"

#include <windows.h>

#include <string>
#include <vector>

class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    // The texts of the boxes closed so far, in order.
    const std::vector<std::wstring>& texts() const { return texts_; }
    void clear() { texts_.clear(); }

private:
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK NoteProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    dialogkit::UniqueWindow notes_;
    dialogkit::UniqueHook hook_;
    std::vector<std::wstring> texts_;
};

// Dispatches every message waiting in this thread's queue, as a host's loop would (no IsDialogMessage).
void PumpMessages();
