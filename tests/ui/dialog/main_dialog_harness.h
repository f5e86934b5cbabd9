#pragma once
// What the main dialog's tests share: a host window that owns a shown DlgMain, a message pump that
// dispatches as a host's loop does (no IsDialogMessage: the module's keyboard hook must do that), and a
// watcher that deals with each modal window (message box, About box) as it appears, without blocking.

#include "owner/handles.h"
#include "tests/dialogkit/modal_watcher.h"
#include "ui/dlg_main.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// A text of a window: the caption, or a control's text.
std::wstring WindowText(HWND window);

// The size of an icon's image in pixels.
SIZE IconSize(HICON icon);

class MainDialogTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    HWND Control(int id) const { return GetDlgItem(dialog.m_hWnd, id); }
    std::wstring Text(int id) const { return WindowText(Control(id)); }
    void SetText(int id, const std::wstring& text) { SetWindowTextW(Control(id), text.c_str()); }
    // The click of a button as the dialog receives it.
    void Click(int id);
    // Sets the six masses, in field order.
    void SetMasses(const std::vector<std::wstring>& texts);
    // The rectangle of a control in the dialog's client coordinates.
    RECT ControlRect(HWND control) const;

    // The message boxes shown since the test began, answered with OK.
    std::vector<std::wstring> boxes;
    // Whether SetUp hands the new dialog its queued messages (the restore among them) before the test runs.
    bool pumpAfterCreate = true;
    // Deals with (and closes) any other modal window; without it such a window is cancelled.
    std::function<void(HWND)> onOtherModal;
    UniqueWindow host;
    DlgMain dialog;

private:
    std::unique_ptr<ModalWatcher> boxWatcher_;
};
