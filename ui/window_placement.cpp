#include "ui/window_placement.h"

RECT PlaceMainWindow(const RECT& stored, SIZE templateSize, const RECT& host, bool storedOnMonitor) {
    const LONG width = stored.right - stored.left;
    const LONG height = stored.bottom - stored.top;
    if (storedOnMonitor && width >= templateSize.cx && height >= templateSize.cy) return stored;
    const LONG left = host.left + ((host.right - host.left) - templateSize.cx) / 2;
    const LONG top = host.top + ((host.bottom - host.top) - templateSize.cy) / 2;
    return RECT{left, top, left + templateSize.cx, top + templateSize.cy};
}
