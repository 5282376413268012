// The sub-window, transparency and quick edge-mask dialogs against the recording device link:
// the step edit's rule over the eight direction buttons, each button's adjustment and title and
// the view repainted where the window was; the transparency levels, the stored level and its
// selection; the edge-mask dialog sending nothing.
#include "app/core/wall/Cell.h"
#include "app/shell/dialogs/EdgeMaskDlg.h"
#include "app/shell/dialogs/PictureDialogs.h"
#include "app/shell/dialogs/SubWindowDlg.h"
#include "app/shell/dialogs/TransparencyDlg.h"
#include "app/shell/dialogs/WallViewDialogs.h"
#include "app/shell/DialogItems.h"
#include "tests/gui/dialogs/DialogTestSupport.h"

#include <commctrl.h>

using namespace dlgtest;

namespace {

const int kDirectionButtons[] = {IDC_SUB_UP,         IDC_SUB_LEFT,         IDC_SUB_RIGHT,       IDC_SUB_DOWN,
                                 IDC_SUB_WIDTH_GROW, IDC_SUB_WIDTH_SHRINK, IDC_SUB_HEIGHT_GROW, IDC_SUB_HEIGHT_SHRINK};

// A 640 x 360 view holding one MPD region over the whole wall with one PIP window in its
// middle ninth (1920 x 1080 device pixels: three per view pixel).
class SubWindowTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        ASSERT_TRUE(m_view.CreateEx(0, nullptr, "view", WS_POPUP | WS_VISIBLE, CRect(0, 0, 640, 360), nullptr, 0));
        WallRect area;
        area.right = 640;
        area.bottom = 360;
        ASSERT_TRUE(m_wall.setLayout(1, 1, area));
        m_region = m_wall.cells().GetHead();
        m_region->setMpd(TRUE);
        m_pip = m_wall.addPipTo(m_region);
        ASSERT_NE(m_pip, nullptr);
        link.Clear();
        titles.titles.clear();
        m_dlg = std::make_unique<CSubWindowDlg>(&m_view, m_pip);
        ASSERT_TRUE(m_dlg->Create(CSubWindowDlg::IDD, nullptr));
        ShowAndPaint(m_dlg->GetSafeHwnd());
    }
    void TearDown() override
    {
        if (m_dlg->GetSafeHwnd())
            m_dlg->DestroyWindow();
        m_view.DestroyWindow();
        DialogTest::TearDown();
    }

    HWND Dlg() const { return m_dlg->GetSafeHwnd(); }

    void SetStep(const char* text)
    {
        ::SetWindowTextW(Item(Dlg(), IDC_SUB_STEP), CString(text).ToWide().c_str());
        KickIdle(Dlg());
    }

    int EnabledDirections() const
    {
        int n = 0;
        for (int nID : kDirectionButtons)
            n += ::IsWindowEnabled(Item(Dlg(), nID)) ? 1 : 0;
        return n;
    }

    struct DeviceRect {
        int x, y, w, h;
    };
    DeviceRect Device() const
    {
        DeviceRect r{};
        m_pip->deviceRect(&r.x, &r.y, &r.w, &r.h);
        return r;
    }

    CWnd m_view;
    CCellObjImp m_wall;
    CCell* m_region = nullptr;
    CPIPCell* m_pip = nullptr;
    std::unique_ptr<CSubWindowDlg> m_dlg;
};

}  // namespace

