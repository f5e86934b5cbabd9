#include "tests/res/built_module.h"

#include <cwchar>

std::wstring BesideTheProgram(const wchar_t* file) {
    wchar_t program[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
    const std::wstring path(program, length);
    return path.substr(0, path.find_last_of(L'\\') + 1) + file;
}

BuiltModule::BuiltModule(const wchar_t* file)
    : module_(LoadLibraryExW(BesideTheProgram(file).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)),
      name_(file, file + wcslen(file)) {}

BuiltModule::~BuiltModule() {
    if (module_) FreeLibrary(module_);
}
