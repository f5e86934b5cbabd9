#include "tests/plugin/module_folder.h"

#include <stdexcept>

namespace {

std::wstring TemporaryFolder() {
    wchar_t base[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, base);
    wchar_t name[MAX_PATH];
    GetTempFileNameW(base, L"tvx", 0, name);
    // The unique name becomes a folder.
    DeleteFileW(name);
    if (!CreateDirectoryW(name, nullptr)) throw std::runtime_error("cannot create a temporary folder");
    return name;
}

}  // namespace

std::wstring BuiltModulesFolder() {
    wchar_t program[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::wstring folder(program, length);
    return folder.substr(0, folder.find_last_of(L'\\')) + L"\\modules";
}

ModuleFolder::ModuleFolder(const std::vector<std::wstring>& languageModuleNames) : folder_(TemporaryFolder()) {
    std::vector<std::pair<std::wstring, std::wstring>> copies{{L"talvex7.dll", L"talvex7.dll"}};
    for (const std::wstring& name : languageModuleNames) copies.emplace_back(L"talvex7ENU.dll", name);
    for (const auto& [from, to] : copies) {
        if (!CopyFileW((BuiltModulesFolder() + L"\\" + from).c_str(), Path(to).c_str(), FALSE))
            throw std::runtime_error("cannot copy a built module");
        files_.push_back(Path(to));
    }
}

ModuleFolder::~ModuleFolder() {
    for (const std::wstring& file : files_) DeleteFileW(file.c_str());
    RemoveDirectoryW(folder_.c_str());
}
