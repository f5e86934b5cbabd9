// The steps that drive the plug-in's dialog as the analyst would: fields, buttons, keys, the list, the
// window, the About box, the report and a picture of the dialog.

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <set>
#include <vector>

#include "hostsim/host_state.h"
#include "hostsim/main_window.h"
#include "hostsim/message_pump.h"
#include "hostsim/plugin_dialog.h"
#include "hostsim/screenshot.h"
#include "hostsim/script.h"
#include "hostsim/text_output.h"
#include "text/utf8_text.h"

namespace {

constexpr int kListId = 1001;
constexpr int kReportButton = 1023;
constexpr UINT kAboutCommand = 0x0010;
constexpr int kListColumns = 6;

HWND Dialog(StepContext& context) {
    return FindPluginDialog(context.window.Handle());
}

// "step" alone for an empty text, else "step text", escaped.
void WriteText(const std::wstring& step, const std::wstring& text) {
    WriteLine(text.empty() ? step : step + L" " + EscapeText(text));
}

void Set(StepContext& context, const std::wstring& arguments) {
    const auto [id, text] = SplitFirstWord(arguments);
    SetWindowTextW(DialogControl(Dialog(context), id), text.c_str());
    PumpPending(context.state);
}

void Click(StepContext& context, const std::wstring& arguments) {
    HWND dialog = Dialog(context);
    HWND button = DialogControl(dialog, arguments);
    ActivateDialog(dialog);
    SendMessageW(button, BM_CLICK, 0, 0);
    PumpPending(context.state);
}

void Key(StepContext& context, const std::wstring& arguments) {
    static const std::map<std::wstring, WORD> keys{{L"enter", VK_RETURN}, {L"escape", VK_ESCAPE}, {L"tab", VK_TAB}};
    const auto key = keys.find(arguments);
    if (key == keys.end()) throw StepError("unknown key " + Utf8FromWide(arguments));
    ActivateDialog(Dialog(context));
    HWND focus = GetFocus();
    if (!focus) throw StepError("no control has the focus");
    const auto scan = static_cast<LPARAM>(MapVirtualKeyW(key->second, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(focus, WM_KEYDOWN, key->second, 1 | scan);
    PostMessageW(focus, WM_KEYUP, key->second, 1 | scan | (LPARAM{3} << 30));
    PumpPending(context.state);
}

void Text(StepContext& context, const std::wstring& arguments) {
    WriteText(L"text " + arguments, WindowText(DialogControl(Dialog(context), arguments)));
}

HWND List(StepContext& context) {
    return DialogControl(Dialog(context), std::to_wstring(kListId));
}

std::wstring CellText(HWND list, int row, int column) {
    std::wstring text(64, L'\0');
    for (;;) {
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(text.size());
        const auto length = static_cast<size_t>(
            SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        if (length + 1 < text.size()) {
            text.resize(length);
            return text;
        }
        text.resize(text.size() * 2);
    }
}

void Rows(StepContext& context, const std::wstring&) {
    HWND list = List(context);
    const auto count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        std::wstring line = L"row " + std::to_wstring(row);
        for (int column = 0; column < kListColumns; ++column) line += L"\t" + EscapeText(CellText(list, row, column));
        const auto state =
            static_cast<UINT>(SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
        line += (state >> 12) == 2 ? L"\tchecked=1" : L"\tchecked=0";
        WriteLine(line);
    }
    WriteLine(L"rows " + std::to_wstring(count));
}

void SetRowState(HWND list, int row, UINT state, UINT mask) {
    LVITEMW item{};
    item.stateMask = mask;
    item.state = state;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void Select(StepContext& context, const std::wstring& arguments) {
    HWND list = List(context);
    const auto count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    std::set<int> rows;
    for (const std::wstring& word : Words(arguments)) {
        const int row = ParseInt(word);
        if (row < 0 || row >= count) throw StepError("no row " + Utf8FromWide(word));
        rows.insert(row);
    }
    SetRowState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    for (int row : rows) SetRowState(list, row, LVIS_SELECTED, LVIS_SELECTED);
    if (!rows.empty()) SetRowState(list, *rows.begin(), LVIS_FOCUSED, LVIS_FOCUSED);
    PumpPending(context.state);
}

void Check(StepContext& context, const std::wstring& arguments) {
    const std::vector<std::wstring> words = Words(arguments);
    if (words.size() != 2) throw StepError("check needs a row and 0 or 1");
    HWND list = List(context);
    const int row = ParseInt(words[0]);
    if (row < 0 || row >= static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)))
        throw StepError("no row " + Utf8FromWide(words[0]));
    SetRowState(list, row, INDEXTOSTATEIMAGEMASK(ParseInt(words[1]) ? 2 : 1), LVIS_STATEIMAGEMASK);
    PumpPending(context.state);
}

void Show(StepContext& context, int command) {
    ShowWindow(Dialog(context), command);
    PumpPending(context.state);
}

void Maximize(StepContext& context, const std::wstring&) {
    Show(context, SW_MAXIMIZE);
}
void Restore(StepContext& context, const std::wstring&) {
    Show(context, SW_RESTORE);
}

void Rect(StepContext& context, const std::wstring&) {
    RECT rect{};
    GetWindowRect(Dialog(context), &rect);
    WriteLine(L"rect " + std::to_wstring(rect.left) + L" " + std::to_wstring(rect.top) + L" " +
              std::to_wstring(rect.right) + L" " + std::to_wstring(rect.bottom));
}

void Visible(StepContext& context, const std::wstring&) {
    WriteLine(IsWindowVisible(Dialog(context)) ? L"visible 1" : L"visible 0");
}

// The About box's texts as the timer found them while the box's modal loop ran.
struct AboutReading {
    HWND dialog = nullptr;
    bool found = false;
    std::vector<std::wstring> texts;
};
AboutReading* g_about = nullptr;

// Reads the box's caption and static texts, then closes it with OK.
void CALLBACK ReadAboutBox(HWND, UINT, UINT_PTR, DWORD) {
    if (!g_about || g_about->found) return;
    HWND box = GetLastActivePopup(g_about->dialog);
    if (!box || box == g_about->dialog || !IsWindowVisible(box)) return;
    g_about->found = true;
    g_about->texts.push_back(WindowText(box));
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[16] = {};
        GetClassNameW(child, className, 16);
        const std::wstring text = WindowText(child);
        if (_wcsicmp(className, L"Static") == 0 && !text.empty()) g_about->texts.push_back(text);
    }
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

void About(StepContext& context, const std::wstring&) {
    AboutReading reading;
    reading.dialog = Dialog(context);
    g_about = &reading;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &ReadAboutBox);
    // The system menu's item: the box runs modally inside this call, where the timer reads and closes it.
    SendMessageW(reading.dialog, WM_SYSCOMMAND, kAboutCommand, 0);
    KillTimer(nullptr, timer);
    g_about = nullptr;
    PumpPending(context.state);
    if (!reading.found) throw StepError("no About box appeared");
    WriteLine(L"about");
    for (const std::wstring& text : reading.texts) WriteText(L"about-text", text);
}

std::wstring TemporaryFolder() {
    wchar_t folder[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    return length > 0 && length <= MAX_PATH ? std::wstring(folder, length) : std::wstring();
}

// The report files of the temporary folder, with their last write times.
std::map<std::wstring, ULONGLONG> ReportFiles(const std::wstring& folder) {
    std::map<std::wstring, ULONGLONG> files;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder + L"zvr*.tmp.html").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        files[folder + found.cFileName] =
            (ULONGLONG{found.ftLastWriteTime.dwHighDateTime} << 32) | found.ftLastWriteTime.dwLowDateTime;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return files;
}

void Report(StepContext& context, const std::wstring&) {
    const std::wstring folder = TemporaryFolder();
    const std::map<std::wstring, ULONGLONG> before = ReportFiles(folder);
    Click(context, std::to_wstring(kReportButton));
    std::wstring newest;
    ULONGLONG newestTime = 0;
    for (const auto& [path, time] : ReportFiles(folder)) {
        if (before.count(path) || (!newest.empty() && time < newestTime)) continue;
        newest = path;
        newestTime = time;
    }
    WriteLine(newest.empty() ? L"report none" : L"report " + EscapeText(newest));
}

void Screenshot(StepContext& context, const std::wstring& arguments) {
    if (arguments.empty()) throw StepError("screenshot needs a file name");
    HWND dialog = Dialog(context);
    ActivateDialog(dialog);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(200, context.state);
    SaveWindowScreenshot(dialog, arguments);
    WriteLine(L"screenshot " + EscapeText(arguments));
}

}  // namespace

void AddDialogSteps(StepTable& table) {
    table[L"set"] = &Set;
    table[L"click"] = &Click;
    table[L"key"] = &Key;
    table[L"text"] = &Text;
    table[L"rows"] = &Rows;
    table[L"select"] = &Select;
    table[L"check"] = &Check;
    table[L"maximize"] = &Maximize;
    table[L"restore"] = &Restore;
    table[L"rect"] = &Rect;
    table[L"visible"] = &Visible;
    table[L"about"] = &About;
    table[L"report"] = &Report;
    table[L"screenshot"] = &Screenshot;
}
