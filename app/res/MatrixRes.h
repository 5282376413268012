// Resource ids of the matrix switching dialog "矩陈切换" (template 173): one row per matrix,
// each an input list, a "切换到" button and an output list.
#pragma once

#define IDD_MATRIX_SWITCH 173
#define IDC_MATRIX_GROUP 1014

#define IDC_MATRIX_DVI_INPUT 1007
#define IDC_MATRIX_DVI_SWITCH 1003
#define IDC_MATRIX_DVI_OUTPUT 1010
#define IDC_MATRIX_VGA_INPUT 32828
#define IDC_MATRIX_VGA_SWITCH 1005
#define IDC_MATRIX_VGA_OUTPUT 1012
#define IDC_MATRIX_VIDEO_INPUT 32831
#define IDC_MATRIX_VIDEO_SWITCH 1004
#define IDC_MATRIX_VIDEO_OUTPUT 1011
#define IDC_MATRIX_COMMON_INPUT 32832
#define IDC_MATRIX_COMMON_SWITCH 1006
#define IDC_MATRIX_COMMON_OUTPUT 1013
