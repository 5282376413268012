// Resource and command IDs of the gallery's menu page (the program's own commands).
#pragma once

#define IDR_GALLERYMENU 128
#define ID_SCENE_NEW 1004
#define ID_SCENE_SAVE 1006
#define ID_SCENE_LOAD 1002
#define ID_SCENE_RECENT1 1101
#define ID_SCENE_RECENT2 1102
#define ID_SCENE_AUTOSAVE 1103
#define ID_SCENE_PRINT 1104
#define ID_APP_EXIT 57665
#define ID_POWER_ON 1003
#define ID_POWER_OFF 1092
#define ID_SYSTEM 1098
#define ID_MATRIX 32817
#define ID_APP_ABOUT 57664
