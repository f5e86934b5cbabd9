#include "dialogkit/tool_tip_ctrl.h"

#include "dialogkit/resources.h"

namespace {

// The record size every comctl32 from version 5 on accepts (the full record is refused by version 5).
TTTOOLINFOW ToolFor(HWND control) {
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = ::GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    return tool;
}

// Tooltip texts longer than this are cut when read back; ours are short labels.
constexpr size_t kMaxReadText = 1024;

}  // namespace

bool CToolTipCtrl::Create(HWND parent, DWORD style) {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    // A tooltip places and sizes itself.
    return CreateEx(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | style, RECT{}, parent, 0);
}

bool CToolTipCtrl::AddTool(HWND control, const std::wstring& text) {
    if (!control) return false;
    TTTOOLINFOW tool = ToolFor(control);
    // The control copies the text.
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    return SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
}

bool CToolTipCtrl::AddTool(HWND control, UINT textId) {
    return AddTool(control, AfxLoadString(textId));
}

std::wstring CToolTipCtrl::GetText(HWND control) const {
    std::wstring text(kMaxReadText, L'\0');
    TTTOOLINFOW tool = ToolFor(control);
    tool.lpszText = text.data();
    SendMessage(TTM_GETTEXTW, kMaxReadText, reinterpret_cast<LPARAM>(&tool));
    text.resize(wcsnlen(text.c_str(), kMaxReadText));
    return text;
}
