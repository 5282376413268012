// The skin control tests' program: the application object and the library started once.
#include "skin/core/LuLibAux.h"
#include "tests/gui/skin_ctrl/CtrlTestSupport.h"

#include <gtest/gtest.h>

namespace ctrltest {

namespace {

CCtrlTestApp theApp;

class LibraryEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        theApp.m_hInstance = ::GetModuleHandleW(nullptr);
        LuLibAux::InitLuLib(::GetModuleHandleW(nullptr), nullptr);
        MoveCursorAway();
    }
    void TearDown() override { LuLibAux::UninitLuLib(::GetModuleHandleW(nullptr), nullptr); }
};
::testing::Environment* const g_env = ::testing::AddGlobalTestEnvironment(new LibraryEnvironment);

}  // namespace

CCtrlTestApp& App() { return theApp; }

}  // namespace ctrltest
