#pragma once
// Records the message boxes a test provokes without blocking on them: each box's text (control 0xFFFF) is
// read as its modal loop starts, and OK is pressed. The framework's own dialogs are left alone.

#include "tests/dialogkit/modal_watcher.h"

#include <string>
#include <vector>

class MessageBoxRecorder {
public:
    MessageBoxRecorder();

    // The texts of the boxes closed so far, in order.
    const std::vector<std::wstring>& texts() const { return texts_; }
    void clear() { texts_.clear(); }

private:
    std::vector<std::wstring> texts_;
    ModalWatcher watcher_;
};
