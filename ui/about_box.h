#pragma once
// AboutBox: the module's About box (template 104), opened modally from the main dialog's system menu.

#include "dialogkit/dialog.h"
#include "owner/handles.h"

class AboutBox : public CDialogEx {
public:
    explicit AboutBox(HWND parent) noexcept;

protected:
    BOOL OnInitDialog() override;

private:
    // The large picture of the module's icon; the static control only shows it, so the box owns it.
    UniqueIcon picture_;
};
