#pragma once
// A built module beside the test program, loaded for its resources only: no code of it runs.

#include <windows.h>

#include <string>

class BuiltModule {
public:
    explicit BuiltModule(const wchar_t* file);
    ~BuiltModule();
    BuiltModule(const BuiltModule&) = delete;
    BuiltModule& operator=(const BuiltModule&) = delete;

    // Null when the file did not load.
    HMODULE get() const { return module_; }
    // The file's name, for failure messages.
    std::string name() const { return name_; }

private:
    HMODULE module_;
    std::string name_;
};

// The full path of a file beside the test program.
std::wstring BesideTheProgram(const wchar_t* file);
