#include <algorithm>

#include "hostsim/host.h"
#include "hostsim/host_state.h"
#include "hostsim/services.h"

namespace {

template <class T>
T* Pointer(HostValue value) {
    return reinterpret_cast<T*>(value);
}

// Writes the queued ids (never beyond the buffer) and answers the queued count; 0 with nothing queued.
HostValue AnswerPicker(HostState& state, IdBuffer* buffer) {
    if (state.pickAnswers.empty()) return 0;
    const PickAnswer answer = state.pickAnswers.front();
    state.pickAnswers.pop_front();
    if (buffer && buffer->ids) {
        const size_t room = static_cast<size_t>(std::max<int32_t>(buffer->capacity, 0));
        std::copy_n(answer.ids.begin(), std::min(room, answer.ids.size()), buffer->ids);
    }
    return answer.count;
}

}  // namespace

void AddSystemServices(Host& host, HostState& state, std::optional<uint16_t> language,
                       const std::optional<std::wstring>& database) {
    if (language) host.AddService(HostService::GetLanguage, [value = *language](HostValue, HostValue) { return value; });
    if (database) {
        // The text stays with the host for the whole run, as the plug-in expects of a host-owned text.
        host.AddService(HostService::GetConnectionUri, [text = *database](HostValue, HostValue) {
            return reinterpret_cast<HostValue>(text.c_str());
        });
    }
    host.AddService(HostService::CreateNewMenu, [&state](HostValue, HostValue b) -> HostValue {
        const auto* item = Pointer<const MenuItemRecord>(b);
        if (!item || item->size < sizeof(MenuItemRecord) || !item->path || !item->command) return 0;
        state.menuEntries.push_back({item->path, item->command});
        if (state.onMenuEntry) state.onMenuEntry(state.menuEntries.back());
        return 1;
    });
    host.AddService(HostService::OpenAssayIdDlgEx, [&state](HostValue a, HostValue) {
        return AnswerPicker(state, Pointer<IdBuffer>(a));
    });
    host.AddService(HostService::OpenAssayFile, [&state](HostValue, HostValue b) -> HostValue {
        const auto* path = Pointer<const wchar_t>(b);
        if (!path) return 0;
        state.opened.emplace_back(path);
        return 1;
    });
}
