#pragma once
// The script language: one step a line, looked up by name in a table of handlers. Each group of steps
// lives in a file of its own and adds its handlers to the table.

#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

class Host;
class MainWindow;
class PluginModule;
class ProfileStore;
struct HostState;
struct Options;

// What a step can reach.
struct StepContext {
    const Options& options;
    Host& host;
    HostState& state;
    PluginModule& plugin;
    MainWindow& window;
    ProfileStore& profile;
};

// A step that could not do what it says; printed as "error STEP TEXT".
struct StepError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A step's handler gets the text after the step's name and one blank.
using StepHandler = void (*)(StepContext& context, const std::wstring& arguments);
using StepTable = std::map<std::wstring, StepHandler>;

// load, start, info, menu, the picker's answers, the records and the profile.
void AddPluginSteps(StepTable& table);
// The plug-in's dialog: fields, buttons, keys, the list, the window, About box, report, screenshot.
void AddDialogSteps(StepTable& table);

// The script's bytes: the file, or standard input for "-".
std::string ReadScript(const std::wstring& source);
// Runs every step; 0 when each ran, 1 when any failed.
int RunScript(const std::string& script, StepContext& context);

// Helpers for step handlers.
// The first blank-separated word and what follows the blank after it.
std::pair<std::wstring, std::wstring> SplitFirstWord(const std::wstring& text);
std::vector<std::wstring> Words(const std::wstring& text);
int32_t ParseInt(const std::wstring& text);
// An id as the picker writes it: 0 to 4294967295, or its signed form down to -2147483648.
uint32_t ParseAssayId(const std::wstring& text);
double ParseDouble(const std::wstring& text);
