// The skin gallery: one window that draws every painter primitive and every themed element, so
// the library's look can be seen at a glance. "skin_gallery --save file.bmp" renders the window
// into a bitmap file and ends (for test runs); without arguments the window stays open.
// "skin_gallery --page NAME [--save file.bmp]" shows one of the pages kept in files of their own.
#include "fx/win/Gdi.h"
#include "fx/win/Wnd.h"
#include "skin/gallery/GalleryShot.h"
#include "skin/core/LuLibAux.h"
#include "skin/theme/Painter.h"
#include "skin/theme/Theme.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

typedef CLuPainter P;
const int kWidth = 720, kHeight = 420;

// One cell of the grid: a label above, the sample below.
class Grid {
public:
    explicit Grid(CDC& dc) : m_dc(dc) {}
    CRect Next(LPCSTR label)
    {
        const int col = m_n % 8, row = m_n / 8;
        ++m_n;
        CRect cell(10 + col * 88, 10 + row * 80, 10 + col * 88 + 80, 10 + row * 80 + 72);
        CRect text(cell.left, cell.top, cell.right, cell.top + 16);
        m_dc.SetBkMode(TRANSPARENT);
        m_dc.SetTextColor(RGB(0, 0, 0));
        P::DrawHorizText(m_dc, label, text, TRUE);
        return CRect(cell.left, cell.top + 18, cell.right, cell.bottom);
    }

private:
    CDC& m_dc;
    int m_n = 0;
};

