#pragma once
// The host's own named services.

#include <optional>
#include <string>

class Host;
class ProfileStore;
struct HostState;

// "System/GetLanguage" (when a language is given), "DB/GetConnectionUri" (when a database is given),
// "MainMenu/CreateNewMenu", "Main/OpenAssayIdDlgEx" and "Main/OpenAssayFile".
void AddSystemServices(Host& host, HostState& state, std::optional<uint16_t> language,
                       const std::optional<std::wstring>& database);

// The "Profile/..." services over the store.
void AddProfileServices(Host& host, ProfileStore& store);
