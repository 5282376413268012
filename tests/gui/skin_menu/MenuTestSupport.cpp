// Support for the menu and toolbar tests (see MenuTestSupport.h).
#include "tests/gui/skin_menu/MenuTestSupport.h"

#include "fx/win/Menu.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const UINT_PTR kStepTimer = 0x5157;

// The library lives for the whole test program.
class MenuEnvironment : public ::testing::Environment {
public:
    void SetUp() override { LuLibAux::InitLuLib(::GetModuleHandleW(nullptr), nullptr); }
    void TearDown() override
    {
        menutest::DestroyOwner();
        LuLibAux::UninitLuLib(::GetModuleHandleW(nullptr), nullptr);
    }
};
::testing::Environment* const g_env = ::testing::AddGlobalTestEnvironment(new MenuEnvironment);

}  // namespace

namespace menutest {

BEGIN_MESSAGE_MAP(COwnerWnd, CWnd)
    ON_WM_INITMENUPOPUP()
    ON_WM_ERASEBKGND()
    ON_WM_TIMER()
    ON_MESSAGE(0x1404, OnToggleMenuBar)
END_MESSAGE_MAP()

COwnerWnd::COwnerWnd()
{
    CreateEx(0, nullptr, "menu owner", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 40, 40, 600, 300, nullptr, nullptr);
    ::SetForegroundWindow(m_hWnd);
    UpdateWindow();
    fxtest::PumpPending();
}

COwnerWnd::~COwnerWnd()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

void COwnerWnd::Reset()
{
    // Whatever a failed test left queued must not reach the next one.
    fxtest::PumpPending();
    commands.clear();
    dropDowns.clear();
    initPopups.clear();
    toggles = 0;
    onDropDown = nullptr;
    m_steps.clear();
    KillTimer(kStepTimer);
    ::SetForegroundWindow(m_hWnd);
}

namespace {
COwnerWnd* g_pOwner = nullptr;
}

COwnerWnd& Owner()
{
    if (g_pOwner == nullptr)
        g_pOwner = new COwnerWnd;
    g_pOwner->Reset();
    return *g_pOwner;
}

void DestroyOwner()
{
    delete g_pOwner;
    g_pOwner = nullptr;
}

void COwnerWnd::During(std::function<void()> f)
{
    When([] { return true; }, std::move(f));
}

void COwnerWnd::When(std::function<bool()> cond, std::function<void()> f)
{
    m_steps.push_back(Step{std::move(cond), std::move(f)});
    SetTimer(kStepTimer, 10);
}

void COwnerWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kStepTimer)
        return;
    if (m_steps.empty()) {
        KillTimer(kStepTimer);
        return;
    }
    if (!m_steps.front().cond())
        return;
    std::function<void()> f = std::move(m_steps.front().run);
    m_steps.pop_front();
    f();
}

BOOL COwnerWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    commands.push_back(Command{wParam, lParam});
    return TRUE;
}

BOOL COwnerWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    const auto* pnm = reinterpret_cast<const NMTOOLBARA*>(lParam);
    if (pnm->hdr.code != static_cast<UINT>(TBN_DROPDOWN))
        return FALSE;
    NMTOOLBARA zero{};
    zero.hdr = pnm->hdr;
    zero.iItem = pnm->iItem;
    const BOOL restZero = std::memcmp(&zero, pnm, sizeof(zero)) == 0;
    dropDowns.push_back(DropDown{pnm->hdr.hwndFrom, pnm->hdr.idFrom, pnm->hdr.code, pnm->iItem, restZero});
    if (onDropDown)
        onDropDown(dropDowns.back());
    *pResult = 0;
    return TRUE;
}

void COwnerWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL)
{
    initPopups.push_back(static_cast<UINT>(reinterpret_cast<UINT_PTR>(pPopupMenu->GetSafeHmenu())));
}

LRESULT COwnerWnd::OnToggleMenuBar(WPARAM, LPARAM)
{
    ++toggles;
    return 0;
}

BOOL COwnerWnd::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(rc, RGB(250, 250, 250));
    return TRUE;
}

void PostMouse(HWND hWnd, UINT message, POINT pt, WPARAM wParam)
{
    ::PostMessageW(hWnd, message, wParam, MAKELPARAM(pt.x, pt.y));
}

void PostKey(HWND hWnd, UINT nVirtKey) { ::PostMessageW(hWnd, WM_KEYDOWN, nVirtKey, 1); }

CSize ThemeTextSize(LPCSTR text, BOOL bBold)
{
    CLuTheme* pTheme = CLuThemeManager::Instance()->GetTheme();
    HDC hScreen = ::GetDC(nullptr);
    CDC dc;
    dc.Attach(hScreen);
    CSize size;
    {
        CScopedSelect font(dc, bBold ? *pTheme->GetThemeBoldFont() : *pTheme->GetThemeFont());
        CRect rc(0, 0, 0, 0);
        dc.DrawText(text, -1, rc, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
        size = rc.Size();
    }
    dc.Detach();
    ::ReleaseDC(nullptr, hScreen);
    return size;
}

CRect WorkArea()
{
    CRect rc;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rc, 0);
    return rc;
}

}  // namespace menutest