TEST_F(SubWindowTest, StepStartsAtOneWithItsSpinButtonFromOneToTen)
{
    EXPECT_TRUE(m_dlg->IsReady());
    EXPECT_EQ(CString("1"), dlgitem::GetText(Dlg(), IDC_SUB_STEP));
    HWND hSpin = Item(Dlg(), IDC_SUB_STEP_SPIN);
    int low = -1, high = -1;
    ::SendMessageW(hSpin, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(1, low);
    EXPECT_EQ(10, high);
    EXPECT_EQ(Item(Dlg(), IDC_SUB_STEP), reinterpret_cast<HWND>(::SendMessageW(hSpin, UDM_GETBUDDY, 0, 0)));
    KickIdle(Dlg());
    EXPECT_EQ(8, EnabledDirections());
}

TEST_F(SubWindowTest, AnInvalidStepDisablesAllEightButtons)
{
    for (const char* bad : {"0", "11", "", "4294967297", "4294967301", "abc"}) {
        SetStep("5");
        EXPECT_EQ(8, EnabledDirections()) << bad;
        SetStep(bad);
        EXPECT_EQ(0, EnabledDirections()) << bad;
    }
    SetStep("10");
    EXPECT_EQ(8, EnabledDirections());
}

TEST_F(SubWindowTest, EachButtonMovesOrResizesTheWindowByTheStep)
{
    SetStep("5");
    struct Case {
        int nID;
        const char* title;
        int dx, dy, dw, dh;
    };
    const Case cases[] = {
        {IDC_SUB_LEFT, "位置微调", -5, 0, 0, 0},       {IDC_SUB_UP, "位置微调", 0, -5, 0, 0},
        {IDC_SUB_RIGHT, "位置微调", 5, 0, 0, 0},       {IDC_SUB_DOWN, "位置微调", 0, 5, 0, 0},
        {IDC_SUB_WIDTH_GROW, "PIP大小微调", 0, 0, 5, 0}, {IDC_SUB_WIDTH_SHRINK, "PIP大小微调", 0, 0, -5, 0},
        {IDC_SUB_HEIGHT_GROW, "PIP大小微调", 0, 0, 0, 5}, {IDC_SUB_HEIGHT_SHRINK, "PIP大小微调", 0, 0, 0, -5},
    };
    for (const Case& c : cases) {
        const DeviceRect before = Device();
        const WallRect viewBefore = m_pip->rect();
        link.Clear();
        titles.titles.clear();
        ::ValidateRect(m_view.GetSafeHwnd(), nullptr);
        Click(Dlg(), c.nID);
        const DeviceRect after = Device();
        EXPECT_EQ(before.x + c.dx, after.x) << c.nID;
        EXPECT_EQ(before.y + c.dy, after.y) << c.nID;
        EXPECT_EQ(before.w + c.dw, after.w) << c.nID;
        EXPECT_EQ(before.h + c.dh, after.h) << c.nID;
        EXPECT_EQ(std::vector<std::string>{c.title}, titles.titles) << c.nID;
        // Size first, then position, of window 2.
        char expected[160];
        std::snprintf(expected, sizeof(expected), "SetPip(2,2,%d,%d,%d,%d) SetPip(2,1,%d,%d,%d,%d)", after.w >> 8,
                      after.w & 0xFF, after.h >> 8, after.h & 0xFF, after.x >> 8, after.x & 0xFF, after.y >> 8,
                      after.y & 0xFF);
        EXPECT_EQ(expected, link.Joined()) << c.nID;
        // The view repaints where the window was, grown by the step.
        RECT update = {};
        ASSERT_TRUE(::GetUpdateRect(m_view.GetSafeHwnd(), &update, FALSE)) << c.nID;
        EXPECT_EQ(viewBefore.left - 5, update.left) << c.nID;
        EXPECT_EQ(viewBefore.top - 5, update.top) << c.nID;
        EXPECT_EQ(viewBefore.right + 5, update.right) << c.nID;
        EXPECT_EQ(viewBefore.bottom + 5, update.bottom) << c.nID;
    }
    EXPECT_TRUE(App().m_messages.empty());
}

TEST_F(SubWindowTest, ARefusedAdjustmentShowsItsMessageAndRepaintsNothing)
{
    FailCalls("SetPip", 3);
    ::ValidateRect(m_view.GetSafeHwnd(), nullptr);
    Click(Dlg(), IDC_SUB_RIGHT);
    ASSERT_EQ(1u, App().m_messages.size());
    EXPECT_EQ("通讯失败;\n错误码:0X0003", App().m_messages[0]);
    RECT update = {};
    EXPECT_FALSE(::GetUpdateRect(m_view.GetSafeHwnd(), &update, FALSE));
}

namespace {

// Closes the dialog once its idle update has disabled the direction buttons; looks again later
// until then.
void CloseWhenDisabled(HWND hDlg)
{
    if (::IsWindowEnabled(::GetDlgItem(hDlg, IDC_SUB_LEFT)))
        WhenDialogUp(CloseWhenDisabled);
    else
        ::PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

}  // namespace

TEST_F(SubWindowTest, ModalLoopAppliesTheStepRuleByItself)
{
    m_dlg->DestroyWindow();
    WhenDialogUp([](HWND hDlg) {
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(hDlg, IDC_SUB_LEFT)));
        ::SetWindowTextW(::GetDlgItem(hDlg, IDC_SUB_STEP), L"0");
        WhenDialogUp(CloseWhenDisabled);
    });
    fxtest::ModalTimeout guard(10000);
    EXPECT_EQ(IDOK, OpenSubWindowDialog(&m_view, *m_pip)) << "closed only once the buttons were disabled";
}

