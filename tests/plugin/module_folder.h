#pragma once
// A temporary folder holding copies of the built modules, so that each test loads a fresh talvex7.dll
// with exactly the language modules it wants beside it. The folder goes with the object.

#include <windows.h>

#include <string>
#include <vector>

class ModuleFolder {
public:
    // Copies talvex7.dll and, under the names given, talvex7ENU.dll from the test's modules folder.
    explicit ModuleFolder(const std::vector<std::wstring>& languageModuleNames = {});
    ~ModuleFolder();
    ModuleFolder(const ModuleFolder&) = delete;
    ModuleFolder& operator=(const ModuleFolder&) = delete;

    std::wstring Path(const std::wstring& name) const { return folder_ + L"\\" + name; }

private:
    std::wstring folder_;
    std::vector<std::wstring> files_;
};

// The folder of the built modules, beside the test program.
std::wstring BuiltModulesFolder();
