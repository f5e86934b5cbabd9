#include "dialogkit/resources.h"

#include "strings/texts.h"

// The linker's symbol for the start of the image this code lives in.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

HINSTANCE resourceHandle = nullptr;

// The resource's own read-only text, which is not terminated; empty when the resource module has none.
std::wstring_view StringResource(UINT id) {
    // A zero buffer size makes LoadStringW hand out a pointer into the resource itself: no length limit.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(AfxGetResourceHandle(), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text) return {};
    return std::wstring_view(text, static_cast<size_t>(length));
}

}  // namespace

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
    return std::wstring(StringResource(id));
}

std::wstring_view dialogkit::ResourceText(UINT id) {
    const std::wstring_view text = StringResource(id);
    return text.empty() ? BuiltInText(id) : text;
}
