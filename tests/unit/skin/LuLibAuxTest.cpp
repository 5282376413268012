// The facade without windows: the error slot, start and end with the program's callback, the
// registries, class registration and the accelerator letter.
#include "skin/core/LuLibAux.h"
#include "skin/theme/Painter.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> g_calls;
int g_failWith = 0;

int RecordingCallback(int bRegister)
{
    g_calls.push_back(bRegister);
    if (bRegister && g_failWith != 0) {
        LuLibAux::SetErrorCode(g_failWith);
        LuLibAux::SetErrorStr("Failed register CTestCtrl");
    }
    return 1;
}

LRESULT CALLBACK ProcA(HWND h, UINT m, WPARAM w, LPARAM l) { return ::DefWindowProcW(h, m, w, l); }
LRESULT CALLBACK ProcB(HWND h, UINT m, WPARAM w, LPARAM l) { return ::DefWindowProcW(h, m, w, l); }

}  // namespace

TEST(LuLibAux, ErrorSlotStartsAtSuccess)
{
    EXPECT_EQ(LuLibAux::GetErrorCode(), 0);
    EXPECT_EQ(LuLibAux::SetErrorCode(2), 0);
    EXPECT_EQ(LuLibAux::SetErrorCode(0), 2);
    LuLibAux::SetErrorStr("Failed register CLuButton");
    EXPECT_STREQ(LuLibAux::GetErrorStr(), "Failed register CLuButton");
    LuLibAux::SetErrorStr(nullptr);
    EXPECT_STREQ(LuLibAux::GetErrorStr(), "");
}

TEST(LuLibAux, InitAndUninitCallTheProgramBothWays)
{
    g_calls.clear();
    HINSTANCE hInst = ::GetModuleHandleW(nullptr);
    EXPECT_TRUE(LuLibAux::InitLuLib(hInst, &RecordingCallback));
    EXPECT_EQ(LuLibAux::m_nRefCount, 1);
    EXPECT_EQ(LuLibAux::m_hInst, hInst);
    EXPECT_NE(CLuPainter::m_hMsImgDll, nullptr);
    EXPECT_TRUE(LuLibAux::InitLuLib(hInst, &RecordingCallback));
    EXPECT_EQ(LuLibAux::m_nRefCount, 2);
    LuLibAux::UninitLuLib(hInst, &RecordingCallback);
    EXPECT_NE(CLuPainter::m_hMsImgDll, nullptr);  // still one user
    LuLibAux::UninitLuLib(hInst, &RecordingCallback);
    EXPECT_EQ(LuLibAux::m_nRefCount, 0);
    EXPECT_EQ(CLuPainter::m_hMsImgDll, nullptr);
    EXPECT_EQ(g_calls, (std::vector<int>{1, 1, 0, 0}));

    // An unbalanced end does not leave the count below zero: the next start sets up again.
    LuLibAux::UninitLuLib(hInst, nullptr);
    EXPECT_EQ(LuLibAux::m_nRefCount, 0);
    EXPECT_TRUE(LuLibAux::InitLuLib(hInst, nullptr));
    EXPECT_NE(CLuPainter::m_hMsImgDll, nullptr);
    LuLibAux::UninitLuLib(hInst, nullptr);
}

TEST(LuLibAux, RegistrationFailureReportedByTheCallbackFailsInit)
{
    g_calls.clear();
    g_failWith = 2;
    HINSTANCE hInst = ::GetModuleHandleW(nullptr);
    EXPECT_FALSE(LuLibAux::InitLuLib(hInst, &RecordingCallback));
    EXPECT_EQ(LuLibAux::GetErrorCode(), 2);
    EXPECT_STREQ(LuLibAux::GetErrorStr(), "Failed register CTestCtrl");
    LuLibAux::UninitLuLib(hInst, &RecordingCallback);
    // A later clean start reports success again.
    g_failWith = 0;
    EXPECT_TRUE(LuLibAux::InitLuLib(hInst, &RecordingCallback));
    LuLibAux::UninitLuLib(hInst, &RecordingCallback);
    EXPECT_EQ(g_calls, (std::vector<int>{1, 0, 1, 0}));
}

