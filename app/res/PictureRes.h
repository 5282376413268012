// Resource ids of the picture and window adjustment dialogs: parameters (141), sub-window (219),
// transparency (140) and quick edge masking (142). Control ids belong to their dialog; the same
// number may mean another control in another dialog.
#pragma once

// Parameter dialog "参数调整".
#define IDD_PARAM 141
#define IDC_PARAM_EDGE_ON 1040          // 边缘屏蔽开关: 打开
#define IDC_PARAM_EDGE_OFF 1042         // 边缘屏蔽开关: 关闭
#define IDC_PARAM_EDGE_RADIO_ON 32826   // hidden choice: 打开
#define IDC_PARAM_EDGE_RADIO_OFF 32827  // hidden choice: 关闭
#define IDC_PARAM_EDGE_SEND 1033        // hidden: 发送 the chosen state
#define IDC_PARAM_MENU_ON 32812         // 调试菜单开关: 显示
#define IDC_PARAM_MENU_OFF 32813        // 调试菜单开关: 关闭
#define IDC_PARAM_AUTO_POSITION 1010    // VGA自动定位
#define IDC_PARAM_BRIGHT_RED_UP 1012    // 亮平衡
#define IDC_PARAM_BRIGHT_RED_DOWN 1013
#define IDC_PARAM_BRIGHT_GREEN_UP 1014
#define IDC_PARAM_BRIGHT_GREEN_DOWN 1023
#define IDC_PARAM_BRIGHT_BLUE_UP 1024
#define IDC_PARAM_BRIGHT_BLUE_DOWN 1025
#define IDC_PARAM_DARK_RED_UP 1027      // 暗平衡
#define IDC_PARAM_DARK_RED_DOWN 1028
#define IDC_PARAM_DARK_GREEN_UP 1029
#define IDC_PARAM_DARK_GREEN_DOWN 1030
#define IDC_PARAM_DARK_BLUE_UP 1031
#define IDC_PARAM_DARK_BLUE_DOWN 1032
#define IDC_PARAM_BALANCE_RESET 1026    // 亮暗平衡复位
#define IDC_PARAM_BRIGHTNESS_UP 1034    // 色度调整
#define IDC_PARAM_BRIGHTNESS_DOWN 1035
#define IDC_PARAM_CONTRAST_UP 1036
#define IDC_PARAM_CONTRAST_DOWN 1037
#define IDC_PARAM_SATURATION_UP 1038
#define IDC_PARAM_SATURATION_DOWN 1039
#define IDC_PARAM_PICTURE_RESET 1041    // 复位
#define IDC_PARAM_BASEMAP_ON 1109       // hidden LOGO开关: 高清底图 显示
#define IDC_PARAM_BASEMAP_OFF 32814     //                  高清底图 关闭
#define IDC_PARAM_SPLASH_ON 32815       //                  欢迎界面 显示
#define IDC_PARAM_SPLASH_OFF 32816      //                  欢迎界面 关闭
#define IDC_PARAM_CLOSE 32663           // 关闭
#define IDC_PARAM_EDGE_GROUP 1300       // group boxes and labels the code hides or shows
#define IDC_PARAM_LOGO_GROUP 1301
#define IDC_PARAM_LOGO_BASEMAP 1302
#define IDC_PARAM_LOGO_SPLASH 1303

// Sub-window dialog "子窗口调整".
#define IDD_SUBWINDOW 219
#define IDC_SUB_UP 1068
#define IDC_SUB_LEFT 1070
#define IDC_SUB_RIGHT 1071
#define IDC_SUB_DOWN 1069
#define IDC_SUB_WIDTH_GROW 1066
#define IDC_SUB_WIDTH_SHRINK 1067
#define IDC_SUB_HEIGHT_GROW 1036
#define IDC_SUB_HEIGHT_SHRINK 1037
#define IDC_SUB_STEP 1004
#define IDC_SUB_STEP_SPIN 1097

// Transparency dialog "屏幕微调".
#define IDD_TRANSPARENCY 140
#define IDC_TRANSPARENCY_LEVEL 1018
#define IDC_TRANSPARENCY_SEND 1003

// Quick edge-mask dialog "快速边缘屏蔽设置".
#define IDD_EDGEMASK 142
#define IDC_EDGEMASK_HORIZONTAL 1007
#define IDC_EDGEMASK_VERTICAL 1009
