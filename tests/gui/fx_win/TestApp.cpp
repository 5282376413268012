#include "TestApp.h"

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND(kAppCommand, OnAppCommand)
END_MESSAGE_MAP()

namespace {
CTestApp theApp;
}

CTestApp& TestApp() { return theApp; }
