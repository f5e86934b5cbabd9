// The labels of the module's dialogs fit their controls in every language: each template is created from the
// built module and each label measured with the font its control shows it in.
#include "res/dialog_ids.h"
#include "tests/res/built_module.h"

#include <commctrl.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

INT_PTR CALLBACK QuietDialog(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring ClassName(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

// The room a label has inside its control: a button's frame and a group box's indent take their share.
RECT Room(HWND control, LONG style, const TEXTMETRICW& font) {
    RECT room{};
    GetClientRect(control, &room);
    const std::wstring kind = ClassName(control);
    if (_wcsicmp(kind.c_str(), L"Button") != 0) return room;
    if ((style & BS_TYPEMASK) == BS_GROUPBOX) {
        InflateRect(&room, -font.tmAveCharWidth, 0);
        room.bottom = room.top + font.tmHeight;
    } else {
        InflateRect(&room, -2 * GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
    }
    return room;
}

// The labels of a dialog that do not fit, one line each with the control's place in the template; a label wraps
// where its control wraps text.
std::string LabelsThatDoNotFit(HWND dialog) {
    std::string faults;
    int position = 0;
    const HDC dc = GetDC(dialog);
    for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT), ++position) {
        const LONG style = GetWindowLongW(control, GWL_STYLE);
        const std::wstring kind = ClassName(control);
        const bool label = _wcsicmp(kind.c_str(), L"Static") == 0 && (style & SS_TYPEMASK) <= SS_RIGHT;
        const bool button = _wcsicmp(kind.c_str(), L"Button") == 0 && !(style & (BS_BITMAP | BS_ICON));
        const std::wstring text = WindowText(control);
        if ((!label && !button) || text.empty()) continue;
        const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
        TEXTMETRICW font{};
        GetTextMetricsW(dc, &font);
        const RECT room = Room(control, style, font);
        RECT line{};
        DrawTextW(dc, text.c_str(), -1, &line, DT_CALCRECT | DT_SINGLELINE);
        RECT wrapped{0, 0, room.right - room.left, 0};
        DrawTextW(dc, text.c_str(), -1, &wrapped, DT_CALCRECT | (label ? DT_WORDBREAK : DT_SINGLELINE));
        SelectObject(dc, previous);
        if (wrapped.right > room.right - room.left || wrapped.bottom > room.bottom - room.top) {
            faults += "control " + std::to_string(position) + ": one line " + std::to_string(line.right) +
                      " wide, wrapped " + std::to_string(wrapped.right) + " x " + std::to_string(wrapped.bottom) +
                      ", room " + std::to_string(room.right - room.left) + " x " +
                      std::to_string(room.bottom - room.top) + "\n";
        }
    }
    ReleaseDC(dialog, dc);
    return faults;
}

TEST(DialogLabels, FitTheirControlsInEveryLanguage) {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    for (const wchar_t* file : {L"talvex7.dll", L"talvex7ENU.dll"}) {
        const BuiltModule module(file);
        ASSERT_TRUE(module.get()) << module.name();
        for (const int id : {IDD_MAIN, IDD_ABOUT}) {
            const HWND dialog = CreateDialogParamW(module.get(), MAKEINTRESOURCEW(id), nullptr, &QuietDialog, 0);
            ASSERT_TRUE(dialog) << module.name() << " " << id;
            EXPECT_EQ(LabelsThatDoNotFit(dialog), "") << module.name() << " template " << id;
            DestroyWindow(dialog);
        }
    }
}

}  // namespace
