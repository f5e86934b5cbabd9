#pragma once
// "Main/OpenAssayIdDlgEx" as the analyst answers it: the picker over the host database's [assay] rows.

#include <windows.h>

#include <optional>
#include <string>

#include "host/host_interface.h"

// Reads the rows of the database, shows the picker owned by owner and writes the chosen ids into the
// buffer; answers how many it wrote. A database that cannot be read (or none given) is told in a message
// box and answers 0, as Cancel does.
HostValue PickAssays(HWND owner, const std::optional<std::wstring>& database, const IdBuffer* buffer);
