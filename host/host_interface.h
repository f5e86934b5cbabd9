#pragma once
// The binary interface between the chromatography workstation and its calculation plug-ins: the records
// and names both sides agree on. The module and the stand-in host include this one header, so that
// neither can drift from the other. Everything here is laid out for a 32-bit Windows process: 4-byte
// pointers, little-endian, C calling convention for every function pointer.

#include <windows.h>

#include <cstddef>
#include <cstdint>

extern "C" {

// A pointer-size value handed through the host: handles, service arguments and results.
typedef INT_PTR HostValue;

// Called by the host when an event the plug-in subscribed to fires.
typedef HostValue(__cdecl* HostEventCallback)(HostValue a, HostValue b);
// Called by the host for CallService of a name the plug-in registered; a and b are CallService's.
typedef HostValue(__cdecl* HostServiceHandler)(HostValue a, HostValue b);

// The host's record of functions, handed to the plug-in's Load. Names are zero-terminated 8-bit texts.
struct HostInterface {
    // Present in the record, unused by plug-ins.
    void* reserved[3];
    HostValue(__cdecl* SubscribeEvent)(const char* name, HostEventCallback callback);
    HostValue(__cdecl* UnsubscribeEvent)(HostValue handle);
    HostValue(__cdecl* RegisterService)(const char* name, HostServiceHandler handler);
    HostValue(__cdecl* UnregisterService)(HostValue handle);
    HostValue(__cdecl* CallService)(const char* name, HostValue a, HostValue b);
    // Non-zero when the service can be called.
    HostValue(__cdecl* ServiceExists)(const char* name);
};

// What GetPluginInfo returns: a constant record that lives as long as the plug-in is loaded.
struct PluginInfo {
    uint32_t size;
    const wchar_t* name;
    uint32_t version;
    const wchar_t* title;
    const wchar_t* vendor;
    const wchar_t* email;
    const wchar_t* legal;
    const wchar_t* url;
    GUID guid;
};

// Describes a menu entry to "MainMenu/CreateNewMenu"; valid only during that call.
struct MenuItemRecord {
    uint32_t size;
    // Menu levels separated by "/".
    const wchar_t* path;
    uint32_t reserved;
    // The service the entry invokes.
    const char* command;
};

// The assay picker's output: up to capacity ids.
struct IdBuffer {
    uint32_t* ids;
    int32_t capacity;
};

// A text the host writes, zero-terminated, into at most capacity units.
struct TextBuffer {
    wchar_t* text;
    int32_t capacity;
};

// The three exports a plug-in offers, by these undecorated names.
typedef const PluginInfo*(__cdecl* GetPluginInfoFunction)();
typedef int32_t(__cdecl* LoadFunction)(const HostInterface* host);
typedef int32_t(__cdecl* UnloadFunction)();

}  // extern "C"

#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(HostInterface) == 36, "nine pointer-size fields");
static_assert(offsetof(HostInterface, SubscribeEvent) == 12);
static_assert(offsetof(HostInterface, ServiceExists) == 32);
static_assert(sizeof(PluginInfo) == 48, "the host checks the size field against 48");
static_assert(offsetof(PluginInfo, name) == 4);
static_assert(offsetof(PluginInfo, version) == 8);
static_assert(offsetof(PluginInfo, title) == 12);
static_assert(offsetof(PluginInfo, vendor) == 16);
static_assert(offsetof(PluginInfo, email) == 20);
static_assert(offsetof(PluginInfo, legal) == 24);
static_assert(offsetof(PluginInfo, url) == 28);
static_assert(offsetof(PluginInfo, guid) == 32);
static_assert(sizeof(MenuItemRecord) == 16);
static_assert(offsetof(MenuItemRecord, path) == 4);
static_assert(offsetof(MenuItemRecord, reserved) == 8);
static_assert(offsetof(MenuItemRecord, command) == 12);
static_assert(sizeof(IdBuffer) == 8);
static_assert(sizeof(TextBuffer) == 8);
#endif

// Names of the host's events.
namespace HostEvent {
inline constexpr char ModulesLoaded[] = "System/ModulesLoaded";
}

// Names of the host's services.
namespace HostService {
inline constexpr char GetLanguage[] = "System/GetLanguage";
inline constexpr char CreateNewMenu[] = "MainMenu/CreateNewMenu";
inline constexpr char GetConnectionUri[] = "DB/GetConnectionUri";
inline constexpr char OpenAssayIdDlgEx[] = "Main/OpenAssayIdDlgEx";
inline constexpr char OpenAssayFile[] = "Main/OpenAssayFile";
inline constexpr char ProfileSetInt[] = "Profile/SetInt";
inline constexpr char ProfileSetDouble[] = "Profile/SetDouble";
inline constexpr char ProfileSetString[] = "Profile/SetString";
inline constexpr char ProfileDelParam[] = "Profile/DelParam";
inline constexpr char ProfileGetInt[] = "Profile/GetInt";
inline constexpr char ProfileGetDouble[] = "Profile/GetDouble";
inline constexpr char ProfileGetString[] = "Profile/GetString";
}  // namespace HostService

// Sizes of the buffers the plug-in hands to the host's picker and text getter.
inline constexpr int32_t kIdBufferCapacity = 256;
inline constexpr int32_t kTextBufferCapacity = 128;

// Posted by the plug-in, both parameters 0, to the host's window when its set of chromatograms changed.
inline constexpr UINT kSetChangedMessage = WM_USER + 11;
