// Process-wide state of TzComm.dll: the one device-link object, the loaded matrix library and
// the matrix delay read when it was loaded.
#pragma once

#include "comm/MatrixLibrary.h"
#include "fx/seam/Win32Seam.h"

class CSerialComm;

struct CommProcessState {
    CSerialComm* comm = nullptr;
    HMODULE matrixModule = nullptr;
    DealMaxtrixSwitchProc dealMatrixSwitch = nullptr;
    int matrixDelayMs = 100;
};

extern CommProcessState g_commState;

// Reads "maxtrix_delay" of section "comm_delay" from "com.ini" in the program's folder.
int ReadMatrixDelay();
