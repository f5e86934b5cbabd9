// The module as the host sees it: a fresh copy of talvex7.dll per test, driven through its exports by
// a recording host.

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <optional>

#include "host/host_interface.h"
#include "owner/handles.h"
#include "tests/host/recording_host.h"
#include "tests/plugin/module_folder.h"

namespace {

constexpr wchar_t kRussianPath[] = L"Данные/Расчёты/Нарвелин";
constexpr wchar_t kEnglishPath[] = L"Data/Calculations/Narvelin";

class LoadedPlugin {
public:
    explicit LoadedPlugin(const std::wstring& path) : library_(LoadLibraryW(path.c_str())) {
        if (!library_) throw std::runtime_error("talvex7.dll did not load");
        getPluginInfo = reinterpret_cast<GetPluginInfoFunction>(
            reinterpret_cast<void*>(GetProcAddress(library_.get(), "GetPluginInfo")));
        load = reinterpret_cast<LoadFunction>(reinterpret_cast<void*>(GetProcAddress(library_.get(), "Load")));
        unload = reinterpret_cast<UnloadFunction>(reinterpret_cast<void*>(GetProcAddress(library_.get(), "Unload")));
    }

    GetPluginInfoFunction getPluginInfo = nullptr;
    LoadFunction load = nullptr;
    UnloadFunction unload = nullptr;

private:
    UniqueModule library_;
};

// What "MainMenu/CreateNewMenu" was given, copied during the call as a host must.
struct CapturedMenuItem {
    std::array<unsigned char, 16> bytes{};
    std::wstring path;
    std::string command;
};

class ModuleTest : public ::testing::Test {
protected:
    void OfferMenu() {
        host.Offer(HostService::CreateNewMenu, [this](HostValue, HostValue b) -> HostValue {
            const auto* item = reinterpret_cast<const MenuItemRecord*>(b);
            CapturedMenuItem captured;
            std::memcpy(captured.bytes.data(), item, std::min<size_t>(sizeof(MenuItemRecord), 16));
            captured.path = item->path;
            captured.command = item->command;
            menuItem = captured;
            return 1;
        });
    }
    void OfferLanguage(HostValue language) {
        host.Offer(HostService::GetLanguage, [language](HostValue, HostValue) { return language; });
    }

