#include "hostsim/host.h"

#include "hostsim/log.h"
#include "text/utf8_text.h"

namespace {

Host* g_host = nullptr;

std::wstring NameText(const char* name) {
    return name ? WideFromUtf8(name) : std::wstring(L"(null)");
}

// Each entry of the record: the plug-in is C code as far as we know, so nothing may unwind into it.
template <class Call>
HostValue Guarded(const wchar_t* what, Call call) noexcept {
    try {
        return g_host ? call(*g_host) : 0;
    } catch (const std::exception& error) {
        Log(std::wstring(what) + L" failed: " + WideFromUtf8(error.what()));
    } catch (...) {
        Log(std::wstring(what) + L" failed");
    }
    return 0;
}

HostValue __cdecl SubscribeEventEntry(const char* name, HostEventCallback callback) {
    return Guarded(L"SubscribeEvent", [&](Host& host) { return host.SubscribeEvent(name, callback); });
}
HostValue __cdecl UnsubscribeEventEntry(HostValue handle) {
    return Guarded(L"UnsubscribeEvent", [&](Host& host) { return host.UnsubscribeEvent(handle); });
}
HostValue __cdecl RegisterServiceEntry(const char* name, HostServiceHandler handler) {
    return Guarded(L"RegisterService", [&](Host& host) { return host.RegisterService(name, handler); });
}
HostValue __cdecl UnregisterServiceEntry(HostValue handle) {
    return Guarded(L"UnregisterService", [&](Host& host) { return host.UnregisterService(handle); });
}
HostValue __cdecl CallServiceEntry(const char* name, HostValue a, HostValue b) {
    return Guarded(L"CallService", [&](Host& host) { return host.CallService(name, a, b); });
}
HostValue __cdecl ServiceExistsEntry(const char* name) {
    return Guarded(L"ServiceExists", [&](Host& host) -> HostValue { return host.ServiceExists(name) ? 1 : 0; });
}

}  // namespace

Host::Host(std::set<std::string> absent) : absent_(std::move(absent)) {
    interface_.SubscribeEvent = &SubscribeEventEntry;
    interface_.UnsubscribeEvent = &UnsubscribeEventEntry;
    interface_.RegisterService = &RegisterServiceEntry;
    interface_.UnregisterService = &UnregisterServiceEntry;
    interface_.CallService = &CallServiceEntry;
    interface_.ServiceExists = &ServiceExistsEntry;
    g_host = this;
}

Host::~Host() {
    g_host = nullptr;
}

void Host::AddService(const std::string& name, Service service) {
    services_[name] = std::move(service);
}

void Host::FireEvent(const std::string& name) {
    // A callback may subscribe or unsubscribe: run over a copy.
    const std::vector<Subscription> subscriptions = subscriptions_;
    for (const Subscription& subscription : subscriptions) {
        if (subscription.event == name && subscription.callback) subscription.callback(0, 0);
    }
}

HostValue Host::SubscribeEvent(const char* name, HostEventCallback callback) {
    if (!name || !callback) {
        Log(L"SubscribeEvent without a name or callback: " + NameText(name));
        return 0;
    }
    subscriptions_.push_back({nextHandle_, name, callback});
    return nextHandle_++;
}

HostValue Host::UnsubscribeEvent(HostValue handle) {
    for (auto it = subscriptions_.begin(); it != subscriptions_.end(); ++it) {
        if (it->handle == handle) {
            subscriptions_.erase(it);
            return 1;
        }
    }
    Log(L"UnsubscribeEvent of an unknown handle " + std::to_wstring(handle));
    return 0;
}

HostValue Host::RegisterService(const char* name, HostServiceHandler handler) {
    if (!name || !handler) {
        Log(L"RegisterService without a name or handler: " + NameText(name));
        return 0;
    }
    published_[name] = {nextHandle_, handler};
    return nextHandle_++;
}

HostValue Host::UnregisterService(HostValue handle) {
    for (auto it = published_.begin(); it != published_.end(); ++it) {
        if (it->second.handle == handle) {
            published_.erase(it);
            return 1;
        }
    }
    Log(L"UnregisterService of an unknown handle " + std::to_wstring(handle));
    return 0;
}

HostValue Host::CallService(const char* name, HostValue a, HostValue b) {
    if (!ServiceExists(name)) {
        Log(L"CallService of an unknown service " + NameText(name));
        return 0;
    }
    if (const auto published = published_.find(name); published != published_.end())
        return published->second.handler(a, b);
    return services_.at(name)(a, b);
}

bool Host::ServiceExists(const char* name) const {
    if (!name || absent_.count(name) != 0) return false;
    return published_.count(name) != 0 || services_.count(name) != 0;
}
