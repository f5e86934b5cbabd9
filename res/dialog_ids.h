// Ids of the module's dialogs, their controls and the dialog icons, shared by the code and the resource
// scripts of every language module. Included by windres as well as by C++: plain #defines only.
#pragma once

// Dialog templates.
#define IDD_MAIN 101
#define IDD_ABOUT 104

// Icons: the list-command buttons' images and the module's icon (dialogs and About box).
#define IDI_REPORT 105
#define IDI_ADD 106
#define IDI_REMOVE 107
#define IDI_REMOVE_ALL 108
#define IDI_OPEN 109
#define IDI_MODULE 111

// Controls of the main dialog.
#define IDC_LIST 1001
#define IDC_M1 1002
#define IDC_M2 1003
#define IDC_M3 1004
#define IDC_M4 1005
#define IDC_PORTION_MASS 1006
#define IDC_SAMPLE_MASS 1007
#define IDC_WATER 1008
#define IDC_ERRORS 1009
#define IDC_RECALCULATE 1010
#define IDC_ADD 1016
#define IDC_REMOVE 1017
#define IDC_REMOVE_ALL 1018
#define IDC_OPEN 1020
#define IDC_REPORT 1023

// Controls of the About box.
#define IDC_ABOUT_ICON 1001
#define IDC_ABOUT_DESCRIPTION 1002
#define IDC_ABOUT_LEGAL 1003
#define IDC_ABOUT_VERSION 1006
#define IDC_ABOUT_NAME 1007
