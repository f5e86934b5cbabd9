#include "host/profile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <map>
#include <variant>
#include <vector>

#include "host/host_link.h"
#include "tests/host/recording_host.h"

namespace {

const wchar_t* Key(HostValue a) {
    return reinterpret_cast<const wchar_t*>(a);
}

// A host whose profile services keep values in memory, typed, as a host would.
class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        HostLink::Attach(host.Interface());
        Profile::SetRoot(L"plugins\\talvex7");
    }
    void TearDown() override {
        HostLink::Attach(nullptr);
        Profile::SetRoot(L"");
    }

    void OfferProfileServices() {
        host.Offer(HostService::ProfileSetInt, [this](HostValue a, HostValue b) -> HostValue {
            store[Key(a)] = *reinterpret_cast<const int32_t*>(b);
            return 1;
        });
        host.Offer(HostService::ProfileSetDouble, [this](HostValue a, HostValue b) -> HostValue {
            store[Key(a)] = *reinterpret_cast<const double*>(b);
            return 1;
        });
        host.Offer(HostService::ProfileSetString, [this](HostValue a, HostValue b) -> HostValue {
            store[Key(a)] = std::wstring(reinterpret_cast<const wchar_t*>(b));
            return 1;
        });
        host.Offer(HostService::ProfileDelParam,
                   [this](HostValue a, HostValue) -> HostValue { return store.erase(Key(a)) != 0 ? 1 : 0; });
        host.Offer(HostService::ProfileGetInt, [this](HostValue a, HostValue b) { return Get<int32_t>(a, b); });
        host.Offer(HostService::ProfileGetDouble, [this](HostValue a, HostValue b) { return Get<double>(a, b); });
        host.Offer(HostService::ProfileGetString, [this](HostValue a, HostValue b) -> HostValue {
            const auto found = store.find(Key(a));
            if (found == store.end()) return 0;
            const auto& text = std::get<std::wstring>(found->second);
            auto* buffer = reinterpret_cast<TextBuffer*>(b);
            // Writes the whole capacity as a careless host might, terminated only when it fits.
            const size_t length = std::min(text.size(), static_cast<size_t>(buffer->capacity));
            std::wmemcpy(buffer->text, text.data(), length);
            if (length < static_cast<size_t>(buffer->capacity)) buffer->text[length] = L'\0';
            return 1;
        });
    }

    template <class T>
    HostValue Get(HostValue a, HostValue b) {
        const auto found = store.find(Key(a));
        if (found == store.end()) return 0;
        *reinterpret_cast<T*>(b) = std::get<T>(found->second);
        return 1;
    }

    RecordingHost host;
    std::map<std::wstring, std::variant<int32_t, double, std::wstring>> store;
};

TEST_F(ProfileTest, KeysJoinRootSectionAndName) {
    struct Case {
        const wchar_t* root;
        const wchar_t* section;
        const wchar_t* name;
        const wchar_t* key;
    };
    const Case cases[] = {
        {L"plugins\\talvex7", L"", L"m1", L"plugins\\talvex7\\/m1"},
        {L"plugins\\talvex7", L"", L"WindowRect_tlx", L"plugins\\talvex7\\/WindowRect_tlx"},
        {L"plugins\\talvex7", L"grid", L"width", L"plugins\\talvex7\\grid/width"},
        {L"", L"", L"m1", L"/m1"},
    };
    for (const Case& c : cases) {
        Profile::SetRoot(c.root);
        EXPECT_EQ(Profile::MakeKey(c.section, c.name), c.key) << c.name;
    }
}

TEST_F(ProfileTest, WithoutServicesEveryWrapperGivesItsDefaultAndCallsNothing) {
    EXPECT_FALSE(Profile::SetInt(L"", L"m1", 5));
    EXPECT_FALSE(Profile::SetDouble(L"", L"m1", 2.5));
    EXPECT_FALSE(Profile::SetString(L"", L"Assay 1", L"1/1"));
    EXPECT_FALSE(Profile::CanSetString());
    EXPECT_FALSE(Profile::Delete(L"", L"Assay 1"));
    EXPECT_EQ(Profile::GetInt(L"", L"m1", -7), -7);
    EXPECT_EQ(Profile::GetDouble(L"", L"m1", 0.25), 0.25);
    EXPECT_EQ(Profile::GetString(L"", L"Assay 1", L"404"), L"404");
    for (const HostCall& call : host.calls) EXPECT_EQ(call.function, "ServiceExists") << call.name;
    EXPECT_EQ(host.calls.size(), 8u);
}

