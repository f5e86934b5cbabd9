// hostsim: the stand-in host. Loads a plug-in the way the workstation does and offers it the host
// interface, either interactively (a main window with the plug-in's menu entry) or driven by a script.

#include <windows.h>
#include <commctrl.h>
#include <fcntl.h>
#include <io.h>

#include <vector>

#include "hostsim/host.h"
#include "hostsim/host_state.h"
#include "hostsim/log.h"
#include "hostsim/main_window.h"
#include "hostsim/message_pump.h"
#include "hostsim/message_recorder.h"
#include "hostsim/options.h"
#include "hostsim/pick_assays.h"
#include "hostsim/plugin_module.h"
#include "hostsim/profile_store.h"
#include "hostsim/script.h"
#include "hostsim/services.h"
#include "hostsim/text_output.h"
#include "text/utf8_text.h"

namespace {

// The workstation's own life: load, announce the modules, run until the window closes, unload.
int RunInteractive(const Options& options, Host& host, HostState& state, PluginModule& plugin, MainWindow& window) {
    state.showPicker = [&options](HWND owner, const IdBuffer* buffer) { return PickAssays(owner, options.db, buffer); };
    plugin.Open(options.plugin);
    plugin.Load(host.Interface());
    host.FireEvent(HostEvent::ModulesLoaded);
    ShowWindow(window.Handle(), SW_SHOWNORMAL);
    const int exitCode = RunMessageLoop(state);
    plugin.Close();
    return exitCode;
}

int Run(const Options& options) {
    OpenLog(options.log);
    ProfileStore profile(options.profile);
    Host host(options.noService);
    HostState state;
    AddSystemServices(host, state, options.language, options.db);
    AddProfileServices(host, profile);
    // The version 6 controls, as a current host has them loaded before any plug-in.
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    MainWindow window(host, state);
    PluginModule plugin;
    if (!options.script) return RunInteractive(options, host, state, plugin, window);

    MessageRecorder recorder(state);
    StepContext context{options, host, state, plugin, window, profile};
    const int exitCode = RunScript(ReadScript(*options.script), context);
    // A host that exits unloads what it still holds.
    if (plugin.IsOpen()) plugin.Close();
    return exitCode;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    try {
        return Run(ParseOptions(std::vector<std::wstring>(argv + 1, argv + argc)));
    } catch (const UsageError& error) {
        WriteErrorLine(WideFromUtf8(error.what()));
        WriteErrorLine(kUsage);
        return 2;
    } catch (const std::exception& error) {
        WriteErrorLine(L"hostsim: " + WideFromUtf8(error.what()));
        return 1;
    }
}
