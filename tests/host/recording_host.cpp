#include "tests/host/recording_host.h"

namespace {

RecordingHost* g_host = nullptr;

}  // namespace

struct RecordingHostEntries {
    static HostValue __cdecl SubscribeEvent(const char* name, HostEventCallback callback) {
        g_host->calls.push_back({"SubscribeEvent", name, 0, 0});
        g_host->events_[g_host->nextHandle_] = {name, callback};
        return g_host->nextHandle_++;
    }
    static HostValue __cdecl UnsubscribeEvent(HostValue handle) {
        g_host->calls.push_back({"UnsubscribeEvent", "", handle, 0});
        return static_cast<HostValue>(g_host->events_.erase(handle));
    }
    static HostValue __cdecl RegisterService(const char* name, HostServiceHandler handler) {
        g_host->calls.push_back({"RegisterService", name, 0, 0});
        g_host->published_[g_host->nextHandle_] = {name, handler};
        return g_host->nextHandle_++;
    }
    static HostValue __cdecl UnregisterService(HostValue handle) {
        g_host->calls.push_back({"UnregisterService", "", handle, 0});
        return static_cast<HostValue>(g_host->published_.erase(handle));
    }
    static HostValue __cdecl CallService(const char* name, HostValue a, HostValue b) {
        g_host->calls.push_back({"CallService", name, a, b});
        const auto service = g_host->services_.find(name);
        return service == g_host->services_.end() ? 0 : service->second(a, b);
    }
    static HostValue __cdecl ServiceExists(const char* name) {
        g_host->calls.push_back({"ServiceExists", name, 0, 0});
        return g_host->services_.count(name);
    }
};

RecordingHost::RecordingHost() {
    record_.SubscribeEvent = &RecordingHostEntries::SubscribeEvent;
    record_.UnsubscribeEvent = &RecordingHostEntries::UnsubscribeEvent;
    record_.RegisterService = &RecordingHostEntries::RegisterService;
    record_.UnregisterService = &RecordingHostEntries::UnregisterService;
    record_.CallService = &RecordingHostEntries::CallService;
    record_.ServiceExists = &RecordingHostEntries::ServiceExists;
    g_host = this;
}

RecordingHost::~RecordingHost() {
    g_host = nullptr;
}

void RecordingHost::Fire(const std::string& event) {
    const auto events = events_;
    for (const auto& [handle, subscription] : events) {
        if (subscription.first == event) subscription.second(0, 0);
    }
}

HostValue RecordingHost::CallPublished(const std::string& name, HostValue a, HostValue b) {
    for (const auto& [handle, service] : published_) {
        if (service.first == name) return service.second(a, b);
    }
    return 0;
}

std::vector<std::string> RecordingHost::CallNames() const {
    std::vector<std::string> names;
    for (const HostCall& call : calls) names.push_back(call.function + (call.name.empty() ? "" : " " + call.name));
    return names;
}
