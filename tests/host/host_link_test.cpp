// A host whose record lacks entries: each of the six functions missing in turn (and no record at all). The
// calls that need the missing entry answer 0 without calling anything; every other call still reaches the
// host.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/host_link.h"
#include "tests/host/recording_host.h"

namespace {

HostValue __cdecl Handler(HostValue, HostValue) {
    return 0;
}

class HostLinkTest : public testing::TestWithParam<int> {
protected:
    void TearDown() override { HostLink::Attach(nullptr); }

    // What the calls that answer something answered, after one call of each kind.
    struct Answers {
        HostValue subscribed;
        HostValue registered;
        HostValue language;
        bool exists;
    };
    static Answers CallEverything() {
        Answers answers{};
        answers.subscribed = HostLink::SubscribeEvent(HostEvent::ModulesLoaded, &Handler);
        HostLink::UnsubscribeEvent(1);
        answers.registered = HostLink::RegisterService("talvex7/MenuCommand", &Handler);
        HostLink::UnregisterService(2);
        answers.language = HostLink::CallService(HostService::GetLanguage, HostValue{0}, HostValue{0});
        answers.exists = HostLink::ServiceExists(HostService::GetLanguage);
        return answers;
    }
};

// The record's six functions, by the name the recording host files its calls under.
const char* const kFunctions[] = {"SubscribeEvent",    "UnsubscribeEvent", "RegisterService",
                                  "UnregisterService", "CallService",      "ServiceExists"};

void Remove(HostInterface& record, const std::string& function) {
    if (function == "SubscribeEvent") record.SubscribeEvent = nullptr;
    if (function == "UnsubscribeEvent") record.UnsubscribeEvent = nullptr;
    if (function == "RegisterService") record.RegisterService = nullptr;
    if (function == "UnregisterService") record.UnregisterService = nullptr;
    if (function == "CallService") record.CallService = nullptr;
    if (function == "ServiceExists") record.ServiceExists = nullptr;
}

TEST_P(HostLinkTest, AMissingEntryIsNeverCalledAndTheOthersStillWork) {
    const std::string missing = kFunctions[GetParam()];
    RecordingHost host;
    host.Offer(HostService::GetLanguage, [](HostValue, HostValue) { return HostValue{0x0419}; });
    HostInterface record = *host.Interface();
    Remove(record, missing);
    HostLink::Attach(&record);

    const Answers answers = CallEverything();

    std::vector<std::string> expected;
    for (const char* function : kFunctions) {
        if (function != missing) expected.push_back(function);
    }
    std::vector<std::string> called;
    for (const HostCall& call : host.calls) called.push_back(call.function);
    EXPECT_EQ(called, expected);
    EXPECT_EQ(answers.subscribed != 0, missing != "SubscribeEvent");
    EXPECT_EQ(answers.registered != 0, missing != "RegisterService");
    EXPECT_EQ(answers.language, missing == "CallService" ? 0 : 0x0419);
    EXPECT_EQ(answers.exists, missing != "ServiceExists");
}

INSTANTIATE_TEST_SUITE_P(EachFunction, HostLinkTest, testing::Range(0, 6),
                         [](const testing::TestParamInfo<int>& instance) {
                             return std::string(kFunctions[instance.param]);
                         });

TEST(HostLinkWithoutRecord, EveryCallAnswersZero) {
    HostLink::Attach(nullptr);
    EXPECT_EQ(HostLink::SubscribeEvent(HostEvent::ModulesLoaded, &Handler), 0);
    EXPECT_EQ(HostLink::RegisterService("talvex7/MenuCommand", &Handler), 0);
    EXPECT_EQ(HostLink::CallService(HostService::GetLanguage, HostValue{0}, HostValue{0}), 0);
    EXPECT_FALSE(HostLink::ServiceExists(HostService::GetLanguage));
    HostLink::UnsubscribeEvent(1);
    HostLink::UnregisterService(1);
}

}  // namespace
