#include "app/core/view/InputMenu.h"

#include "app/core/command/CommandConfig.h"
#include "app/core/profile/ProfileState.h"
#include "app/core/wall/Cell.h"
#include "app/res/WallViewRes.h"

#include <algorithm>

int matrixInputCount(int inputType)
{
    const SystemConfig& working = workingSystem();
    int count = 0;
    switch (inputType) {
    case INPUT_VGA:
        count = working.vgaInputs;
        break;
    case INPUT_CVBS:
        count = working.cvbsInputs;
        break;
    case INPUT_DVI:
        count = working.dviInputs;
        break;
    default:
        return 0;
    }
    return std::max(0, std::min(count, WALL_MATRIX_INPUT_LIMIT));
}

UINT matrixInputBase(int inputType)
{
    switch (inputType) {
    case INPUT_VGA:
        return ID_WALL_VGA_BASE;
    case INPUT_CVBS:
        return ID_WALL_CVBS_BASE;
    case INPUT_DVI:
        return ID_WALL_DVI_BASE;
    default:
        return 0;
    }
}

UINT localInputId(int inputType)
{
    switch (inputType) {
    case INPUT_VGA:
        return ID_WALL_LOCAL_VGA;
    case INPUT_CVBS:
        return ID_WALL_LOCAL_CVBS;
    case INPUT_DVI:
        return ID_WALL_LOCAL_DVI;
    default:
        return 0;
    }
}

int matrixInputOf(UINT nID, int* inputNo)
{
    for (int type : {INPUT_VGA, INPUT_CVBS, INPUT_DVI}) {
        const UINT base = matrixInputBase(type);
        if (nID > base && nID <= base + WALL_MATRIX_INPUT_LIMIT) {
            *inputNo = static_cast<int>(nID - base);
            return type;
        }
    }
    *inputNo = 0;
    return 0;
}

std::vector<InputMenuItem> matrixInputItems(int inputType)
{
    std::vector<InputMenuItem> items;
    const int count = matrixInputCount(inputType);
    const UINT base = matrixInputBase(inputType);
    for (int n = 1; n <= count; ++n) {
        InputMenuItem item;
        item.id = base + static_cast<UINT>(n);
        item.text = CommandConfig::Current().MatrixInputName(inputType, n);
        // Only the long video list is cut into columns.
        item.columnBreak = inputType == INPUT_CVBS && n % kInputMenuColumn == 1;
        items.push_back(item);
    }
    return items;
}
