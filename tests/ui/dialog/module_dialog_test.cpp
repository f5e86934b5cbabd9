// The dialog as the built module shows it in a host: the menu command creates it once, owned by the host's
// window, under the module's own activation context (so the buttons are the version 6 common controls in a
// process that had none loaded; Wine's list view is one class for both versions); later commands only show
// it again; it goes with the library. A program of its own that imports nothing of comctl32.

#include "host/host_interface.h"
#include "owner/handles.h"
#include "res/dialog_ids.h"
#include "tests/host/recording_host.h"
#include "tests/plugin/module_folder.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cwchar>
#include <vector>

namespace {

std::wstring Text(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

struct DialogSearch {
    HWND owner;
    std::vector<HWND> found;
};

// A window-enumeration callback must be a stdcall function: on i686 a lambda does not convert to one.
BOOL CALLBACK CollectOwnedDialog(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<DialogSearch*>(data);
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (wcscmp(name, L"#32770") == 0 && GetWindow(window, GW_OWNER) == search->owner) search->found.push_back(window);
    return TRUE;
}

std::vector<HWND> OwnedDialogs(HWND owner) {
    DialogSearch search{owner, {}};
    EnumThreadWindows(GetCurrentThreadId(), CollectOwnedDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Only the version 6 button knows its ideal size.
bool IsVersion6Button(HWND button) {
    SIZE size{};
    return SendMessageW(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&size)) != 0 && size.cx > 0;
}

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

class ModuleDialogTest : public testing::Test {
protected:
    void SetUp() override {
        owner = CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW, 0, 0, 1200, 800, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(owner, nullptr);
        library.reset(LoadLibraryW(folder.Path(L"talvex7.dll").c_str()));
        ASSERT_TRUE(library);
        load = reinterpret_cast<LoadFunction>(reinterpret_cast<void*>(GetProcAddress(library.get(), "Load")));
        unload = reinterpret_cast<UnloadFunction>(reinterpret_cast<void*>(GetProcAddress(library.get(), "Unload")));
        ASSERT_EQ(load(host.Interface()), 0);
        host.Fire("System/ModulesLoaded");
    }
    void TearDown() override {
        if (library) {
            unload();
            library.reset();
        }
        DestroyWindow(owner);
    }
    HostValue MenuCommand() {
        const HostValue result = host.CallPublished("talvex7/MenuCommand", reinterpret_cast<HostValue>(owner), 0);
        Pump();
        return result;
    }

    ModuleFolder folder;
    RecordingHost host;
    HWND owner = nullptr;
    UniqueModule library;
    LoadFunction load = nullptr;
    UnloadFunction unload = nullptr;
};

TEST_F(ModuleDialogTest, MenuCommandShowsTheDialogWithVersion6Buttons) {
    ASSERT_EQ(MenuCommand(), 0);
    const std::vector<HWND> dialogs = OwnedDialogs(owner);
    ASSERT_EQ(dialogs.size(), 1u);
    HWND dialog = dialogs.front();
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(Text(dialog), L"Расчёт-462 ЗЮЛК-04-04 Нарвелин");

    for (int id : {IDCANCEL, IDC_ADD, IDC_REPORT, IDC_RECALCULATE})
        EXPECT_TRUE(IsVersion6Button(GetDlgItem(dialog, id))) << "button " << id << " is not the version 6 class";
}

TEST_F(ModuleDialogTest, LaterCommandsOnlyShowTheSameDialogInItsNormalState) {
    MenuCommand();
    HWND dialog = OwnedDialogs(owner).front();
    SetDlgItemTextW(dialog, IDC_M1, L"2.5");
    ShowWindow(dialog, SW_MAXIMIZE);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    Pump();
    ASSERT_FALSE(IsWindowVisible(dialog));

    EXPECT_EQ(MenuCommand(), 0);
    EXPECT_EQ(OwnedDialogs(owner), std::vector<HWND>{dialog});
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_FALSE(IsZoomed(dialog));
    EXPECT_EQ(Text(GetDlgItem(dialog, IDC_M1)), L"2.5");
}

TEST_F(ModuleDialogTest, TheDialogGoesWithTheLibraryAndItsKeyboardHookWithIt) {
    MenuCommand();
    HWND dialog = OwnedDialogs(owner).front();
    unload();
    library.reset();
    EXPECT_FALSE(IsWindow(dialog));
    // A key for a window of the thread after the library left: no hook of the module may run.
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, owner, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    SetFocus(edit);
    PostMessageW(edit, WM_CHAR, L'7', 1);
    Pump();
    EXPECT_EQ(Text(edit), L"7");
}

TEST_F(ModuleDialogTest, ADialogDestroyedWithTheHostWindowIsMadeAnew) {
    MenuCommand();
    HWND first = OwnedDialogs(owner).front();
    DestroyWindow(owner);
    EXPECT_FALSE(IsWindow(first));
    owner = CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW, 0, 0, 1200, 800, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    MenuCommand();
    const std::vector<HWND> dialogs = OwnedDialogs(owner);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_TRUE(IsWindowVisible(dialogs.front()));
}

}  // namespace
