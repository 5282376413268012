// Resource ids of the test program's templates and strings.
#pragma once

#define IDD_SETTINGS 139
#define IDD_MISSING 999
#define IDC_TIMEOUT 1042
#define IDC_BAUD 1043
#define IDC_LOG 1044
#define IDC_DATE 1099
#define IDR_MAINFRAME 128
#define ID_SCENE_NEW 1004
#define ID_SCENE_SAVE 1006
#define ID_POWER_ON 1003
