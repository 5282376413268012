// The test program's application object: one per process, as in the product. It handles one
// command of its own so routing tests can see a command arrive at the end of the chain, and it
// records message boxes instead of showing them (a test never waits for a person).
#pragma once

#include "fx/win/WinApp.h"

#include <string>
#include <vector>

constexpr UINT kAppCommand = 0x7301;

class CTestApp : public CWinApp {
public:
    CTestApp() : CWinApp(nullptr) {}
    int m_nAppCommands = 0;
    std::vector<std::string> m_messages;

    int DoMessageBox(LPCSTR lpszPrompt, UINT, UINT) override
    {
        m_messages.emplace_back(lpszPrompt);
        return IDOK;
    }

protected:
    void OnAppCommand() { ++m_nAppCommands; }
    DECLARE_MESSAGE_MAP()
};

CTestApp& TestApp();
