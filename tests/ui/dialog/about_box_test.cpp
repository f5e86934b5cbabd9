// The About box, opened from the main dialog's system menu.
#include "tests/ui/dialog/main_dialog_harness.h"

#include "res/dialog_ids.h"

#include <map>

namespace {

TEST_F(MainDialogTest, SystemMenuItemOpensTheModalAboutBox) {
    std::wstring caption;
    std::map<int, std::wstring> texts;
    SIZE picture{};
    HWND owner = nullptr;
    bool ownerDisabled = false;
    bool hasIcon = false;
    onOtherModal = [&](HWND box) {
        caption = WindowText(box);
        for (int id : {IDC_ABOUT_NAME, IDC_ABOUT_VERSION, IDC_ABOUT_LEGAL, IDC_ABOUT_DESCRIPTION})
            texts[id] = WindowText(GetDlgItem(box, id));
        picture = IconSize(reinterpret_cast<HICON>(SendDlgItemMessageW(box, IDC_ABOUT_ICON, STM_GETICON, 0, 0)));
        owner = GetWindow(box, GW_OWNER);
        ownerDisabled = !IsWindowEnabled(dialog.m_hWnd);
        hasIcon = SendMessageW(box, WM_GETICON, ICON_BIG, 0) != 0;
        SendMessageW(box, WM_COMMAND, IDOK, 0);
    };
    SendMessageW(dialog.m_hWnd, WM_SYSCOMMAND, 16, 0);

    EXPECT_EQ(caption, L"О плагине");
    EXPECT_EQ(texts[IDC_ABOUT_NAME], L"Нарвелин");
    EXPECT_EQ(texts[IDC_ABOUT_VERSION], L"Версия 1.0.0.0");
    EXPECT_EQ(texts[IDC_ABOUT_LEGAL], L"Copyright (C) 2026 talvex7 developers");
    EXPECT_EQ(texts[IDC_ABOUT_DESCRIPTION],
              L"Расчёт-462 ЗЮЛК-04-04 Нарвелин Опеределение содержания воды в трасформаторном масле");
    EXPECT_EQ(picture.cx, 80);
    EXPECT_EQ(picture.cy, 80);
    EXPECT_EQ(owner, dialog.m_hWnd);
    EXPECT_TRUE(ownerDisabled) << "the About box is modal";
    EXPECT_TRUE(hasIcon);
    EXPECT_TRUE(IsWindowEnabled(dialog.m_hWnd));
    EXPECT_TRUE(dialog.IsWindowVisible());
}

TEST_F(MainDialogTest, TheSystemMenuCommandIsMatchedWithoutItsLowBits) {
    int opened = 0;
    onOtherModal = [&](HWND box) {
        ++opened;
        SendMessageW(box, WM_COMMAND, IDOK, 0);
    };
    SendMessageW(dialog.m_hWnd, WM_SYSCOMMAND, 16 | 0x3, 0);
    EXPECT_EQ(opened, 1);
}

}  // namespace
