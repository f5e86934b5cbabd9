#include "plugin/module.h"

#include "db/database_connection.h"
#include "dialogkit/message_box.h"
#include "dialogkit/resources.h"
#include "host/host_link.h"
#include "host/language_module.h"
#include "host/profile.h"
#include "plugin/module_state.h"
#include "res/dialog_ids.h"
#include "strings/string_ids.h"
#include "ui/module_resources.h"

namespace Module {
namespace {

// Publishes the menu command, asks for the menu entry and takes the database path.
void RegisterWithHost() {
    ModuleState& state = State();
    state.menuCommandHandle = HostLink::RegisterService(kMenuCommandService, &OnMenuCommand);

    const std::wstring menuPath = AfxLoadString(IDS_MENU_PATH);
    const MenuItemRecord item{sizeof(MenuItemRecord), menuPath.c_str(), 0, kMenuCommandService};
    HostLink::CallService(HostService::CreateNewMenu, nullptr, &item);

    if (HostLink::ServiceExists(HostService::GetConnectionUri)) {
        const auto uri =
            reinterpret_cast<const wchar_t*>(HostLink::CallService(HostService::GetConnectionUri, nullptr, nullptr));
        DataBaseConnection::Instance().SetConnectionUri(uri);
    }
}

// Shows the module's dialog; the first time, creates it owned by the host window parent. A dialog whose
// window went with the host's window is made anew rather than shown as nothing.
void OpenMainDialog(HWND parent) {
    ModuleState& state = State();
    if (state.mainDialog && state.mainDialog->IsWindow()) {
        state.mainDialog->ShowWindow(SW_SHOWNORMAL);
        return;
    }
    Profile::SetRoot(kProfileRoot);
    state.mainDialog = std::make_unique<DlgMain>();
    {
        // The list and the buttons are the version 6 common controls whatever the host loaded.
        dialogkit::ActivationScope scope(ModuleActivationContext());
        if (!state.mainDialog->Create(IDD_MAIN, parent)) {
            state.mainDialog.reset();
            // The analyst chose the command: a window that did not appear is told, not left to guesswork.
            dialogkit::ShowMessageBox(parent, std::wstring(dialogkit::ResourceText(IDS_DIALOG_NOT_OPENED)), {},
                                      MB_OK | MB_ICONERROR);
            return;
        }
    }
    state.mainDialog->ShowWindow(SW_SHOWNORMAL);
}

}  // namespace

void Load(const HostInterface* host) {
    HostLink::Attach(host);
    ModuleState& state = State();
    state.languageModule.reset();
    AfxSetResourceHandle(nullptr);
    state.modulesLoadedHandle = HostLink::SubscribeEvent(HostEvent::ModulesLoaded, &OnModulesLoaded);

    if (!HostLink::ServiceExists(HostService::GetLanguage)) return;
    const auto language =
        static_cast<LANGID>(HostLink::CallService(HostService::GetLanguage, nullptr, nullptr) & 0xFFFF);
    state.languageModule = LoadLanguageModule(AfxGetInstanceHandle(), language);
    if (state.languageModule) AfxSetResourceHandle(state.languageModule.get());
}

void Unload() {
    ModuleState& state = State();
    HostLink::UnsubscribeEvent(state.modulesLoadedHandle);
    HostLink::UnregisterService(state.menuCommandHandle);
    // Nothing may load from the language module once it is gone.
    AfxSetResourceHandle(nullptr);
    state.languageModule.reset();
}

HostValue __cdecl OnModulesLoaded(HostValue, HostValue) {
    try {
        RegisterWithHost();
    } catch (...) {
    }
    return 0;
}

HostValue __cdecl OnMenuCommand(HostValue parent, HostValue) {
    try {
        OpenMainDialog(reinterpret_cast<HWND>(parent));
    } catch (...) {
        // No dialog to own the message (making it is what failed): the host's window owns it.
        dialogkit::ReportException(reinterpret_cast<HWND>(parent));
    }
    return 0;
}

}  // namespace Module
