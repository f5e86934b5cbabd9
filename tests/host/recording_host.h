#pragma once
// A host for tests: offers the services a test names, answers them with the test's handlers, keeps the
// events and services the plug-in registers, and records every call made through the record in order.

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "host/host_interface.h"

struct HostCall {
    std::string function;
    std::string name;
    HostValue a = 0;
    HostValue b = 0;

    bool operator==(const HostCall&) const = default;
};

class RecordingHost {
public:
    using Service = std::function<HostValue(HostValue a, HostValue b)>;

    // Becomes the host the record's functions reach, until destroyed.
    RecordingHost();
    ~RecordingHost();
    RecordingHost(const RecordingHost&) = delete;
    RecordingHost& operator=(const RecordingHost&) = delete;

    const HostInterface* Interface() const { return &record_; }
    void Offer(const std::string& name, Service service) { services_[name] = std::move(service); }
    // Runs the callbacks subscribed to the event.
    void Fire(const std::string& event);
    // Calls a service the plug-in registered.
    HostValue CallPublished(const std::string& name, HostValue a, HostValue b);

    std::vector<HostCall> calls;
    // Names of the calls in order, "Function name" each, for comparing sequences.
    std::vector<std::string> CallNames() const;

private:
    friend struct RecordingHostEntries;

    HostInterface record_{};
    std::map<std::string, Service> services_;
    std::map<HostValue, std::pair<std::string, HostEventCallback>> events_;
    std::map<HostValue, std::pair<std::string, HostServiceHandler>> published_;
    HostValue nextHandle_ = 1;
};
