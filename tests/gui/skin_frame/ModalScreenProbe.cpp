// modal_screen_probe READY SHOT: a shown skinned frame with a modal captioned dialog owned by it,
// centred on it (wholly inside it, as the program's dialogs are). Once the dialog is on the
// screen it writes READY and waits for SHOT, a 24-bit BMP of the whole screen taken from outside
// (modal_screen_test.sh, through the scripts' screenshot helper). It then compares the dialog's
// rectangle in SHOT with what the dialog paints: the caption band, title, buttons and border
// pixel for pixel, the client area in the face colour. Exit code 0 when they match, 1 when not,
// 2 when something else failed. The findings go to standard output.
#include "skin/core/LuLibAux.h"
#include "skin/ctrl/Dialog.h"
#include "skin/frame/FrameWnd.h"
#include "skin/theme/Theme.h"
#include "tests/gui/fx_win/GuiTestSupport.h"
#include "tests/gui/skin_frame/FrameTestSupport.h"  // the captioned dialog's template id
#include "tests/unit/skin/Canvas.h"

#include <cstdio>
#include <string>

namespace {

// Time the outside has to take the screenshot.
const DWORD SHOT_TIMEOUT_MS = 60000;
// Corners the window region cuts off (their pixels are the frame's below).
const int CORNER = 6;

bool FileExists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The screenshot as a bitmap in a memory DC.
class Shot {
public:
    explicit Shot(const std::wstring& path)
    {
        m_hBitmap = static_cast<HBITMAP>(
            ::LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
        if (m_hBitmap == nullptr)
            return;
        m_hDC = ::CreateCompatibleDC(nullptr);
        m_hOld = ::SelectObject(m_hDC, m_hBitmap);
    }
    ~Shot()
    {
        if (m_hDC != nullptr) {
            ::SelectObject(m_hDC, m_hOld);
            ::DeleteDC(m_hDC);
        }
        if (m_hBitmap != nullptr)
            ::DeleteObject(m_hBitmap);
    }
    Shot(const Shot&) = delete;
    Shot& operator=(const Shot&) = delete;
    bool Loaded() const { return m_hDC != nullptr; }
    COLORREF At(int x, int y) const { return ::GetPixel(m_hDC, x, y); }

private:
    HBITMAP m_hBitmap = nullptr;
    HDC m_hDC = nullptr;
    HGDIOBJ m_hOld = nullptr;
};

class CProbeDialog : public CLuDialog {
public:
    CProbeDialog(CWnd* pOwner, std::wstring ready, std::wstring shot)
        : CLuDialog(IDD_TEST_CAPTIONED, pOwner), m_ready(std::move(ready)), m_shot(std::move(shot))
    {
    }
    BOOL OnInitDialog() override
    {
        CLuDialog::OnInitDialog();
        CenterWindow();
        SetTimer(1, 50, nullptr);
        return TRUE;
    }

    int m_nResult = 2;

protected:
    void OnTimer(UINT_PTR nID);
    int Compare(const Shot& shot);
    DECLARE_MESSAGE_MAP()

private:
    std::wstring m_ready, m_shot;
    bool m_bAnnounced = false;
    DWORD m_dwStart = ::GetTickCount();
};

BEGIN_MESSAGE_MAP(CProbeDialog, CLuDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

void CProbeDialog::OnTimer(UINT_PTR)
{
    if (!m_bAnnounced) {
        // Shown and painted: nothing is left to paint once the queue holds no paint message.
        MSG msg;
        if (!IsWindowVisible() || ::PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE))
            return;
        if (FILE* f = _wfopen(m_ready.c_str(), L"w")) {
            std::fputs("ready\n", f);
            std::fclose(f);
        }
        m_bAnnounced = true;
        return;
    }
    if (!FileExists(m_shot)) {
        if (::GetTickCount() - m_dwStart > SHOT_TIMEOUT_MS) {
            std::printf("no screenshot arrived\n");
            KillTimer(1);
            EndDialog(IDCANCEL);
        }
        return;
    }
    KillTimer(1);
    Shot shot(m_shot);
    if (!shot.Loaded())
        std::printf("the screenshot cannot be read\n");
    else
        m_nResult = Compare(shot);
    EndDialog(IDOK);
}

// 0 when the screen shows the dialog as it paints itself.
int CProbeDialog::Compare(const Shot& shot)
{
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    const int W = rcWindow.Width(), H = rcWindow.Height();
    skintest::Canvas expected(W, H);
    const COLORREF face = CLuThemeManager::Instance()->GetTheme()->GetThemeColor(LUCLR_FACE);
    expected.Clear(face);
    PaintNonClient(expected.dc());
    int nNonClient = 0, nClient = 0, nText = 0;
    const COLORREF text = CLuThemeManager::Instance()->GetTheme()->GetThemeColor(LUCLR_TEXT);
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            if (y < CORNER && (x < CORNER || x >= W - CORNER))
                continue;
            const COLORREF seen = shot.At(rcWindow.left + x, rcWindow.top + y);
            const bool bNonClient = y < LU_FRAME_CAPTION || y >= H - LU_FRAME_BORDER ||
                                    x < LU_FRAME_BORDER || x >= W - LU_FRAME_BORDER;
            if (bNonClient) {
                nNonClient += seen != expected.At(x, y);
                nText += y < LU_FRAME_CAPTION && seen == text && expected.At(x, y) == text;
            } else {
                nClient += seen != face;
            }
        }
    }
    std::printf("dialog %ldx%ld at %ld,%ld: %d caption and border pixels and %d client pixels differ "
                "from the painted dialog; %d title pixels; centre %06lx, face %06lx\n",
                static_cast<long>(W), static_cast<long>(H), rcWindow.left, rcWindow.top, nNonClient,
                nClient, nText, static_cast<unsigned long>(shot.At(rcWindow.CenterPoint().x, rcWindow.CenterPoint().y)),
                static_cast<unsigned long>(face));
    // The band, title, buttons and border are compared pixel for pixel; a dialog without its
    // title would not be this dialog.
    return nNonClient == 0 && nClient == 0 && nText > 0 ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "modal_screen_probe READY SHOT\n");
        return 2;
    }
    LuLibAux::InitLuLib(::GetModuleHandleW(nullptr), nullptr);
    int nResult = 2;
    {
        // The frame deletes itself with its window.
        auto* pFrame = new CLuFrameWnd;
        if (pFrame->Create(nullptr, "Modal screen probe", WS_OVERLAPPEDWINDOW, CRect(40, 40, 680, 520))) {
            pFrame->ShowWindow(SW_SHOW);
            fxtest::PumpUntil([&] { return ::IsWindowVisible(pFrame->GetSafeHwnd()) != FALSE; });
            CProbeDialog dialog(pFrame, argv[1], argv[2]);
            dialog.DoModal();
            nResult = dialog.m_nResult;
            pFrame->DestroyWindow();
        }
    }
    LuLibAux::UninitLuLib(::GetModuleHandleW(nullptr), nullptr);
    std::fflush(stdout);
    return nResult;
}
