// Resource ids of the application shell: the frame's menu, accelerators and icon, the
// application's strings, the login and communication settings dialogs, the progress window's
// template and the bitmaps of the ribbon, logo, banner and slide control.
#pragma once

// Frame resources: menu, accelerators and icon share the id.
#define IDR_MAINFRAME 128

// Strings.
#define IDS_APP_TITLE 57344          // the application name, caption of every message box
#define IDS_INDICATOR_EXT 59136      // status pane 1's indicator

// Menu commands (their prompt strings are the ribbon buttons' texts).
#define ID_SCENE_NEW 1004
#define ID_SCENE_SAVE 1006
#define ID_SCENE_LOAD 1002
#define ID_APP_EXIT 57665
#define ID_POWER_ON 1003
#define ID_POWER_OFF 1092
#define ID_SYSTEM_SETTINGS 1098
#define ID_COMM_SETTINGS 1012
#define ID_FACTORY_SETTINGS 32816
#define ID_MATRIX_SWITCH 32817
#define ID_APP_ABOUT 57664

// Login dialog.
#define IDD_LOGIN 170
#define IDB_LOGIN_BANNER 171
#define IDC_LOGIN_BUTTON 1003
#define IDC_LOGIN_PASSWORD 1004
#define IDC_LOGIN_USER 1007
#define IDC_LOGIN_BANNER 1005
#define IDC_LOGIN_GROUP 1006

// Communication settings dialog.
#define IDD_COMM_SETTINGS 139
#define IDC_COMM_PORT 1010
#define IDC_COMM_TIMEOUT 1042
#define IDC_COMM_BAUD 1043
#define IDC_COMM_HINT 1044

// Progress window (the command layer's CBusyDialog): animation control and title line.
#define IDD_BUSY_SHELL 218
#define IDB_BUSY_STRIP 150
#define IDC_BUSY_ANIMATION 1000
#define IDC_BUSY_TITLE 1001

// Ribbon tab images (32 x 32 each, magenta transparent), the control view's logo.
#define IDB_RIBBON_SCENE 156
#define IDB_RIBBON_CONTROL 158
#define IDB_RIBBON_ABOUT 159
#define IDB_LOGO 165

// Control view (template 132, caption "控制视图"), in the frame's left bar.
#define IDD_CONTROL_VIEW 132
#define IDC_CV_FUNCTIONS 1096   // "功能选择："
#define IDC_CV_NEW_SCENE 32875  // the split menu
#define IDC_CV_ADD_WINDOW 32879
#define IDC_CV_DELETE_WINDOW 1010
#define IDC_CV_POWER_ON 32877
#define IDC_CV_POWER_OFF 1009
#define IDC_CV_ONLINE 1015
#define IDC_CV_OFFLINE 1016
#define IDC_CV_SYSTEM_SETTINGS 1008
#define IDC_CV_LOAD_SCENE 32876
#define IDC_CV_SAVE_SCENE 1007
#define IDC_CV_EXIT 32878

// Slide control: background first, then the overlay.
#define IDB_SLIDE_BACK 174
#define IDB_SLIDE_FRAME 175
