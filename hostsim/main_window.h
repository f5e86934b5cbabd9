#pragma once
// The host's main window: a menu bar that grows with every entry a plug-in asks for along its
// "/"-separated path. Picking an entry calls the entry's service with this window as the parent.

#include <windows.h>

#include <string>
#include <vector>

#include "host/host_interface.h"

class Host;
struct HostState;
struct MenuEntry;

class MainWindow {
public:
    MainWindow(Host& host, HostState& state);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND Handle() const { return window_; }
    // The entry's command, called as picking it from the menu calls it.
    HostValue Invoke(size_t entry);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void AddEntry(const MenuEntry& entry);

    Host& host_;
    HostState& state_;
    HWND window_ = nullptr;
    // Menu command ids from kFirstCommand on, in the order of the entries.
    std::vector<std::string> commands_;
};

// The levels of a menu path; empty levels are dropped.
std::vector<std::wstring> SplitMenuPath(const std::wstring& path);
