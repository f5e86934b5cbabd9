#include "host/profile.h"

#include <array>

#include "host/host_link.h"

namespace Profile {
namespace {

std::wstring& RootText() {
    static std::wstring root;
    return root;
}

// Calls the service when it exists; false when it is absent or the host answered zero.
bool Call(const char* service, const std::wstring& section, const std::wstring& name, const void* value) {
    if (!HostLink::ServiceExists(service)) return false;
    const std::wstring key = MakeKey(section, name);
    return HostLink::CallService(service, key.c_str(), value) != 0;
}

}  // namespace

void SetRoot(std::wstring root) {
    RootText() = std::move(root);
}

const std::wstring& Root() {
    return RootText();
}

std::wstring MakeKey(const std::wstring& section, const std::wstring& name) {
    std::wstring key;
    if (!Root().empty()) key = Root() + L'\\';
    return key + section + L'/' + name;
}

bool SetInt(const std::wstring& section, const std::wstring& name, int32_t value) {
    return Call(HostService::ProfileSetInt, section, name, &value);
}

bool SetDouble(const std::wstring& section, const std::wstring& name, double value) {
    return Call(HostService::ProfileSetDouble, section, name, &value);
}

bool SetString(const std::wstring& section, const std::wstring& name, const std::wstring& value) {
    return Call(HostService::ProfileSetString, section, name, value.c_str());
}

bool CanSetString() {
    return HostLink::ServiceExists(HostService::ProfileSetString);
}

bool Delete(const std::wstring& section, const std::wstring& name) {
    return Call(HostService::ProfileDelParam, section, name, nullptr);
}

int32_t GetInt(const std::wstring& section, const std::wstring& name, int32_t defaultValue) {
    int32_t value = 0;
    return Call(HostService::ProfileGetInt, section, name, &value) ? value : defaultValue;
}

double GetDouble(const std::wstring& section, const std::wstring& name, double defaultValue) {
    double value = 0.0;
    return Call(HostService::ProfileGetDouble, section, name, &value) ? value : defaultValue;
}

std::wstring GetString(const std::wstring& section, const std::wstring& name, const std::wstring& defaultValue) {
    // One unit beyond the capacity the host is told of stays zero, whatever the host writes within it.
    std::array<wchar_t, kTextBufferCapacity + 1> text{};
    TextBuffer buffer{text.data(), kTextBufferCapacity};
    const bool written = Call(HostService::ProfileGetString, section, name, &buffer);
    text[kTextBufferCapacity - 1] = L'\0';
    return written ? std::wstring(text.data()) : defaultValue;
}

}  // namespace Profile
