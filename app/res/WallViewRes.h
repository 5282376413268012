// Resource ids of the wall page: the page template holding the wall view control, the
// preset-scene panel with its twenty buttons, the rename dialog, and menu 130 with the wall
// view's popup "POP", the preset buttons' popup "btnpop" and the split popup "mpd". The command
// ids are also the ids the wall view control and the preset panel handle, so portable code
// includes this header too.
#pragma once

// Templates and menus.
#define IDD_WALL_PAGE 130
#define IDD_PRESET_PANEL 131
#define IDD_PRESET_RENAME 175
#define IDR_WALL_MENU 130

// Sub-menus of menu 130, by position.
#define WALL_MENU_POP 0
#define WALL_MENU_BTNPOP 1
#define WALL_MENU_MPD 2

// Sub-menus of "POP", by position.
#define POP_MENU_VGA 2
#define POP_MENU_CVBS 3
#define POP_MENU_DVI 4

// The wall view control in the page template.
#define IDC_WALL_VIEW 1000

// Wall view commands.
#define ID_WALL_FINE_ADJUST 1065
#define ID_WALL_MERGE 1072
#define ID_WALL_SPLIT 1074
#define ID_WALL_ADD_PIP 1075
#define ID_WALL_LOCAL_VGA 1076
#define ID_WALL_MPD 1078
#define ID_WALL_TRANSPARENCY 1079
#define ID_WALL_PARAMETERS 1080
#define ID_WALL_PIP_PARAMETERS 1081
#define ID_WALL_EDGE_MASK 1082
#define ID_WALL_POSITION_ALL 1084
#define ID_WALL_DELETE_PIP 1085
#define ID_WALL_LOCAL_CVBS 1086
#define ID_WALL_INT_VGA 32801
#define ID_WALL_LOCAL_DVI 32809
#define ID_WALL_LOCAL_YUV 32810
// Matrix inputs: base + n for input n (1-based), at most 255 per matrix.
#define ID_WALL_VGA_BASE 1280
#define ID_WALL_CVBS_BASE 1536
#define ID_WALL_DVI_BASE 1792
#define WALL_MATRIX_INPUT_LIMIT 255

// Preset panel buttons, presets 0 .. 19 (two rows of ten).
#define IDC_PRESET_0 1003
#define IDC_PRESET_1 1054
#define IDC_PRESET_2 1055
#define IDC_PRESET_3 1056
#define IDC_PRESET_4 1057
#define IDC_PRESET_5 1058
#define IDC_PRESET_6 1059
#define IDC_PRESET_7 1060
#define IDC_PRESET_8 1061
#define IDC_PRESET_9 1004
#define IDC_PRESET_10 1005
#define IDC_PRESET_11 1062
#define IDC_PRESET_12 1063
#define IDC_PRESET_13 1064
#define IDC_PRESET_14 1065
#define IDC_PRESET_15 1066
#define IDC_PRESET_16 1067
#define IDC_PRESET_17 1068
#define IDC_PRESET_18 1069
#define IDC_PRESET_19 1006
#define IDC_PRESET_GROUP 1070

// "btnpop" commands.
#define ID_PRESET_LOAD 1090
#define ID_PRESET_DELETE 1091
#define ID_PRESET_SAVE_SEND 32800
#define ID_PRESET_RENAME 32820

// The rename dialog's edit field.
#define IDC_PRESET_NEW_NAME 1000

// "mpd" split commands.
#define ID_SPLIT_1X2 32846
#define ID_SPLIT_3 32847
#define ID_SPLIT_2X2 32830
#define ID_SPLIT_1X4 32831
#define ID_SPLIT_4X1 32832
#define ID_SPLIT_1P3 32833
#define ID_SPLIT_2X3 32835
#define ID_SPLIT_3X2 32836
#define ID_SPLIT_3X3 32837
#define ID_SPLIT_3X4 32838
#define ID_SPLIT_4X3 32839
#define ID_SPLIT_2X6 32840
#define ID_SPLIT_4X4 32841
#define ID_SPLIT_2X8 32842
// "MPD%d全屏": 2048 + (number - 1).
#define ID_SPLIT_FULL_BASE 2048
