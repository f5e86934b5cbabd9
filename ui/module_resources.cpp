#include "ui/module_resources.h"

#include "dialogkit/resources.h"
#include "res/dialog_ids.h"

const dialogkit::ActivationContext& ModuleActivationContext() {
    static const dialogkit::ActivationContext context(AfxGetInstanceHandle());
    return context;
}

HICON ModuleIcon() {
    static const HICON icon = LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDI_MODULE));
    return icon;
}

HICON ButtonIcon(UINT iconId) {
    constexpr int kButtonImageSize = 16;
    return static_cast<HICON>(LoadImageW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(iconId), IMAGE_ICON, kButtonImageSize,
                                         kButtonImageSize, LR_SHARED));
}