    RecordingHost host;
    std::optional<CapturedMenuItem> menuItem;
};

TEST_F(ModuleTest, PluginInfoIsLaidOutForTheHost) {
    if (sizeof(void*) != 4) GTEST_SKIP() << "the record's layout is that of a 32-bit process";
    ModuleFolder folder;
    LoadedPlugin plugin(folder.Path(L"talvex7.dll"));
    const auto* bytes = reinterpret_cast<const unsigned char*>(plugin.getPluginInfo());
    auto word = [bytes](size_t offset) {
        uint32_t value;
        std::memcpy(&value, bytes + offset, 4);
        return value;
    };
    auto text = [&word](size_t offset) { return std::wstring(reinterpret_cast<const wchar_t*>(word(offset))); };
    EXPECT_EQ(word(0), 48u);
    EXPECT_EQ(text(4), L"talvex7");
    EXPECT_EQ(word(8), 0x01000001u);
    EXPECT_EQ(text(12), L"Расчет 462: ЗЮЛК-04-04 Нарвелин");
    for (size_t offset : {16, 20, 24, 28}) EXPECT_FALSE(text(offset).empty()) << offset;
    const unsigned char guid[16] = {0x4A, 0x2E, 0x1F, 0x6B, 0xC7, 0x93, 0x58, 0x4D,
                                    0xB2, 0xA1, 0x7E, 0x0C, 0x5D, 0x9F, 0x3A, 0x64};
    EXPECT_EQ(std::memcmp(bytes + 32, guid, 16), 0);
    // The record is the same constant at every call, before Load as after.
    EXPECT_EQ(plugin.getPluginInfo(), reinterpret_cast<const PluginInfo*>(bytes));
}

TEST_F(ModuleTest, MenuItemRecordIsLaidOutForTheHost) {
    if (sizeof(void*) != 4) GTEST_SKIP() << "the record's layout is that of a 32-bit process";
    OfferMenu();
    ModuleFolder folder;
    LoadedPlugin plugin(folder.Path(L"talvex7.dll"));
    plugin.load(host.Interface());
    host.Fire(HostEvent::ModulesLoaded);
    ASSERT_TRUE(menuItem);
    uint32_t size, reserved;
    std::memcpy(&size, menuItem->bytes.data(), 4);
    std::memcpy(&reserved, menuItem->bytes.data() + 8, 4);
    EXPECT_EQ(size, 16u);
    EXPECT_EQ(reserved, 0u);
    EXPECT_EQ(menuItem->path, kRussianPath);
    EXPECT_EQ(menuItem->command, "talvex7/MenuCommand");
    plugin.unload();
}

TEST_F(ModuleTest, StartsInTwoStagesAndWithdrawsBothRegistrations) {
    OfferMenu();
    ModuleFolder folder;
    LoadedPlugin plugin(folder.Path(L"talvex7.dll"));
    EXPECT_EQ(plugin.load(host.Interface()), 0);
    EXPECT_EQ(host.CallNames(),
              (std::vector<std::string>{"SubscribeEvent System/ModulesLoaded", "ServiceExists System/GetLanguage"}));
    host.calls.clear();
    host.Fire(HostEvent::ModulesLoaded);
    EXPECT_EQ(host.CallNames(),
              (std::vector<std::string>{"RegisterService talvex7/MenuCommand", "CallService MainMenu/CreateNewMenu",
                                        "ServiceExists DB/GetConnectionUri"}));
    EXPECT_EQ(host.calls[1].a, 0);
    host.calls.clear();
    EXPECT_EQ(plugin.unload(), 0);
    EXPECT_EQ(host.calls, (std::vector<HostCall>{{"UnsubscribeEvent", "", 1, 0}, {"UnregisterService", "", 2, 0}}));
}

TEST_F(ModuleTest, TakesTheDatabasePathOnlyWhenTheServiceExists) {
    static const wchar_t kDatabase[] = L"C:\\data\\host.db";
    OfferMenu();
    host.Offer(HostService::GetConnectionUri,
               [](HostValue, HostValue) { return reinterpret_cast<HostValue>(kDatabase); });
    ModuleFolder folder;
    LoadedPlugin plugin(folder.Path(L"talvex7.dll"));
    plugin.load(host.Interface());
    host.calls.clear();
    host.Fire(HostEvent::ModulesLoaded);
    EXPECT_EQ(host.CallNames().back(), "CallService DB/GetConnectionUri");
    EXPECT_EQ(host.CallNames()[host.calls.size() - 2], "ServiceExists DB/GetConnectionUri");
    plugin.unload();
}

TEST_F(ModuleTest, UnloadBeforeTheEventWithdrawsTheCommandHandleZero) {
    ModuleFolder folder;
    LoadedPlugin plugin(folder.Path(L"talvex7.dll"));
    plugin.load(host.Interface());
    host.calls.clear();
    EXPECT_EQ(plugin.unload(), 0);
    EXPECT_EQ(host.calls, (std::vector<HostCall>{{"UnsubscribeEvent", "", 1, 0}, {"UnregisterService", "", 0, 0}}));
}

TEST_F(ModuleTest, MenuCommandAnswersZero) {
    OfferMenu();
    ModuleFolder folder;
    LoadedPlugin plugin(folder.Path(L"talvex7.dll"));
    plugin.load(host.Interface());
    host.Fire(HostEvent::ModulesLoaded);
    EXPECT_EQ(host.CallPublished("talvex7/MenuCommand", 0, 0), 0);
    EXPECT_EQ(host.CallPublished("talvex7/MenuCommand", 0, 0), 0);
    plugin.unload();
}

struct LanguageCase {
    const char* what;
    std::optional<HostValue> language;
    std::vector<std::wstring> besideModule;
    const wchar_t* menuPath;
};

class LanguageTest : public ModuleTest, public ::testing::WithParamInterface<LanguageCase> {};

// A language module under the wrong name (an English module called talvex7RUS.dll) shows whether a file
// was looked for where none should be.
INSTANTIATE_TEST_SUITE_P(Languages, LanguageTest,
                         ::testing::Values(
                             LanguageCase{
                                 "RussianLooksForNoFile", 0x0419, {L"talvex7ENU.dll", L"talvex7RUS.dll"}, kRussianPath},
                             LanguageCase{"EnglishWithItsModule", 0x0409, {L"talvex7ENU.dll"}, kEnglishPath},
                             LanguageCase{"EnglishWithoutItsModule", 0x0409, {}, kRussianPath},
                             LanguageCase{"OnlyTheLow16BitsCount", 0x7FFF0409, {L"talvex7ENU.dll"}, kEnglishPath},
                             LanguageCase{"GermanHasNoModule", 0x0407, {L"talvex7ENU.dll"}, kRussianPath},
                             LanguageCase{"NoLanguageService", std::nullopt, {L"talvex7ENU.dll"}, kRussianPath}),
                         [](const ::testing::TestParamInfo<LanguageCase>& instance) { return instance.param.what; });

TEST_P(LanguageTest, MenuPathComesFromTheChosenResourceModule) {
    const LanguageCase& c = GetParam();
    OfferMenu();
    if (c.language) OfferLanguage(*c.language);
    ModuleFolder folder(c.besideModule);
    LoadedPlugin plugin(folder.Path(L"talvex7.dll"));
    plugin.load(host.Interface());
    host.Fire(HostEvent::ModulesLoaded);
    ASSERT_TRUE(menuItem);
    EXPECT_EQ(menuItem->path, c.menuPath);
    EXPECT_EQ(GetModuleHandleW(folder.Path(L"talvex7RUS.dll").c_str()), nullptr);
    plugin.unload();
    // Unload frees the language module.
    EXPECT_EQ(GetModuleHandleW(folder.Path(L"talvex7ENU.dll").c_str()), nullptr);
}

}  // namespace
