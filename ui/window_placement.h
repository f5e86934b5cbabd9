#pragma once
// Where the main dialog opens: the rectangle stored at the last close when it is usable, otherwise the
// template's size centred on the host's window.

#include <windows.h>

// stored: the rectangle read from the profile (all zero when none was stored). templateSize: the window's
// size as its template made it. host: the host window's rectangle. storedOnMonitor: whether any monitor
// shows part of the stored rectangle. A stored rectangle narrower or lower than the template is unusable:
// it would open the window crushed (the first start reads all zero).
RECT PlaceMainWindow(const RECT& stored, SIZE templateSize, const RECT& host, bool storedOnMonitor);