TEST_F(ProfileTest, ValuesComeBackUnderTheKeyTheyWereStoredWith) {
    OfferProfileServices();
    const double masses[] = {0.1, -0.0, 1e-310, 1.7976931348623157e308};
    EXPECT_TRUE(Profile::SetInt(L"", L"WindowRect_tlx", -120));
    EXPECT_EQ(Profile::GetInt(L"", L"WindowRect_tlx", 0), -120);
    for (const double mass : masses) {
        EXPECT_TRUE(Profile::SetDouble(L"", L"m1", mass));
        const double back = Profile::GetDouble(L"", L"m1", 99.0);
        EXPECT_EQ(std::memcmp(&back, &mass, sizeof mass), 0) << mass;
    }
    EXPECT_TRUE(Profile::CanSetString());
    EXPECT_TRUE(Profile::SetString(L"", L"Assay 1", L"4294967295/1"));
    EXPECT_EQ(Profile::GetString(L"", L"Assay 1", L"404"), L"4294967295/1");
    EXPECT_TRUE(Profile::Delete(L"", L"Assay 1"));
    EXPECT_EQ(Profile::GetString(L"", L"Assay 1", L"404"), L"404");
    // The key texts live only during the call: what the store kept is what the host was given.
    std::vector<std::wstring> keys;
    for (const auto& entry : store) keys.push_back(entry.first);
    EXPECT_EQ(keys, (std::vector<std::wstring>{L"plugins\\talvex7\\/WindowRect_tlx", L"plugins\\talvex7\\/m1"}));
}

TEST_F(ProfileTest, NamesNeverStoredGiveTheCallersDefault) {
    OfferProfileServices();
    EXPECT_EQ(Profile::GetInt(L"", L"m2", 42), 42);
    EXPECT_EQ(Profile::GetDouble(L"", L"m2", 1.5), 1.5);
    EXPECT_EQ(Profile::GetString(L"", L"Assay 7", L"404"), L"404");
}

TEST_F(ProfileTest, TextsComeBackCutTo127Units) {
    OfferProfileServices();
    struct Case {
        size_t stored;
        size_t returned;
    };
    for (const Case c : {Case{0, 0}, Case{1, 1}, Case{126, 126}, Case{127, 127}, Case{128, 127}, Case{400, 127}}) {
        std::wstring text;
        for (size_t i = 0; i < c.stored; ++i) text += static_cast<wchar_t>(L'А' + i % 32);
        store[L"plugins\\talvex7\\/Assay 1"] = text;
        EXPECT_EQ(Profile::GetString(L"", L"Assay 1", L"404"), text.substr(0, c.returned)) << c.stored;
    }
}

TEST_F(ProfileTest, AHostAnsweringZeroLeavesTheDefault) {
    for (const char* name : {HostService::ProfileSetInt, HostService::ProfileSetDouble, HostService::ProfileSetString,
                             HostService::ProfileDelParam, HostService::ProfileGetInt, HostService::ProfileGetDouble,
                             HostService::ProfileGetString}) {
        host.Offer(name, [](HostValue, HostValue b) -> HostValue {
            // Scribbles into the result and still says no.
            if (b) *reinterpret_cast<int32_t*>(b) = 1234;
            return 0;
        });
    }
    EXPECT_FALSE(Profile::SetInt(L"", L"m1", 1));
    EXPECT_FALSE(Profile::SetDouble(L"", L"m1", 1.0));
    EXPECT_FALSE(Profile::SetString(L"", L"m1", L"1/0"));
    EXPECT_FALSE(Profile::Delete(L"", L"m1"));
    EXPECT_EQ(Profile::GetInt(L"", L"m1", 3), 3);
    EXPECT_EQ(Profile::GetDouble(L"", L"m1", 3.5), 3.5);
    EXPECT_EQ(Profile::GetString(L"", L"m1", L"404"), L"404");
}

}  // namespace
