#include "tests/ui/dialog/main_dialog_harness.h"

#include "res/dialog_ids.h"

#include <memory>

namespace {

constexpr wchar_t kHostClass[] = L"talvex.TestHost";

void RegisterClassOnce(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = name;
    RegisterClassW(&windowClass);
}

constexpr int kMassIds[] = {IDC_M1, IDC_M2, IDC_M3, IDC_M4, IDC_PORTION_MASS, IDC_SAMPLE_MASS};

}  // namespace

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

SIZE IconSize(HICON icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return SIZE{};
    BITMAP bitmap{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    // A monochrome icon stacks its mask and its image in one bitmap.
    const SIZE size{bitmap.bmWidth, info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2};
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return size;
}

void MainDialogTest::SetUp() {
    RegisterClassOnce(kHostClass, &DefWindowProcW);
    host.reset(CreateWindowExW(0, kHostClass, L"host", WS_OVERLAPPEDWINDOW, 0, 0, 1200, 800, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr));
    ASSERT_TRUE(host);
    ASSERT_TRUE(dialog.Create(IDD_MAIN, host.get()));
    dialog.ShowWindow(SW_SHOWNORMAL);
    const HWND self = dialog.m_hWnd;
    boxWatcher_ = std::make_unique<ModalWatcher>([self](HWND window) { return window == self; },
                                                 [this](HWND window) {
                                                     // A message box shows its text in control 0xFFFF.
                                                     if (HWND text = GetDlgItem(window, 0xFFFF)) {
                                                         boxes.push_back(WindowText(text));
                                                         SendMessageW(window, WM_COMMAND, IDOK, 0);
                                                     } else if (onOtherModal) {
                                                         onOtherModal(window);
                                                     } else {
                                                         SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
                                                     }
                                                 });
    if (pumpAfterCreate) PumpMessages();
}

void MainDialogTest::TearDown() {
    boxWatcher_.reset();
    // The window goes before the object, with every part of it alive.
    dialog.DestroyWindow();
    PumpMessages();
}

void MainDialogTest::Click(int id) {
    SendMessageW(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Control(id)));
    PumpMessages();
}

void MainDialogTest::SetMasses(const std::vector<std::wstring>& texts) {
    for (size_t i = 0; i < texts.size() && i < std::size(kMassIds); ++i) SetText(kMassIds[i], texts[i]);
}

RECT MainDialogTest::ControlRect(HWND control) const {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog.m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
