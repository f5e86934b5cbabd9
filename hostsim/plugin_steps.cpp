// The steps that drive the plug-in through the host interface and report what the host recorded.

#include <cwchar>

#include "hostsim/host.h"
#include "hostsim/host_state.h"
#include "hostsim/main_window.h"
#include "hostsim/message_pump.h"
#include "hostsim/options.h"
#include "hostsim/plugin_module.h"
#include "hostsim/profile_store.h"
#include "hostsim/script.h"
#include "hostsim/text_output.h"
#include "text/utf8_text.h"

namespace {

std::wstring Text(const wchar_t* text) {
    return text ? EscapeText(text) : std::wstring();
}

std::wstring GuidText(const GUID& guid) {
    wchar_t text[40];
    swprintf(text, 40, L"{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", static_cast<unsigned long>(guid.Data1),
             guid.Data2, guid.Data3, guid.Data4[0], guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4],
             guid.Data4[5], guid.Data4[6], guid.Data4[7]);
    return text;
}

std::wstring Hex8(uint32_t value) {
    wchar_t text[16];
    swprintf(text, 16, L"0x%08lX", static_cast<unsigned long>(value));
    return text;
}

void Load(StepContext& context, const std::wstring&) {
    context.plugin.Open(context.options.plugin);
    WriteLine(L"load " + std::to_wstring(context.plugin.Load(context.host.Interface())));
}

void ModulesLoaded(StepContext& context, const std::wstring&) {
    context.host.FireEvent(HostEvent::ModulesLoaded);
}

void Start(StepContext& context, const std::wstring& arguments) {
    Load(context, arguments);
    ModulesLoaded(context, arguments);
}

void Info(StepContext& context, const std::wstring&) {
    const PluginInfo& info = context.plugin.Info();
    WriteLine(L"info size=" + std::to_wstring(info.size) + L" name=" + Text(info.name) + L" version=" +
              Hex8(info.version) + L" title=" + Text(info.title) + L" guid=" + GuidText(info.guid));
}

void MenuEntries(StepContext& context, const std::wstring&) {
    if (context.state.menuEntries.empty()) throw StepError("no menu entry was created");
    for (const MenuEntry& entry : context.state.menuEntries)
        WriteLine(L"menu-entry path=" + EscapeText(entry.path) + L" command=" + WideFromUtf8(entry.command));
}

void Menu(StepContext& context, const std::wstring&) {
    if (context.state.menuEntries.empty()) throw StepError("no menu entry was created");
    WriteLine(L"menu " + std::to_wstring(context.window.Invoke(0)));
}

std::vector<uint32_t> Ids(const std::vector<std::wstring>& words, size_t first) {
    std::vector<uint32_t> ids;
    for (size_t i = first; i < words.size(); ++i) ids.push_back(ParseAssayId(words[i]));
    return ids;
}

void Pick(StepContext& context, const std::wstring& arguments) {
    std::vector<uint32_t> ids = Ids(Words(arguments), 0);
    if (ids.empty()) throw StepError("pick needs at least one id");
    const auto count = static_cast<int32_t>(ids.size());
    context.state.pickAnswers.push_back({std::move(ids), count});
}

void PickCancel(StepContext& context, const std::wstring&) {
    context.state.pickAnswers.push_back({{}, 0});
}

void PickCount(StepContext& context, const std::wstring& arguments) {
    const std::vector<std::wstring> words = Words(arguments);
    if (words.empty()) throw StepError("pick-count needs a count");
    context.state.pickAnswers.push_back({Ids(words, 1), ParseInt(words[0])});
}

void Messages(StepContext& context, const std::wstring&) {
    const std::vector<std::wstring> messages = std::move(context.state.messages);
    context.state.messages.clear();
    for (const std::wstring& message : messages) WriteLine(L"message " + EscapeText(message));
    WriteLine(L"messages " + std::to_wstring(messages.size()));
}

void Notified(StepContext& context, const std::wstring&) {
    WriteLine(L"notified " + std::to_wstring(context.state.notified));
    context.state.notified = 0;
}

void Opened(StepContext& context, const std::wstring&) {
    const std::vector<std::wstring> opened = std::move(context.state.opened);
    context.state.opened.clear();
    for (const std::wstring& path : opened) WriteLine(L"opened " + EscapeText(path));
    WriteLine(L"opened " + std::to_wstring(opened.size()));
}

struct ValueText {
    std::wstring operator()(int32_t value) const { return std::to_wstring(value); }
    std::wstring operator()(double value) const { return FormatDouble(value); }
    std::wstring operator()(const std::wstring& value) const { return EscapeText(value); }
};

void Profile(StepContext& context, const std::wstring&) {
    for (const auto& [key, value] : context.profile.Values())
        WriteLine(L"profile " + EscapeText(key) + L"\t" + ProfileTypeName(value) + L"\t" +
                  std::visit(ValueText{}, value));
}

// The key may hold blanks ("...\\/Assay 1"): it runs up to the first blank-separated type name.
void ProfileSet(StepContext& context, const std::wstring& arguments) {
    std::wstring key;
    std::wstring rest = arguments;
    while (!rest.empty()) {
        auto [word, after] = SplitFirstWord(rest);
        if (!key.empty() && (word == L"int" || word == L"double" || word == L"string")) {
            if (word == L"int")
                context.profile.Set(key, ParseInt(after));
            else if (word == L"double")
                context.profile.Set(key, ParseDouble(after));
            else
                context.profile.Set(key, after);
            return;
        }
        key += key.empty() ? word : L" " + word;
        rest = after;
    }
    throw StepError("profile-set needs KEY int|double|string VALUE");
}

void Unload(StepContext& context, const std::wstring&) {
    WriteLine(L"unload " + std::to_wstring(context.plugin.Close()));
}

void Sleep(StepContext& context, const std::wstring& arguments) {
    const int32_t milliseconds = ParseInt(arguments);
    if (milliseconds < 0) throw StepError("sleep takes milliseconds");
    PumpFor(static_cast<DWORD>(milliseconds), context.state);
}

}  // namespace

void AddPluginSteps(StepTable& table) {
    table[L"load"] = &Load;
    table[L"modules-loaded"] = &ModulesLoaded;
    table[L"start"] = &Start;
    table[L"info"] = &Info;
    table[L"menu-entry"] = &MenuEntries;
    table[L"menu"] = &Menu;
    table[L"pick"] = &Pick;
    table[L"pick-cancel"] = &PickCancel;
    table[L"pick-count"] = &PickCount;
    table[L"messages"] = &Messages;
    table[L"notified"] = &Notified;
    table[L"opened"] = &Opened;
    table[L"profile"] = &Profile;
    table[L"profile-set"] = &ProfileSet;
    table[L"unload"] = &Unload;
    table[L"sleep"] = &Sleep;
}
