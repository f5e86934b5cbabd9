#include "dialogkit/resources.h"

// The linker's symbol for the start of the image this code lives in.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {
HINSTANCE resourceHandle = nullptr;
}

HINSTANCE AfxGetInstanceHandle() {
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

HINSTANCE AfxGetResourceHandle() {
    return resourceHandle ? resourceHandle : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE module) {
    resourceHandle = module;
}

std::wstring AfxLoadString(UINT id) {
    // A zero buffer size makes LoadStringW hand out a pointer into the resource itself: no length limit.
    const wchar_t* text = nullptr;
    int length = LoadStringW(AfxGetResourceHandle(), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text) return {};
    return std::wstring(text, static_cast<size_t>(length));
}
