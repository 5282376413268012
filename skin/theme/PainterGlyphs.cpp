// The painter's small glyphs, set pixel by pixel from fixed patterns so they look the same at
// every size of font and on every system.
#include "skin/theme/Painter.h"

#include "skin/theme/GdiWrappers.h"

#include <vector>

namespace {

struct Px {
    int x, y;
};

// The up arrow; the other directions are derived from it.
const Px kArrowUp[] = {{4, 0}, {3, 1}, {4, 1}, {5, 1}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2},
                       {1, 3}, {2, 3}, {3, 3}, {5, 3}, {6, 3}, {7, 3}, {0, 4}, {1, 4}, {2, 4},
                       {6, 4}, {7, 4}, {8, 4}, {1, 5}, {7, 5}};

const Px kCheckMark[] = {{6, 0}, {5, 1}, {6, 1}, {0, 2}, {4, 2}, {5, 2}, {6, 2}, {0, 3}, {1, 3}, {3, 3}, {4, 3},
                         {5, 3}, {0, 4}, {1, 4}, {2, 4}, {3, 4}, {4, 4}, {1, 5}, {2, 5}, {3, 5}, {2, 6}};

const Px kStatusDots[] = {{9, 1}, {5, 5}, {9, 5}, {1, 9}, {5, 9}, {9, 9}};

void SetPx(CDC& dc, POINT pt, int dx, int dy, COLORREF clr) { dc.SetPixelV(pt.x + dx, pt.y + dy, clr); }

// A light 2 x 2 square at (+1, +1) under a 2 x 2 square of the colour.
void Dot(CDC& dc, int x, int y, COLORREF clr)
{
    dc.FillSolidRect(x + 1, y + 1, 2, 2, CLuPainter::LightColor(clr, 90));
    dc.FillSolidRect(x, y, 2, 2, clr);
}

// Radio glyph tables: each entry is x in the top 4 bits, y in the next 4 and the colour in the
// low 24 bits. They are made once from the ring geometry of a 13 x 13 glyph (centre (6, 6),
// squared distance d): ring 25 <= d <= 41, hot overlay on the ring's inner edge 25 <= d <= 29,
// face d <= 24, dot d <= 5.
struct RadioTables {
    std::vector<DWORD> ring, ringPressed, hot, face, dot, ringDisabled, dotDisabled;
};

DWORD Entry(int x, int y, COLORREF clr)
{
    return (static_cast<DWORD>(x) << 28) | (static_cast<DWORD>(y) << 24) | (clr & 0xFFFFFF);
}

const RadioTables& Radio()
{
    static const RadioTables t = [] {
        RadioTables r;
        for (int y = 0; y < 13; ++y) {
            for (int x = 0; x < 13; ++x) {
                const int d = (x - 6) * (x - 6) + (y - 6) * (y - 6);
                // Lighter towards the top left, as if lit from there.
                const int shade = (x + y) * 3;
                if (d >= 25 && d <= 41) {
                    r.ring.push_back(Entry(x, y, RGB(28 + shade, 81 + shade, 128 + shade)));
                    r.ringPressed.push_back(Entry(x, y, RGB(20 + shade / 2, 60 + shade / 2, 100 + shade / 2)));
                    r.ringDisabled.push_back(Entry(x, y, RGB(169, 178, 230)));
                }
                if (d >= 25 && d <= 29)
                    r.hot.push_back(Entry(x, y, RGB(248, 179, 48)));
                if (d <= 24)
                    r.face.push_back(Entry(x, y, RGB(255 - shade, 255 - shade, 255 - shade / 2)));
                if (d <= 5) {
                    r.dot.push_back(Entry(x, y, RGB(33 + shade * 2, 161 + shade, 33 + shade * 2)));
                    r.dotDisabled.push_back(Entry(x, y, RGB(169, 178, 230)));
                }
            }
        }
        return r;
    }();
    return t;
}

void DrawTable(CDC& dc, POINT pt, const std::vector<DWORD>& table)
{
    for (DWORD e : table)
        dc.SetPixelV(pt.x + static_cast<int>(e >> 28), pt.y + static_cast<int>((e >> 24) & 0x0F), e & 0xFFFFFF);
}

}  // namespace

CSize CLuPainter::ArrowSize(LUARROW nKind)
{
    return nKind == LUARROW_LEFT || nKind == LUARROW_RIGHT ? CSize(6, 9) : CSize(9, 6);
}

void CLuPainter::DrawArrow(CDC& dc, POINT pt, COLORREF clr, LUARROW nKind)
{
    for (const Px& p : kArrowUp) {
        switch (nKind) {
        case LUARROW_UP: SetPx(dc, pt, p.x, p.y, clr); break;
        case LUARROW_DOWN: SetPx(dc, pt, p.x, 5 - p.y, clr); break;
        case LUARROW_LEFT: SetPx(dc, pt, p.y, p.x, clr); break;
        case LUARROW_RIGHT: SetPx(dc, pt, 5 - p.y, p.x, clr); break;
        default: return;
        }
    }
}

CSize CLuPainter::DArrowSize(LUARROW nKind)
{
    return nKind == LUARROW_LEFT || nKind == LUARROW_RIGHT ? CSize(8, 5) : CSize(5, 8);
}