TEST(LuLibAux, WindowObjectMap)
{
    void* p = LuLibAux::AllocWndObject(48);
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(LuLibAux::IsFrameCreate(p));
    EXPECT_EQ(LuLibAux::m_wndObjectMap[p], 48);
    int onStack = 0;
    EXPECT_FALSE(LuLibAux::IsFrameCreate(&onStack));
    LuLibAux::FreeWndObject(p, 48);
    EXPECT_FALSE(LuLibAux::IsFrameCreate(p));
    LuLibAux::FreeWndObject(nullptr, 48);  // ignored
}

TEST(LuLibAux, ControlRegistryIgnoresNullHandles)
{
    auto* pFake = reinterpret_cast<CLuControlBase*>(0x1000);
    HWND hFake = reinterpret_cast<HWND>(0x2000);
    const size_t before = LuLibAux::m_handleCtrlMap.size();
    LuLibAux::AddCtrlHandle(nullptr, pFake);
    EXPECT_EQ(LuLibAux::m_handleCtrlMap.size(), before);
    EXPECT_EQ(LuLibAux::CtrlFromHandle(nullptr), nullptr);
    LuLibAux::AddCtrlHandle(hFake, pFake);
    EXPECT_EQ(LuLibAux::CtrlFromHandle(hFake), pFake);
    LuLibAux::RemoveCtrlHandle(nullptr);
    EXPECT_EQ(LuLibAux::CtrlFromHandle(hFake), pFake);
    LuLibAux::RemoveCtrlHandle(hFake);
    EXPECT_EQ(LuLibAux::CtrlFromHandle(hFake), nullptr);
}

TEST(LuLibAux, RegisterWndClassKeepsAnExistingClass)
{
    EXPECT_FALSE(LuLibAux::RegisterWndClass(0, nullptr, nullptr, nullptr, &ProcA));
    ASSERT_TRUE(LuLibAux::RegisterWndClass(CS_HREDRAW, nullptr, nullptr, "tstAuxClass", &ProcA));
    EXPECT_TRUE(LuLibAux::RegisterWndClass(0, nullptr, nullptr, "tstAuxClass", &ProcB));
    WNDCLASSW wc{};
    ASSERT_TRUE(::GetClassInfoW(::GetModuleHandleW(nullptr), L"tstAuxClass", &wc));
    EXPECT_EQ(wc.lpfnWndProc, &ProcA);
    EXPECT_EQ(wc.style, static_cast<UINT>(CS_HREDRAW | CS_DBLCLKS | CS_PARENTDC | CS_GLOBALCLASS));

    WNDPROC old = nullptr;
    EXPECT_FALSE(LuLibAux::RegisterCtrlClass("tstNoSuchClass", &ProcB, &old));
    EXPECT_EQ(old, nullptr);
    EXPECT_FALSE(LuLibAux::RegisterCtrlClassEx(nullptr, 0, &ProcB, &old));
}

TEST(LuLibAux, AcceleratorLetter)
{
    CString s("&file");
    EXPECT_EQ(LuLibAux::CalcAccVKey(s), 'F');
    s = "Save &as";
    EXPECT_EQ(LuLibAux::CalcAccVKey(s), 'A');
    s = "none";
    EXPECT_EQ(LuLibAux::CalcAccVKey(s), 0);
    s = "end&";
    EXPECT_EQ(LuLibAux::CalcAccVKey(s), 0);
    s = "打开(&o)";
    EXPECT_EQ(LuLibAux::CalcAccVKey(s), 'O');
    s = "&x&y";
    EXPECT_EQ(LuLibAux::CalcAccVKey(s), 'X');
}
