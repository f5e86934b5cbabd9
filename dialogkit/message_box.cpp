#include "dialogkit/message_box.h"

#include "text/utf8_text.h"

#include <exception>
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
        return L"Недостаточно памяти для выполнения команды.";
    } catch (const std::exception& e) {
        return L"Команда прервана ошибкой: " + FromExceptionText(e.what());
    } catch (...) {
        return L"Команда прервана непредвиденной ошибкой.";
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
        // Not even the message could be built (memory): the boundary still must not be crossed.
        MessageBoxW(TopLevel(window), L"Команда прервана ошибкой.", nullptr, MB_OK | MB_ICONERROR);
    }
}

}  // namespace dialogkit
