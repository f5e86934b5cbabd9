// The dialogs' texts in the English language module.
#pragma once

#define DIALOG_LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US
#define DLG_MAIN_CAPTION "Calculation-462 ZYuLK-04-04 Narvelin"
#define DLG_CLOSE "Close"
#define DLG_SOLVENT_MASS "Solvent mass"
#define DLG_PORTION_MASS "Portion mass"
#define DLG_SAMPLE_MASS "Sample mass"
#define DLG_WATER "Water molar fraction"
#define DLG_ERRORS "Error list"
#define DLG_RECALCULATE "Recalculate"
#define DLG_ABOUT_CAPTION "About the plug-in"
#define DLG_ABOUT_NAME "Narvelin"
#define DLG_ABOUT_VERSION "Version 1.0.0.0"
#define DLG_ABOUT_DESCRIPTION \
    "Calculation-462 ZYuLK-04-04 Narvelin Determination of the water content of transformer oil"
#define DLG_ABOUT_LEGAL "Copyright (C) 2026 talvex7 developers"
