// The version resource of talvex7.dll and of its English language module, read through the version API:
// the numbers 1.0.0.0, the file type, the string table's language and every text.

#include "tests/res/built_module.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

namespace {

// The whole version resource of a file, empty when it has none.
std::vector<BYTE> ReadVersionResource(const std::wstring& file) {
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), nullptr);
    std::vector<BYTE> data(size);
    if (size == 0 || !GetFileVersionInfoW(file.c_str(), 0, size, data.data())) data.clear();
    return data;
}

template <typename T>
const T* Query(std::vector<BYTE>& resource, const std::wstring& path, UINT* length) {
    void* value = nullptr;
    if (!VerQueryValueW(resource.data(), path.c_str(), &value, length)) return nullptr;
    return static_cast<const T*>(value);
}

std::wstring Text(std::vector<BYTE>& resource, const std::wstring& block, const wchar_t* name) {
    UINT length = 0;
    const wchar_t* text = Query<wchar_t>(resource, L"\\StringFileInfo\\" + block + L"\\" + name, &length);
    // The length counts the terminating zero.
    return text != nullptr && length > 0 ? std::wstring(text, length - 1) : L"<missing>";
}

// The ASCII texts of this test (file and value names) for failure messages.
std::string Ascii(const wchar_t* text) {
    return std::string(text, text + wcslen(text));
}

struct ModuleVersion {
    const wchar_t* file;
    WORD language;
    const wchar_t* block;
    const wchar_t* description;
    const wchar_t* internalName;
};

const ModuleVersion kModules[] = {
    {L"talvex7.dll", 0x0419, L"041904b0",
     L"Расчёт-462 ЗЮЛК-04-04 Нарвелин: определение содержания воды в трансформаторном масле", L"talvex7"},
    {L"talvex7ENU.dll", 0x0409, L"040904b0",
     L"Calculation-462 ZYuLK-04-04 Narvelin: water content of transformer oil, English language module", L"talvex7ENU"},
};

class VersionResource : public testing::TestWithParam<ModuleVersion> {
protected:
    void SetUp() override {
        resource_ = ReadVersionResource(BesideTheProgram(GetParam().file));
        ASSERT_FALSE(resource_.empty());
    }

    std::vector<BYTE> resource_;
};

TEST_P(VersionResource, NumbersAndFileType) {
    UINT length = 0;
    const auto* fixed = Query<VS_FIXEDFILEINFO>(resource_, L"\\", &length);
    ASSERT_NE(fixed, nullptr);
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000000u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000000u);
    // A release build: no debug, pre-release, patched or private flag.
    EXPECT_EQ(fixed->dwFileFlags & fixed->dwFileFlagsMask, 0u);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS_NT_WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_DLL));
}

TEST_P(VersionResource, OneStringTableInTheModulesLanguage) {
    UINT length = 0;
    const auto* translation = Query<WORD>(resource_, L"\\VarFileInfo\\Translation", &length);
    ASSERT_NE(translation, nullptr);
    // Exactly one language and code page pair: the language's own, Unicode texts.
    ASSERT_EQ(length, 2 * sizeof(WORD));
    EXPECT_EQ(translation[0], GetParam().language);
    EXPECT_EQ(translation[1], 1200);
}

TEST_P(VersionResource, Texts) {
    const ModuleVersion& module = GetParam();
    const std::pair<const wchar_t*, std::wstring> expected[] = {
        {L"CompanyName", L"talvex7 developers"},
        {L"FileDescription", module.description},
        {L"FileVersion", L"1.0.0.0"},
        {L"InternalName", module.internalName},
        {L"LegalCopyright", L"Copyright (C) 2026 talvex7 developers"},
        {L"OriginalFilename", module.file},
        {L"ProductName", L"talvex7"},
        {L"ProductVersion", L"1.0.0.0"},
    };
    for (const auto& [name, text] : expected) {
        EXPECT_EQ(Text(resource_, module.block, name), text) << Ascii(name);
    }
}

INSTANTIATE_TEST_SUITE_P(Modules, VersionResource, testing::ValuesIn(kModules),
                         [](const testing::TestParamInfo<ModuleVersion>& instance) {
                             const std::string file = Ascii(instance.param.file);
                             return file.substr(0, file.find('.'));
                         });

}  // namespace
