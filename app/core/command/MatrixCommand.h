// "切换矩阵通道": switches the external matrix that feeds a cell to input n. The matrix follows the
// input type the operator chose last (VGA, DVI, else CVBS); the matrix output is looked up in that
// matrix's port map by what the cell is on the processor (an MPD channel or a driver board).
#pragma once

#include "app/core/command/DeviceCommand.h"

class CMatrixSwitchCommand : public DeviceCommand {
public:
    CMatrixSwitchCommand(CCell* pTarget, int nInput);

    // The matrix for an input type: 2 VGA, 6 DVI, anything else CVBS (MatrixKind).
    static int KindFor(int nInputType);
    // The matrix output feeding MPD channel n / driver board n; numbers outside 1..254 are used
    // unchanged.
    static int MpdOutput(int nKind, int nNumber);
    static int DriverOutput(int nKind, int nNumber);

protected:
    int Send() override;

private:
    int m_nInput;
};
