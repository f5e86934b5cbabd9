// A program of its own: the module's activation context can only bring the version 6 common controls into
// a process that has not loaded comctl32 yet, so nothing here may import it.

#include "dialogkit/activation_context.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cwctype>
#include <string>

namespace {

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

std::wstring ModulePath(HMODULE module) {
    wchar_t path[MAX_PATH * 2] = {};
    GetModuleFileNameW(module, path, MAX_PATH * 2);
    return path;
}

TEST(ActivationContext, ModuleManifestBringsTheVersion6ListView) {
    ASSERT_EQ(GetModuleHandleW(L"comctl32.dll"), nullptr) << "comctl32 is loaded already: the test proves nothing";
    dialogkit::ActivationContext context(GetModuleHandleW(nullptr));
    ASSERT_TRUE(context.IsValid());
    HWND list = nullptr;
    HMODULE comctl = nullptr;
    {
        dialogkit::ActivationScope scope(context);
        ASSERT_TRUE(scope.IsActive());
        comctl = LoadLibraryW(L"comctl32.dll");
        ASSERT_NE(comctl, nullptr);
        list = CreateWindowExW(0, L"SysListView32", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(list, nullptr);
    }
    const std::wstring path = Lower(ModulePath(comctl));
    EXPECT_NE(path.find(L"winsxs"), std::wstring::npos) << testing::PrintToString(path);
    // Wine's comctl32 answers DllGetVersion with 5 wherever it is loaded from: the side-by-side folder of
    // the 6.0 assembly is what tells the version 6 controls.
    EXPECT_NE(path.find(L"common-controls"), std::wstring::npos);
    EXPECT_NE(path.find(L"_6.0."), std::wstring::npos);
    // The list's code is the side-by-side comctl32's. (The class's module handle is no proof: 64-bit Wine
    // answers the creating module's.)
    HMODULE procModule = nullptr;
    ASSERT_TRUE(
        GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCWSTR>(GetWindowLongPtrW(list, GWLP_WNDPROC)), &procModule));
    EXPECT_EQ(procModule, comctl);
    DestroyWindow(list);
}

TEST(ActivationContext, ModuleWithoutManifestGivesNoContextAndScopeDoesNothing) {
    dialogkit::ActivationContext context(GetModuleHandleW(L"kernel32.dll"));
    EXPECT_FALSE(context.IsValid());
    dialogkit::ActivationScope scope(context);
    EXPECT_FALSE(scope.IsActive());
}

}  // namespace
