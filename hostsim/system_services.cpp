#include "hostsim/host.h"
#include "hostsim/host_state.h"
#include "hostsim/picker_answer.h"
#include "hostsim/services.h"

namespace {

template <class T>
T* Pointer(HostValue value) {
    return reinterpret_cast<T*>(value);
}

// Writes the queued ids (never beyond the buffer) and answers the queued count; with nothing queued the
// analyst's picker answers, or 0 where there is none.
HostValue AnswerPicker(HostState& state, const IdBuffer* buffer, HWND owner) {
    if (state.pickAnswers.empty()) return state.showPicker ? state.showPicker(owner, buffer) : 0;
    const PickAnswer answer = state.pickAnswers.front();
    state.pickAnswers.pop_front();
    WriteIds(buffer, answer.ids);
    return answer.count;
}

}  // namespace

void AddSystemServices(Host& host, HostState& state, std::optional<uint16_t> language,
                       const std::optional<std::wstring>& database) {
    if (language)
        host.AddService(HostService::GetLanguage, [value = *language](HostValue, HostValue) { return value; });
    if (database) {
        // The text stays with the host for the whole run, as the plug-in expects of a host-owned text.
        host.AddService(HostService::GetConnectionUri,
                        [text = *database](HostValue, HostValue) { return reinterpret_cast<HostValue>(text.c_str()); });
    }
    host.AddService(HostService::CreateNewMenu, [&state](HostValue, HostValue b) -> HostValue {
        const auto* item = Pointer<const MenuItemRecord>(b);
        if (!item || item->size < sizeof(MenuItemRecord) || !item->path || !item->command) return 0;
        state.menuEntries.push_back({item->path, item->command});
        if (state.onMenuEntry) state.onMenuEntry(state.menuEntries.back());
        return 1;
    });
    host.AddService(HostService::OpenAssayIdDlgEx, [&state](HostValue a, HostValue b) {
        // b is the plug-in's dialog, the picker's owner; anything that is no window gives an unowned picker.
        HWND owner = reinterpret_cast<HWND>(b);
        return AnswerPicker(state, Pointer<const IdBuffer>(a), IsWindow(owner) ? owner : nullptr);
    });
    host.AddService(HostService::OpenAssayFile, [&state](HostValue, HostValue b) -> HostValue {
        const auto* path = Pointer<const wchar_t>(b);
        if (!path) return 0;
        state.opened.emplace_back(path);
        return 1;
    });
}
