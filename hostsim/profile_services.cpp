#include <algorithm>
#include <cwchar>

#include "hostsim/host.h"
#include "hostsim/profile_store.h"
#include "hostsim/services.h"

namespace {

const wchar_t* Key(HostValue a) {
    return reinterpret_cast<const wchar_t*>(a);
}

// A setter of a value passed by address.
template <class T>
Host::Service Setter(ProfileStore& store) {
    return [&store](HostValue a, HostValue b) -> HostValue {
        const auto* value = reinterpret_cast<const T*>(b);
        if (!Key(a) || !value) return 0;
        store.Set(Key(a), *value);
        return 1;
    };
}

// A getter that writes the stored value of its type to the address given.
template <class T>
Host::Service Getter(ProfileStore& store) {
    return [&store](HostValue a, HostValue b) -> HostValue {
        auto* out = reinterpret_cast<T*>(b);
        if (!Key(a) || !out) return 0;
        const ProfileStore::Value* stored = store.Find(Key(a));
        const T* value = stored ? std::get_if<T>(stored) : nullptr;
        if (!value) return 0;
        *out = *value;
        return 1;
    };
}

HostValue GetString(ProfileStore& store, HostValue a, HostValue b) {
    auto* buffer = reinterpret_cast<TextBuffer*>(b);
    if (!Key(a) || !buffer || !buffer->text || buffer->capacity <= 0) return 0;
    const ProfileStore::Value* stored = store.Find(Key(a));
    const std::wstring* text = stored ? std::get_if<std::wstring>(stored) : nullptr;
    if (!text) return 0;
    const size_t length = std::min(text->size(), static_cast<size_t>(buffer->capacity - 1));
    std::wmemcpy(buffer->text, text->data(), length);
    buffer->text[length] = L'\0';
    return 1;
}

}  // namespace

void AddProfileServices(Host& host, ProfileStore& store) {
    host.AddService(HostService::ProfileSetInt, Setter<int32_t>(store));
    host.AddService(HostService::ProfileSetDouble, Setter<double>(store));
    host.AddService(HostService::ProfileGetInt, Getter<int32_t>(store));
    host.AddService(HostService::ProfileGetDouble, Getter<double>(store));
    host.AddService(HostService::ProfileSetString, [&store](HostValue a, HostValue b) -> HostValue {
        const auto* text = reinterpret_cast<const wchar_t*>(b);
        if (!Key(a) || !text) return 0;
        store.Set(Key(a), std::wstring(text));
        return 1;
    });
    host.AddService(HostService::ProfileDelParam, [&store](HostValue a, HostValue) -> HostValue {
        if (!Key(a)) return 0;
        store.Remove(Key(a));
        return 1;
    });
    host.AddService(HostService::ProfileGetString,
                    [&store](HostValue a, HostValue b) { return GetString(store, a, b); });
}
