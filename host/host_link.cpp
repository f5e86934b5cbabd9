#include "host/host_link.h"

namespace HostLink {
namespace {

const HostInterface* g_host = nullptr;

}  // namespace

void Attach(const HostInterface* host) {
    g_host = host;
}

const HostInterface* Host() {
    return g_host;
}

bool ServiceExists(const char* name) {
    return g_host && g_host->ServiceExists && g_host->ServiceExists(name) != 0;
}

HostValue CallService(const char* name, HostValue a, HostValue b) {
    return g_host && g_host->CallService ? g_host->CallService(name, a, b) : 0;
}

HostValue CallService(const char* name, const void* a, const void* b) {
    return CallService(name, reinterpret_cast<HostValue>(a), reinterpret_cast<HostValue>(b));
}

HostValue SubscribeEvent(const char* name, HostEventCallback callback) {
    return g_host && g_host->SubscribeEvent ? g_host->SubscribeEvent(name, callback) : 0;
}

void UnsubscribeEvent(HostValue handle) {
    if (g_host && g_host->UnsubscribeEvent) g_host->UnsubscribeEvent(handle);
}

HostValue RegisterService(const char* name, HostServiceHandler handler) {
    return g_host && g_host->RegisterService ? g_host->RegisterService(name, handler) : 0;
}

void UnregisterService(HostValue handle) {
    if (g_host && g_host->UnregisterService) g_host->UnregisterService(handle);
}

}  // namespace HostLink