TEST_F(SubWindowTest, Screenshot) { EXPECT_TRUE(SaveScreenshot(Dlg(), "dialog_subwindow.bmp")); }

namespace {

class TransparencyTest : public DialogTest {
protected:
    void TearDown() override
    {
        if (m_dlg && m_dlg->GetSafeHwnd())
            m_dlg->DestroyWindow();
        DialogTest::TearDown();
    }
    HWND Open(CCell& window)
    {
        m_dlg = std::make_unique<CTransparencyDlg>(&window);
        EXPECT_TRUE(m_dlg->Create(CTransparencyDlg::IDD, nullptr));
        ShowAndPaint(m_dlg->GetSafeHwnd());
        return m_dlg->GetSafeHwnd();
    }
    int Count(HWND hDlg) { return static_cast<int>(::SendDlgItemMessageW(hDlg, IDC_TRANSPARENCY_LEVEL, CB_GETCOUNT, 0, 0)); }

    std::unique_ptr<CTransparencyDlg> m_dlg;
};

}  // namespace

TEST_F(TransparencyTest, LevelsZeroToFifteenWithTheStoredOneSelected)
{
    CPIPCell pip;
    pip.setNumber(4);
    pip.setTransparency(9);
    HWND hDlg = Open(pip);
    ASSERT_EQ(16, Count(hDlg));
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(CString(std::to_string(i).c_str()), dlgitem::GetItemText(hDlg, IDC_TRANSPARENCY_LEVEL, i));
        EXPECT_EQ(i, dlgitem::GetItemData(hDlg, IDC_TRANSPARENCY_LEVEL, i));
    }
    EXPECT_EQ(9, dlgitem::GetCurSel(hDlg, IDC_TRANSPARENCY_LEVEL));
    m_dlg->DestroyWindow();

    pip.setTransparency(20);
    hDlg = Open(pip);
    EXPECT_EQ(15, dlgitem::GetCurSel(hDlg, IDC_TRANSPARENCY_LEVEL)) << "above the list shows its top";
    m_dlg->DestroyWindow();

    pip.setTransparency(-1);
    hDlg = Open(pip);
    EXPECT_EQ(-1, dlgitem::GetCurSel(hDlg, IDC_TRANSPARENCY_LEVEL));
    Click(hDlg, IDC_TRANSPARENCY_SEND);
    EXPECT_TRUE(link.calls.empty()) << "nothing chosen, nothing sent";
    EXPECT_EQ(-1, pip.transparency());
}