void DrawGallery(CDC& dc)
{
    CLuTheme& t = *CLuThemeManager::Instance()->GetTheme();
    dc.FillSolidRect(0, 0, kWidth, kHeight, t.GetThemeColor(3));
    CScopedSelect font(dc, *t.GetThemeFont());
    Grid g(dc);
    const COLORREF base = t.GetThemeColor(0);

    P::GradientFill(dc, g.Next("GradientFill"), t.GetThemeColor(5), t.GetThemeColor(4), TRUE);
    P::DrawVitreousRect(dc, g.Next("Vitreous 0"), t.GetThemeColor(4), P::LightColor(t.GetThemeColor(4), 30), TRUE, 0, VITREOUS_DEFAULT);
    P::DrawVitreousRect(dc, g.Next("Vitreous 1"), t.GetThemeColor(4), P::LightColor(t.GetThemeColor(4), 30), TRUE, 0, VITREOUS_FOUR);
    P::DrawVitreousRect(dc, g.Next("Vitreous 2"), t.GetThemeColor(4), P::LightColor(t.GetThemeColor(4), 30), FALSE, 0, VITREOUS_MIRROR);
    P::DrawRoundRect(dc, g.Next("RoundRect"), base);
    P::DrawButtonRect(dc, g.Next("ButtonRect"), t.GetThemeColor(3), base, t.GetThemeColor(5), t.GetThemeColor(4), FALSE);
    P::DrawButtonRect(dc, g.Next("Pressed"), t.GetThemeColor(3), base, t.GetThemeColor(5), t.GetThemeColor(4), TRUE);
    P::DrawShadowRect(dc, g.Next("ShadowRect"), base);

    auto glyphCell = [&](LPCSTR label, auto draw) {
        CRect rc = g.Next(label);
        dc.FillSolidRect(rc, RGB(255, 255, 255));
        draw(rc);
    };
    glyphCell("Arrows", [&](CRect rc) {
        for (int k = 0; k < 4; ++k)
            P::DrawArrow(dc, CPoint(rc.left + 6 + k * 18, rc.top + 20), base, static_cast<LUARROW>(k));
    });
    glyphCell("DArrows", [&](CRect rc) {
        for (int k = 0; k < 4; ++k)
            P::DrawDArrow(dc, CPoint(rc.left + 6 + k * 18, rc.top + 20), base, static_cast<LUARROW>(k));
    });
    glyphCell("Marks", [&](CRect rc) {
        P::DrawCheckMark(dc, CPoint(rc.left + 10, rc.top + 20), t.GetThemeColor(12));
        P::DrawCloseMark(dc, CPoint(rc.left + 40, rc.top + 20), base);
    });
    glyphCell("Grippers", [&](CRect rc) {
        P::DrawScrollBarGripper(dc, CPoint(rc.left + 6, rc.top + 10), base, LUGRIPPER_HORZ);
        P::DrawScrollBarGripper(dc, CPoint(rc.left + 24, rc.top + 10), base, LUGRIPPER_VERT);
        P::DrawToolBarGripper(dc, CPoint(rc.left + 40, rc.top + 10), base, 5, LUGRIPPER_VERT);
        P::DrawStatusBarGripper(dc, CPoint(rc.left + 56, rc.top + 30), base);
    });
    glyphCell("Radio", [&](CRect rc) {
        P::DrawRadio(dc, CPoint(rc.left + 4, rc.top + 20), 0);
        P::DrawRadio(dc, CPoint(rc.left + 22, rc.top + 20), LU_RADIO_CHECKED);
        P::DrawRadio(dc, CPoint(rc.left + 40, rc.top + 20), LU_RADIO_HOT);
        P::DrawRadio(dc, CPoint(rc.left + 58, rc.top + 20), LU_RADIO_DISABLED | LU_RADIO_CHECKED);
    });
    glyphCell("TopRound", [&](CRect rc) {
        P::DrawTopRound(dc, CPoint(rc.left + 10, rc.top + 20), base, t.GetThemeColor(4), FALSE);
        P::DrawTopRound(dc, CPoint(rc.left + 30, rc.top + 20), base, t.GetThemeColor(4), TRUE);
    });
    glyphCell("AlphaLine", [&](CRect rc) {
        for (int i = 0; i < 10; ++i)
            P::DrawAlphaLine(dc, CPoint(rc.left + 5, rc.top + 5 + i * 4), CPoint(rc.right - 5, rc.top + 5 + i * 4), base,
                             static_cast<short>(10 + i * 10));
    });
    glyphCell("ShortString", [&](CRect rc) {
        CString out;
        P::MakeShortString(dc, "高清多画面分割器", out, rc.Width() - 10);
        CRect text(rc.left + 5, rc.top, rc.right, rc.bottom);
        P::DrawHorizText(dc, out, text, TRUE);
    });

    struct Element {
        LPCSTR label;
        void (CLuTheme::*op)(CDC&, _LUDRAW_PARAM&);
        DWORD_PTR data;
        BOOL horz;
    };
    const Element elements[] = {
        {"Arrow", &CLuTheme::DrawScrollBarArrow, 1, FALSE}, {"Track", &CLuTheme::DrawScrollBarTrack, 0, TRUE},
        {"Thumb", &CLuTheme::DrawScrollBarHandle, 0, TRUE}, {"Button", &CLuTheme::DrawButton, 0, FALSE},
        {"GroupBox", &CLuTheme::DrawGroupBox, 0, FALSE},    {"CheckBox", &CLuTheme::DrawCheckBox, MAKELONG(1, 1), FALSE},
        {"RadioBox", &CLuTheme::DrawRadioBox, MAKELONG(1, 1), FALSE}, {"FrameRect", &CLuTheme::DrawFrameRect, 0, FALSE},
        {"ClientRect", &CLuTheme::DrawClientRect, 0, FALSE}, {"ComboArrow", &CLuTheme::DrawComboBoxArrow, 0, FALSE},
        {"Splitter", &CLuTheme::DrawSplitter, 0, TRUE},      {"TClose", &CLuTheme::DrawTCloseButton, 0, FALSE},
        {"Caption", &CLuTheme::DrawCaption, 0, FALSE},       {"Caption2", &CLuTheme::DrawCaption2, 0, FALSE},
        {"AButton", &CLuTheme::DrawAButton, 3, FALSE},       {"CButton", &CLuTheme::DrawCButton, 0, FALSE},
        {"Separator", &CLuTheme::DrawSeparator, 0, TRUE},    {"Padding", &CLuTheme::DrawFramePadding, 0, FALSE},
        {"Tab", &CLuTheme::DrawTab, 1, FALSE},               {"NcStatus", &CLuTheme::DrawNcStatusBar, 3, FALSE},
        {"SizeGrip", &CLuTheme::DrawStatusBarGripper, 0, FALSE}, {"Text", &CLuTheme::DrawText, 0, FALSE},
    };
    for (const Element& e : elements) {
        CRect rc = g.Next(e.label);
        _LUDRAW_PARAM p;
        p.rect = CRect(rc.left + 4, rc.top + 8, rc.right - 4, rc.bottom - 8);
        p.rcText = CRect(rc.left + 10, rc.top + 12, rc.right - 10, rc.bottom - 12);
        p.bEnabled = TRUE;
        p.bHorz = e.horz;
        p.bItem = TRUE;
        p.dwData = e.data;
        p.dwStyle = e.op == &CLuTheme::DrawButton ? LU_STYLE_DEFBUTTON : 0;
        p.strText = "确定";
        if (e.op == &CLuTheme::DrawSeparator) {
            p.dwData = t.GetThemeColor(5);
            p.dwData2 = t.GetThemeColor(4);
        }
        (t.*e.op)(dc, p);
    }
}

