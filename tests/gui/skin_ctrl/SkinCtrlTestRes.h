// Resource ids of the skin control tests.
#pragma once

#define IDD_BUTTONS 100
#define IDD_DEFBUTTON 101
#define IDD_NOSYSMENU 102
#define IDD_CBST 103
#define IDD_PAGE1 104
#define IDD_PAGE2 105
#define IDD_SMALL 106
#define IDD_SHEET 107

#define IDC_PUSH 1001
#define IDC_CHECK 1002
#define IDC_3STATE 1003
#define IDC_RADIO1 1004
#define IDC_RADIO2 1005
#define IDC_RADIO3 1006
#define IDC_RADIO_OTHER 1007
#define IDC_GROUP 1008
#define IDC_EDIT 1009
#define IDC_COMBO 1010
#define IDC_LIST 1011
#define IDC_LOGIN 1012
#define IDC_LABEL 1013
#define IDC_COMBO_EDIT 1014

// The property sheet's tag and book controls (the library's default ids).
#define IDC_SHEET_TAG 0x7F10
#define IDC_SHEET_BOOK 0x7F11

// A string resource whose id is also a control id.
#define IDS_LABEL IDC_LABEL
