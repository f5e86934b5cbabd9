#pragma once
// The host side of the interface record: events, the plug-in's published services and the host's own
// named services. The record's functions are plain C function pointers with no context, so they reach the
// one Host of the process through a static pointer.

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "host/host_interface.h"

class Host {
public:
    using Service = std::function<HostValue(HostValue a, HostValue b)>;

    // Services named in absent are reported missing and cannot be called.
    explicit Host(std::set<std::string> absent);
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // The record handed to the plug-in's Load.
    const HostInterface* Interface() const { return &interface_; }

    // One of the host's own services.
    void AddService(const std::string& name, Service service);
    // Runs every callback subscribed to the event, in subscription order.
    void FireEvent(const std::string& name);

    HostValue SubscribeEvent(const char* name, HostEventCallback callback);
    HostValue UnsubscribeEvent(HostValue handle);
    HostValue RegisterService(const char* name, HostServiceHandler handler);
    HostValue UnregisterService(HostValue handle);
    HostValue CallService(const char* name, HostValue a, HostValue b);
    bool ServiceExists(const char* name) const;

private:
    struct Subscription {
        HostValue handle;
        std::string event;
        HostEventCallback callback;
    };
    struct Published {
        HostValue handle;
        HostServiceHandler handler;
    };

    HostInterface interface_{};
    std::set<std::string> absent_;
    std::map<std::string, Service> services_;
    std::map<std::string, Published> published_;
    std::vector<Subscription> subscriptions_;
    HostValue nextHandle_ = 1;
};