TEST_F(TransparencyTest, SendStoresTheLevelOnlyWhenTheDeviceTookIt)
{
    CPIPCell pip;
    pip.setNumber(4);
    pip.setTransparency(2);
    HWND hDlg = Open(pip);
    for (int level : {0, 7, 15}) {
        link.Clear();
        titles.titles.clear();
        dlgitem::SetCurSel(hDlg, IDC_TRANSPARENCY_LEVEL, level);
        Click(hDlg, IDC_TRANSPARENCY_SEND);
        EXPECT_EQ("SetPip(4,3," + std::to_string(level) + ",85,85,85)", link.Joined());
        EXPECT_EQ(std::vector<std::string>{"设置PIP透明度"}, titles.titles);
        EXPECT_EQ(level, pip.transparency());
    }
    // The link throws: the operation fails, the level stays.
    link.onCall = [](const std::string&) { throw 1; };
    dlgitem::SetCurSel(hDlg, IDC_TRANSPARENCY_LEVEL, 3);
    Click(hDlg, IDC_TRANSPARENCY_SEND);
    ASSERT_EQ(1u, App().m_messages.size());
    EXPECT_EQ("通讯发生异常", App().m_messages[0]);
    EXPECT_EQ(15, pip.transparency());
}

TEST_F(TransparencyTest, AnyOtherWindowGetsAnEmptyList)
{
    CCell panel;
    panel.setNumber(1);
    HWND hDlg = Open(panel);
    EXPECT_EQ(0, Count(hDlg));
    Click(hDlg, IDC_TRANSPARENCY_SEND);
    EXPECT_TRUE(link.calls.empty());
}

TEST_F(TransparencyTest, Screenshot)
{
    CPIPCell pip;
    pip.setNumber(2);
    EXPECT_TRUE(SaveScreenshot(Open(pip), "dialog_transparency.bmp"));
}

TEST_F(DialogTest, QuickEdgeMaskListsAreEmptyAndConfirmSendsNothing)
{
    WhenDialogUp([](HWND hDlg) {
        EXPECT_EQ(0, ::SendDlgItemMessageW(hDlg, IDC_EDGEMASK_HORIZONTAL, CB_GETCOUNT, 0, 0));
        EXPECT_EQ(0, ::SendDlgItemMessageW(hDlg, IDC_EDGEMASK_VERTICAL, CB_GETCOUNT, 0, 0));
        ShowAndPaint(hDlg);
        EXPECT_TRUE(SaveScreenshot(hDlg, "dialog_edgemask.bmp"));
        Click(hDlg, IDOK);
    });
    fxtest::ModalTimeout guard(10000);
    EXPECT_EQ(IDOK, OpenEdgeMaskDialog(nullptr));
    EXPECT_TRUE(link.calls.empty());
    EXPECT_TRUE(titles.titles.empty());
}

namespace {

// The caption of the dialog the wall view opened, then closed with Escape.
std::wstring g_openedCaption;

void NoteAndClose(HWND hDlg)
{
    wchar_t text[64] = {};
    ::GetWindowTextW(hDlg, text, 64);
    g_openedCaption = text;
    ::PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

}  // namespace

TEST_F(DialogTest, WallViewOpensEachDialogForItsWindow)
{
    CWnd view;
    ASSERT_TRUE(view.CreateEx(0, nullptr, "view", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 100), nullptr, 0));
    CWallViewDialogs dialogs(&view);
    WallViewDialogs& asView = dialogs;
    CPIPCell pip;
    pip.setNumber(2);
    struct Case {
        void (*open)(WallViewDialogs&, CPIPCell&);
        const wchar_t* caption;
    };
    const Case cases[] = {
        {[](WallViewDialogs& d, CPIPCell& p) { d.pipTransparency(p); }, L"屏幕微调"},
        {[](WallViewDialogs& d, CPIPCell& p) { d.pictureParameters(p); }, L"参数调整"},
        {[](WallViewDialogs& d, CPIPCell& p) { d.pipFineAdjust(p); }, L"子窗口调整"},
        {[](WallViewDialogs& d, CPIPCell&) { d.edgeMask(nullptr); }, L"快速边缘屏蔽设置"},
    };
    for (const Case& c : cases) {
        g_openedCaption.clear();
        WhenDialogUp(NoteAndClose);
        fxtest::ModalTimeout guard(10000);
        c.open(asView, pip);
        EXPECT_EQ(std::wstring(c.caption), g_openedCaption);
    }
    EXPECT_TRUE(link.calls.empty());
    view.DestroyWindow();
}
