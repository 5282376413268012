// The test program's application object: one per process, as in the product. It handles one
// command of its own so routing tests can see a command arrive at the end of the chain.
#pragma once

#include "fx/win/WinApp.h"

constexpr UINT kAppCommand = 0x7301;

class CTestApp : public CWinApp {
public:
    CTestApp() : CWinApp("FxWinTest") {}
    int m_nAppCommands = 0;

protected:
    void OnAppCommand() { ++m_nAppCommands; }
    DECLARE_MESSAGE_MAP()
};

CTestApp& TestApp();
