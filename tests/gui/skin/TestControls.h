// Control classes a program registers through the library's callback, exactly as the program
// does with its own: a class of its own ("tstPanel") and a subclassed system class ("STATIC").
#pragma once

#include "fx/win/FrameWnd.h"
#include "skin/core/ControlBase.h"

#include <vector>
#include "tests/gui/fx_win/ResourceCounts.h"

class CTestPanel : public CWnd, public CLuControlBase {
    DECLARE_DYNCREATE(CTestPanel)
    LU_DECLARE_CONTROL(CTestPanel, CWnd)
public:
    CTestPanel() { ++s_nLive; }
    ~CTestPanel() override { --s_nLive; }
    BOOL _NeedHookChildMsg() override { return m_bHookChildren; }

    static int s_nLive;
    int m_nInitCalls = 0;
    BOOL m_bHookChildren = TRUE;

protected:
    void OnPaint();
    DECLARE_MESSAGE_MAP()
};

// A static control that paints its text through the theme.
class CTestStatic : public CWnd, public CLuControlBase {
    DECLARE_DYNCREATE(CTestStatic)
    LU_DECLARE_CONTROL(CTestStatic, CWnd)
public:
    CTestStatic() { ++s_nLive; }
    ~CTestStatic() override { --s_nLive; }
    static int s_nLive;

protected:
    void OnPaint();
    DECLARE_MESSAGE_MAP()
};

class CTestView : public CView {
    DECLARE_DYNCREATE(CTestView)
public:
    CTestView() { ++s_nLive; }
    ~CTestView() override { --s_nLive; }
    void OnDraw(CDC*) override {}
    void OnInitialUpdate() override { ++m_nInitialUpdates; }
    static int s_nLive;
    int m_nInitialUpdates = 0;
};

namespace skintest {

// The program's registration callback; records every call.
int RegisterTestClasses(int bRegister);
extern std::vector<int> g_registerCalls;
using fxtest::CountGdiObjects;

}  // namespace skintest
