#pragma once
// hostsim's log of what a plug-in did wrong (calls of unknown services, unknown handles): never fatal,
// written to the --log file or else to standard error, never to the script's output.

#include <optional>
#include <string>

void OpenLog(const std::optional<std::wstring>& path);
void Log(const std::wstring& line);
