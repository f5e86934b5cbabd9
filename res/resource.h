// Resource ids shared by the module's code and its resource scripts (the module's own and the language
// modules'). Included by windres as well as by C++: plain #defines only.
#pragma once

// Strings.
#define IDS_MENU_PATH 103
#define IDS_TIP_ADD 104
#define IDS_TIP_REMOVE 105
#define IDS_TIP_REMOVE_ALL 106
#define IDS_TIP_OPEN 107
#define IDS_TIP_REPORT 108
