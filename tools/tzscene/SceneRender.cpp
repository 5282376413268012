// "render": the wall as the wall view draws it (app/core/wall/CellDraw_win.cpp), in SVG: every
// top-level cell with a one-pixel black frame, its inside grey (green when selected), its label
// in white centred in the cell less 10 px at the top, an MPD region's PIP windows over it in list
// order; members of a combined cell are not drawn. Coordinates are the file's view pixels.
#include "tools/common/ToolOutput.h"
#include "tools/tzscene/SceneTools.h"

#include <algorithm>
#include <climits>

namespace {

const char kFrameColor[] = "#000000";
const char kSelectedColor[] = "#246A40";  // RGB(36, 106, 64)
const char kPlainColor[] = "#646464";     // RGB(100, 100, 100)
const char kLabelColor[] = "#FFFFFF";
const int kLabelTopMargin = 10;
// The message font of a Windows desktop: 9 points at 96 dpi.
const int kLabelPixels = 12;

std::string escaped(const std::string& text)
{
    std::string e;
    for (char c : text) {
        switch (c) {
        case '&': e += "&amp;"; break;
        case '<': e += "&lt;"; break;
        case '>': e += "&gt;"; break;
        case '"': e += "&quot;"; break;
        default: e += c;
        }
    }
    return e;
}

std::string num(int v) { return std::to_string(v); }

void drawCell(const CCell& cell, std::string& svg)
{
    if (cell.isMember())
        return;
    const WallRect& r = cell.rect();
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    // The frame: the outermost pixel ring of the rectangle.
    svg += "<rect x=\"" + num(r.left) + "\" y=\"" + num(r.top) + "\" width=\"" + num(width) +
           "\" height=\"" + num(height) + "\" fill=\"" + kFrameColor + "\"/>\n";
    if (width > 2 && height > 2)
        svg += "<rect x=\"" + num(r.left + 1) + "\" y=\"" + num(r.top + 1) + "\" width=\"" +
               num(width - 2) + "\" height=\"" + num(height - 2) + "\" fill=\"" +
               (cell.isSelected() ? kSelectedColor : kPlainColor) + "\"/>\n";
    const std::string label = utf8Of(cell.label());
    if (!label.empty()) {
        const int cx = r.left + width / 2;
        const int cy = r.top + kLabelTopMargin + (height - kLabelTopMargin) / 2;
        svg += "<text x=\"" + num(cx) + "\" y=\"" + num(cy) + "\" fill=\"" + kLabelColor +
               "\" font-size=\"" + num(kLabelPixels) +
               "\" text-anchor=\"middle\" dominant-baseline=\"central\">" + escaped(label) +
               "</text>\n";
    }
    for (const CCell* pip : cell.pips())
        drawCell(*pip, svg);
}

// The area the cells cover (the wall's view rectangle is not in the file).
WallRect extent(const CCellList& cells)
{
    WallRect e{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (const CCell* cell : cells) {
        const WallRect& r = cell->rect();
        e.left = std::min({e.left, r.left, r.right});
        e.top = std::min({e.top, r.top, r.bottom});
        e.right = std::max({e.right, r.left, r.right});
        e.bottom = std::max({e.bottom, r.top, r.bottom});
    }
    if (e.left > e.right)
        e = WallRect{0, 0, 1, 1};
    return e;
}

}  // namespace

std::string sceneSvg(const SceneReport& report)
{
    const WallRect e = extent(report.wall->cells());
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"" +
                      num(e.left) + " " + num(e.top) + " " + num(e.right - e.left) + " " +
                      num(e.bottom - e.top) + "\" width=\"" + num(e.right - e.left) +
                      "\" height=\"" + num(e.bottom - e.top) +
                      "\" font-family=\"Microsoft YaHei, WenQuanYi Micro Hei, sans-serif\">\n";
    for (const CCell* cell : report.wall->cells())
        drawCell(*cell, svg);
    return svg + "</svg>\n";
}
