// The input sub-menus of the wall view's popup: one item per input of the VGA, CVBS and DVI
// matrices (working counts, matrix input names) in place of the local entry, and the ids that
// carry each input type's check mark. Portable; the window applies the items to the menu.
#pragma once

#include "fx/core/String.h"

#include <vector>

struct InputMenuItem {
    UINT id = 0;
    CString text;
    bool columnBreak = false;   // starts a new column
};

// The CVBS list shows in columns of this many items.
const int kInputMenuColumn = 40;

// Working number of inputs of the matrix behind an input type (2 VGA, 3 CVBS, 6 DVI; 0 for any
// other), at most 255.
int matrixInputCount(int inputType);
// First id of the type's matrix inputs: input n has base + n.
UINT matrixInputBase(int inputType);
// The local entry the matrix items replace: 1076, 1086, 32809 (0 for other types).
UINT localInputId(int inputType);
// The matrix input type an id belongs to (2, 3 or 6) with its input number, or 0.
int matrixInputOf(UINT nID, int* inputNo);
// One item per matrix input, captioned with its name; empty when the matrix has no inputs.
std::vector<InputMenuItem> matrixInputItems(int inputType);
