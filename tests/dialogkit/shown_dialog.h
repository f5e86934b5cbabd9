#pragma once
// The fixture of tests that drive a shown modeless test dialog, with every message box recorded.

#include "message_box_recorder.h"
#include "test_dialog.h"

#include <gtest/gtest.h>

class ShownDialog : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dialog.CreateShown()); }
    // The window goes before the objects routing its controls.
    void TearDown() override { dialog.DestroyWindow(); }

    MessageBoxRecorder boxes;
    TestDialog dialog;
};
