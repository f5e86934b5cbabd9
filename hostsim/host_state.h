#pragma once
// What hostsim records of the plug-in's requests, for the script steps to report.

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "host/host_interface.h"

// An entry "MainMenu/CreateNewMenu" received.
struct MenuEntry {
    std::wstring path;
    std::string command;
};

// The next answer of the assay picker: the ids it writes and the count it returns.
struct PickAnswer {
    std::vector<uint32_t> ids;
    int32_t count = 0;
};

struct HostState {
    std::vector<MenuEntry> menuEntries;
    // Called for each new entry, so that the main window's menu grows with it.
    std::function<void(const MenuEntry&)> onMenuEntry;
    // Files "Main/OpenAssayFile" was asked to open, since the last `opened`.
    std::vector<std::wstring> opened;
    std::deque<PickAnswer> pickAnswers;
    // The picker the analyst answers (owner window, the plug-in's buffer) when no answer is queued; set only
    // when hostsim runs without a script, so that a script never waits on a window.
    std::function<HostValue(HWND owner, const IdBuffer* buffer)> showPicker;
    // Message box texts since the last `messages`.
    std::vector<std::wstring> messages;
    // Set-changed messages since the last `notified`.
    int notified = 0;
};
