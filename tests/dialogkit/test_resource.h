#pragma once
// Ids of the test dialog: a list, three numbers, a read-only number, a text, and two buttons.
#define IDD_TEST 100
#define IDC_LIST 1001
#define IDC_NUMBER1 1002
#define IDC_NUMBER2 1003
#define IDC_NUMBER3 1004
#define IDC_WATER 1008
#define IDC_ERRORS 1009
#define IDC_THROW 1010
#define IDS_TOOLTIP 104