class CGalleryWnd : public CWnd {
protected:
    void OnPaint()
    {
        CPaintDC dc(this);
        DrawGallery(dc);
    }
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void PostNcDestroy() override { ::PostQuitMessage(0); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CGalleryWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

// Renders the gallery into a 32-bit bitmap file.
bool SaveBitmap(const char* path)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    void* pBits = nullptr;
    if (!bitmap.CreateDIBSection32(kWidth, kHeight, &pBits) || pBits == nullptr)
        return false;
    HGDIOBJ old = dc.SelectObject(&bitmap);
    DrawGallery(dc);
    ::GdiFlush();
    const bool ok = gallery::WriteBitmapFile(pBits, kWidth, kHeight, path);
    dc.SelectObject(old);
    return ok;
}

}  // namespace

// Pages of their own files, chosen with "--page NAME [--save FILE]".
int RunControlsPage(const char* savePath);
int RunFramePage(const char* pszSave);
int RunMenuPage(const char* savePath);

int main(int argc, char** argv)
{
    HINSTANCE hInst = ::GetModuleHandleW(nullptr);
    LuLibAux::InitLuLib(hInst, nullptr);
    int result = 0;
    const char* pszPage = nullptr;
    const char* pszSave = nullptr;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--page") == 0)
            pszPage = argv[i + 1];
        else if (std::strcmp(argv[i], "--save") == 0)
            pszSave = argv[i + 1];
    }
    if (pszPage != nullptr) {
        if (std::strcmp(pszPage, "controls") == 0) {
            result = RunControlsPage(pszSave);
        } else if (std::strcmp(pszPage, "frame") == 0) {
            result = RunFramePage(pszSave);
        } else if (std::strcmp(pszPage, "menu") == 0) {
            result = RunMenuPage(pszSave);
        } else {
            std::fprintf(stderr, "unknown page %s\n", pszPage);
            result = 2;
        }
    } else if (argc == 3 && std::strcmp(argv[1], "--save") == 0) {
        result = SaveBitmap(argv[2]) ? 0 : 1;
        if (result != 0)
            std::fprintf(stderr, "cannot write %s\n", argv[2]);
    } else {
        CGalleryWnd* pWnd = new CGalleryWnd;
        if (pWnd->CreateEx(0, nullptr, "LuLib gallery", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                           kWidth + 16, kHeight + 40, nullptr, nullptr)) {
            MSG msg;
            while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        }
        delete pWnd;
    }
    LuLibAux::UninitLuLib(hInst, nullptr);
    return result;
}
