#pragma once
// hostsim's command line.

#include <cstdint>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

struct Options {
    std::wstring plugin;
    std::optional<std::wstring> db;
    std::optional<std::wstring> profile;
    std::optional<uint16_t> language;
    std::set<std::string> noService;
    std::optional<std::wstring> script;
    std::optional<std::wstring> log;
};

// A command line hostsim cannot run with.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The arguments after the program name.
Options ParseOptions(const std::vector<std::wstring>& arguments);

extern const wchar_t kUsage[];
