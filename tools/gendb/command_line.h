#pragma once
// Command-line plumbing the tools share: "--name value" options, numbers read exactly and alike on every
// target, and output written as the bytes given (UTF-8, no line-end translation).

#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The options of args[1...] as "--name value" pairs; nullopt when an argument is not such a pair, a name is
// not among the known ones, or a name comes twice.
std::optional<std::map<std::wstring, std::wstring>> ParseOptions(const std::vector<std::wstring>& args,
                                                                 const std::vector<std::wstring>& known);

// The double the whole text spells (decimal or exponent form, correctly rounded), or nullopt.
std::optional<double> ParseDouble(std::wstring_view text);
// The unsigned decimal the whole text spells, or nullopt (also on overflow).
std::optional<uint64_t> ParseUnsigned(std::wstring_view text);

// Writes the bytes and flushes.
void WriteOut(std::FILE* stream, const std::string& bytes);

// Runs a tool's body with its arguments as wide texts; an exception that escapes is written to standard
// error as "<tool>: <text>" and gives exit code 1.
int RunTool(const char* tool, const std::vector<std::wstring>& args, int (*body)(const std::vector<std::wstring>&));

// The process's arguments as wide texts: UTF-8 natively; on Windows wmain passes them as they are.
std::vector<std::wstring> ToolArguments(int argc, char** argv);
std::vector<std::wstring> ToolArguments(int argc, wchar_t** argv);

// Standard output in binary mode, so that Windows writes the same bytes as other systems.
void UseBinaryOutput();

// The entry point of a tool whose work is body: the arguments as wide texts (wmain on Windows, UTF-8 main
// elsewhere), standard output in binary mode, and RunTool's handling of what escapes.
#ifdef _WIN32
#define TALVEX_TOOL_ENTRY int wmain(int argc, wchar_t** argv)
#else
#define TALVEX_TOOL_ENTRY int main(int argc, char** argv)
#endif
#define TALVEX_TOOL_MAIN(tool, body)                           \
    TALVEX_TOOL_ENTRY {                                        \
        UseBinaryOutput();                                     \
        return RunTool(tool, ToolArguments(argc, argv), body); \
    }
