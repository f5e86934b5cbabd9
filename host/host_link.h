#pragma once
// The module's one way to the host: the interface record Load received and typed calls through it.
// Before Load (or with a host that gave no record) every call answers 0, so nothing here can fault.

#include "host/host_interface.h"

namespace HostLink {

// Keeps the host's record for every later call; the host owns it and keeps it alive.
void Attach(const HostInterface* host);
const HostInterface* Host();

bool ServiceExists(const char* name);
HostValue CallService(const char* name, HostValue a, HostValue b);
HostValue SubscribeEvent(const char* name, HostEventCallback callback);
void UnsubscribeEvent(HostValue handle);
HostValue RegisterService(const char* name, HostServiceHandler handler);
void UnregisterService(HostValue handle);

// CallService with pointer arguments, the form most services take.
HostValue CallService(const char* name, const void* a, const void* b);

}  // namespace HostLink
