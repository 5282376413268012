// The four rows of the matrix switching dialog, in their order from the top (DVI, VGA, VIDEO,
// common): their controls, where their input names and counts come from, the kind code sent to
// the device link, and their messages; what each row lists; and the switch of one row, straight
// through the device link's MatrixSwitch.
#pragma once

#include "app/core/profile/ProfileRecords.h"
#include "fx/core/String.h"

class CComm;

enum MatrixRowIndex { MATRIX_ROW_DVI = 0, MATRIX_ROW_VGA = 1, MATRIX_ROW_VIDEO = 2, MATRIX_ROW_COMMON = 3, MATRIX_ROWS = 4 };

struct MatrixRow {
    LPCSTR lpszLabel;       // "DVI矩阵:" ...
    UINT nInputList;        // control ids in the dialog
    UINT nButton;
    UINT nOutputList;
    MatrixKind nMatrix;     // the profile's matrix: names, maker code and address
    int nKindCode;          // what MatrixSwitch is told
    LPCSTR lpszRefused;     // a non-zero result
    LPCSTR lpszException;   // an exception while switching
};

const MatrixRow& matrixRow(int nRow);

// Every output list offers this many outputs, whatever the matrix.
const int MATRIX_OUTPUTS = 255;

// The row's input count as the configured copy has it.
int matrixRowInputCount(const SystemConfig& configured, int nRow);
// How many inputs the row lists: at most the 255 names there are; 0 (row disabled) for a
// count of 0 or less.
int matrixRowListed(const SystemConfig& configured, int nRow);
// "输出 %d".
CString matrixOutputText(int nOutput);

// Switches output nOutputIndex + 1 of the row's matrix to input nInputIndex + 1:
// MatrixSwitch(maker code, kind code, address, output, input). Empty text on success, else the
// row's refusal (a non-zero result, or no link) or exception message.
CString switchMatrixRow(CComm* pComm, const MatrixConfig& matrices, int nRow, int nInputIndex, int nOutputIndex);