void CLuPainter::DrawDArrow(CDC& dc, POINT pt, COLORREF clr, LUARROW nKind)
{
    static const int first[5] = {2, 1, 0, 1, 2};  // S(dx) = {first, first + 1}
    for (int dx = 0; dx < 5; ++dx) {
        for (int k = 0; k < 4; ++k) {
            const int dy = first[dx] + (k & 1) + (k & 2 ? 4 : 0);
            switch (nKind) {
            case LUARROW_UP: SetPx(dc, pt, dx, dy, clr); break;
            case LUARROW_DOWN: SetPx(dc, pt, dx, 7 - dy, clr); break;
            case LUARROW_LEFT: SetPx(dc, pt, dy, dx, clr); break;
            case LUARROW_RIGHT: SetPx(dc, pt, 7 - dy, dx, clr); break;
            default: return;
            }
        }
    }
}

CSize CLuPainter::CheckMarkSize() { return CSize(7, 7); }

void CLuPainter::DrawCheckMark(CDC& dc, POINT pt, COLORREF clr)
{
    for (const Px& p : kCheckMark)
        SetPx(dc, pt, p.x, p.y, clr);
}

CSize CLuPainter::CloseMarkSize() { return CSize(8, 7); }

void CLuPainter::DrawCloseMark(CDC& dc, POINT pt, COLORREF clr)
{
    CLuPen pen(clr);
    CScopedSelect select(dc, pen);
    auto line = [&](int x1, int y1, int x2, int y2) {
        dc.MoveTo(pt.x + x1, pt.y + y1);
        dc.LineTo(pt.x + x2, pt.y + y2);
    };
    line(0, 0, 7, 7);
    line(1, 0, 8, 7);
    line(6, 0, -1, 7);
    line(7, 0, 0, 7);
}

CSize CLuPainter::ScrollBarGripperSize(LUGRIPPER nKind)
{
    return nKind != LUGRIPPER_VERT ? CSize(8, 7) : CSize(7, 8);
}

void CLuPainter::DrawScrollBarGripper(CDC& dc, POINT pt, COLORREF clr, LUGRIPPER nKind)
{
    const COLORREF light = LightColor(clr, 90);
    for (int i = 0; i < 4; ++i) {
        if (nKind != LUGRIPPER_VERT) {
            dc.FillSolidRect(pt.x + 2 * i, pt.y, 1, 6, light);
            dc.FillSolidRect(pt.x + 2 * i + 1, pt.y + 1, 1, 6, clr);
        } else {
            dc.FillSolidRect(pt.x, pt.y + 2 * i, 6, 1, light);
            dc.FillSolidRect(pt.x + 1, pt.y + 2 * i + 1, 6, 1, clr);
        }
    }
}

CSize CLuPainter::ToolBarGripperSize(int nCount, LUGRIPPER nKind)
{
    return nKind != LUGRIPPER_VERT ? CSize(4 * nCount, 3) : CSize(3, 4 * nCount);
}

void CLuPainter::DrawToolBarGripper(CDC& dc, POINT pt, COLORREF clr, int nCount, LUGRIPPER nKind)
{
    for (int i = 0; i < nCount; ++i) {
        if (nKind != LUGRIPPER_VERT)
            Dot(dc, pt.x + 4 * i, pt.y, clr);
        else
            Dot(dc, pt.x, pt.y + 4 * i, clr);
    }
}

CSize CLuPainter::StatusBarGripperSize() { return CSize(11, 11); }

void CLuPainter::DrawStatusBarGripper(CDC& dc, POINT pt, COLORREF clr)
{
    for (const Px& p : kStatusDots)
        Dot(dc, pt.x + p.x - 1, pt.y + p.y - 1, clr);
}

CSize CLuPainter::RadioSize() { return CSize(13, 13); }

void CLuPainter::DrawRadio(CDC& dc, POINT pt, UINT nState)
{
    const RadioTables& t = Radio();
    const bool checked = (nState & 0x0F) == LU_RADIO_CHECKED;
    if (nState & LU_RADIO_DISABLED) {
        DrawTable(dc, pt, t.ringDisabled);
        if (checked)
            DrawTable(dc, pt, t.dotDisabled);
        return;
    }
    const UINT mode = (nState >> 4) & 0x0F;
    DrawTable(dc, pt, mode == 3 ? t.ringPressed : t.ring);
    if (mode == 1)
        DrawTable(dc, pt, t.hot);
    DrawTable(dc, pt, t.face);
    if (checked)
        DrawTable(dc, pt, t.dot);
}

void CLuPainter::DrawTopRound(CDC& dc, CPoint pt, COLORREF clr1, COLORREF clr2, BOOL bRight)
{
    static const char left[6][7] = {"100000", "211000", "002100", "000210", "000210", "000211"};
    static const char right[6][7] = {"000001", "000112", "001200", "012000", "010000", "112000"};
    const auto& table = bRight ? right : left;
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            if (table[y][x] == '1')
                dc.SetPixelV(pt.x + x, pt.y + y, clr1);
            else if (table[y][x] == '2')
                dc.SetPixelV(pt.x + x, pt.y + y, clr2);
        }
    }
}
