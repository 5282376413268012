// Resource and command IDs of the menu and toolbar tests.
#pragma once

#define IDR_TESTMENU 300
#define IDR_NOICONS 301
#define IDB_TOOL32 310

#define ID_FILE_NEW 1001
#define ID_FILE_OPEN 1002
#define ID_FILE_LOCKED 1003
#define ID_FILE_CHECKED 1004
#define ID_FILE_EXIT 1005
#define ID_RECENT_ONE 1011
#define ID_RECENT_TWO 1012
#define ID_EDIT_CUT 1021
#define ID_EDIT_COPY 1022
#define ID_HELP_ABOUT 1031
