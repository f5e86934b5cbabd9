#include "host/language_module.h"

#include <gtest/gtest.h>

#include <cwctype>

namespace {

TEST(LanguageModulePath, ReplacesTheExtensionWithTheAbbreviation) {
    struct Case {
        const wchar_t* module;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"C:\\Program Files\\Host\\plugins\\talvex7.dll", L"C:\\Program Files\\Host\\plugins\\talvex7ENU.dll"},
        {L"C:\\host.v2\\talvex7", L"C:\\host.v2\\talvex7ENU.dll"},
        {L"C:\\host\\talvex7.old.dll", L"C:\\host\\talvex7.oldENU.dll"},
        {L"\\\\server\\share\\talvex7.DLL", L"\\\\server\\share\\talvex7ENU.dll"},
    };
    for (const Case& c : cases) EXPECT_EQ(LanguageModulePath(c.module, L"ENU"), c.expected) << c.module;
}

TEST(ModuleFileName, GivesTheWholePathOfAModule) {
    const std::optional<std::wstring> path = ModuleFileName(GetModuleHandleW(L"kernel32.dll"));
    ASSERT_TRUE(path);
    std::wstring lower = *path;
    for (wchar_t& c : lower) c = towlower(c);
    EXPECT_NE(lower.find(L"\\kernel32.dll"), std::wstring::npos) << *path;
    EXPECT_FALSE(ModuleFileName(reinterpret_cast<HMODULE>(0x10)));
}

}  // namespace
