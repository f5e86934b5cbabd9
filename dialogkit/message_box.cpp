#include "dialogkit/message_box.h"

#include "dialogkit/resources.h"
#include "strings/format_text.h"
#include "strings/string_ids.h"
#include "text/utf8_text.h"

#include <exception>
#include <iterator>
#include <new>
#include <optional>
#include <string_view>
#include <utility>

namespace dialogkit {
namespace {

HWND TopLevel(HWND window) {
    return window && ::IsWindow(window) ? GetAncestor(window, GA_ROOT) : nullptr;
}

std::wstring WindowTitle(HWND window) {
    if (!window) return {};
    std::wstring title(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    title.resize(static_cast<size_t>(GetWindowTextW(window, title.data(), static_cast<int>(title.size()))));
    return title;
}

std::wstring FromAnsiCodePage(std::string_view text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

// Exception texts are ours and UTF-8; a text that is not UTF-8 (a library's, in the system's code page) is
// still shown, byte for byte.
std::wstring FromExceptionText(std::string_view text) {
    std::optional<std::wstring> wide = WideFromStrictUtf8(text);
    return wide ? std::move(*wide) : FromAnsiCodePage(text);
}

std::wstring DescribeCurrentException() {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return std::wstring(ResourceText(IDS_COMMAND_OUT_OF_MEMORY));
    } catch (const std::exception& e) {
        return FormatText(ResourceText(IDS_COMMAND_FAILED_WITH), {FromExceptionText(e.what())});
    } catch (...) {
        return std::wstring(ResourceText(IDS_COMMAND_FAILED_UNEXPECTEDLY));
    }
}

}  // namespace

int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) {
    HWND top = TopLevel(owner);
    std::wstring title = caption.empty() ? WindowTitle(top) : caption;
    return MessageBoxW(top, text.c_str(), title.empty() ? nullptr : title.c_str(), type);
}

void ReportException(HWND window) noexcept {
    try {
        ShowMessageBox(window, DescribeCurrentException(), {}, MB_OK | MB_ICONERROR);
    } catch (...) {
        // Not even the message could be built (memory): the boundary still must not be crossed. The text goes
        // onto the stack, which takes no memory that could run out.
        wchar_t text[128] = {};
        ResourceText(IDS_COMMAND_FAILED).copy(text, std::size(text) - 1);
        MessageBoxW(TopLevel(window), text, nullptr, MB_OK | MB_ICONERROR);
    }
}

}  // namespace dialogkit
