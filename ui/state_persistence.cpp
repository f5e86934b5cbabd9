// The main dialog's state in the host's profile.

#include "ui/dlg_main.h"

void DlgMain::SaveState() {
    UpdateData(true);
    UpdateData(false);
}

void DlgMain::RestoreState() {
    UpdateData(false);
}
