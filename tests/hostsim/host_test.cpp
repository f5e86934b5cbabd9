#include "hostsim/host.h"

#include <gtest/gtest.h>

#include <cwchar>

#include "hostsim/host_state.h"
#include "hostsim/profile_store.h"
#include "hostsim/services.h"

namespace {

std::vector<int> g_fired;

HostValue __cdecl First(HostValue, HostValue) {
    g_fired.push_back(1);
    return 0;
}
HostValue __cdecl Second(HostValue, HostValue) {
    g_fired.push_back(2);
    return 0;
}
HostValue __cdecl Echo(HostValue a, HostValue b) {
    return a + b;
}

class HostTest : public ::testing::Test {
protected:
    HostTest() : host({"Profile/GetInt"}), store(std::nullopt) {
        AddSystemServices(host, state, 0x0409, std::wstring(L"C:\\db\\host.db"));
        AddProfileServices(host, store);
        g_fired.clear();
    }

    HostValue Call(const char* name, const void* a, const void* b) {
        return host.Interface()->CallService(name, reinterpret_cast<HostValue>(a), reinterpret_cast<HostValue>(b));
    }

    Host host;
    HostState state;
    ProfileStore store;
};

TEST_F(HostTest, EventsRunInSubscriptionOrderUntilUnsubscribed) {
    const HostInterface& record = *host.Interface();
    const HostValue first = record.SubscribeEvent(HostEvent::ModulesLoaded, &First);
    record.SubscribeEvent(HostEvent::ModulesLoaded, &Second);
    record.SubscribeEvent("Other/Event", &First);
    host.FireEvent(HostEvent::ModulesLoaded);
    EXPECT_EQ(g_fired, (std::vector<int>{1, 2}));
    EXPECT_NE(record.UnsubscribeEvent(first), 0);
    EXPECT_EQ(record.UnsubscribeEvent(first), 0);
    host.FireEvent(HostEvent::ModulesLoaded);
    EXPECT_EQ(g_fired, (std::vector<int>{1, 2, 2}));
}

TEST_F(HostTest, PublishedServicesAnswerUntilWithdrawn) {
    const HostInterface& record = *host.Interface();
    const HostValue handle = record.RegisterService("talvex7/MenuCommand", &Echo);
    EXPECT_NE(record.ServiceExists("talvex7/MenuCommand"), 0);
    EXPECT_EQ(record.CallService("talvex7/MenuCommand", 40, 2), 42);
    EXPECT_EQ(record.UnregisterService(0), 0);
    EXPECT_NE(record.UnregisterService(handle), 0);
    EXPECT_EQ(record.ServiceExists("talvex7/MenuCommand"), 0);
    EXPECT_EQ(record.CallService("talvex7/MenuCommand", 40, 2), 0);
}

TEST_F(HostTest, ServicesNamedAbsentDoNotExist) {
    EXPECT_EQ(host.Interface()->ServiceExists("Profile/GetInt"), 0);
    EXPECT_NE(host.Interface()->ServiceExists("Profile/SetInt"), 0);
    EXPECT_EQ(host.Interface()->ServiceExists(nullptr), 0);
    EXPECT_EQ(host.Interface()->CallService("No/Such", 1, 2), 0);
}

TEST_F(HostTest, LanguageAndDatabaseAreThoseGiven) {
    EXPECT_EQ(Call("System/GetLanguage", nullptr, nullptr), 0x0409);
    EXPECT_STREQ(reinterpret_cast<const wchar_t*>(Call("DB/GetConnectionUri", nullptr, nullptr)), L"C:\\db\\host.db");
}

TEST_F(HostTest, PickerWritesQueuedIdsNeverBeyondTheBuffer) {
    state.pickAnswers.push_back({{5, 6, 7}, 3});
    state.pickAnswers.push_back({{1, 2, 3}, 257});
    std::vector<uint32_t> ids(2, 0);
    IdBuffer buffer{ids.data(), 2};
    EXPECT_EQ(Call("Main/OpenAssayIdDlgEx", &buffer, nullptr), 3);
    EXPECT_EQ(ids, (std::vector<uint32_t>{5, 6}));
    EXPECT_EQ(Call("Main/OpenAssayIdDlgEx", &buffer, nullptr), 257);
    EXPECT_EQ(Call("Main/OpenAssayIdDlgEx", &buffer, nullptr), 0);
}

TEST_F(HostTest, MenuEntriesAndOpenedFilesAreRecorded) {
    const MenuItemRecord item{sizeof(MenuItemRecord), L"Данные/Расчёты/Нарвелин", 0, "talvex7/MenuCommand"};
    EXPECT_EQ(Call("MainMenu/CreateNewMenu", nullptr, &item), 1);
    ASSERT_EQ(state.menuEntries.size(), 1u);
    EXPECT_EQ(state.menuEntries[0].path, L"Данные/Расчёты/Нарвелин");
    EXPECT_EQ(state.menuEntries[0].command, "talvex7/MenuCommand");
    Call("Main/OpenAssayFile", nullptr, L"C:\\data\\a.chr");
    EXPECT_EQ(state.opened, (std::vector<std::wstring>{L"C:\\data\\a.chr"}));
}

TEST_F(HostTest, ProfileValuesAreTypedAndTextsFitTheBuffer) {
    const int32_t number = -5;
    const double mass = 0.1;
    EXPECT_EQ(Call("Profile/SetInt", L"k/int", &number), 1);
    EXPECT_EQ(Call("Profile/SetDouble", L"k/double", &mass), 1);
    EXPECT_EQ(Call("Profile/SetString", L"k/text", L"abcdef"), 1);
    double readMass = 0;
    EXPECT_EQ(Call("Profile/GetDouble", L"k/double", &readMass), 1);
    EXPECT_EQ(readMass, mass);
    EXPECT_EQ(Call("Profile/GetDouble", L"k/int", &readMass), 0) << "an int is no double";
    wchar_t text[4];
    TextBuffer buffer{text, 4};
    EXPECT_EQ(Call("Profile/GetString", L"k/text", &buffer), 1);
    EXPECT_STREQ(text, L"abc");
    EXPECT_EQ(Call("Profile/DelParam", L"k/text", nullptr), 1);
    EXPECT_EQ(Call("Profile/GetString", L"k/text", &buffer), 0);
}

}  // namespace
