#include "tests/dialogkit/message_box_recorder.h"

#include "dialogkit/wnd.h"

MessageBoxRecorder::MessageBoxRecorder()
    : watcher_(
          // Our own dialogs are dialog-class windows too, but they have an object.
          [](HWND window) { return CWnd::FromHandlePermanent(window) != nullptr; },
          [this](HWND box) {
              wchar_t text[1024] = {};
              GetDlgItemTextW(box, 0xFFFF, text, 1024);
              texts_.emplace_back(text);
              SendMessageW(box, WM_COMMAND, IDOK, 0);
          }) {}
