#include "tools/tzsim/WallSvg.h"
#include "tools/tzsim/TextFormat.h"

#include <algorithm>

namespace tzsim {

namespace {

constexpr int kPanelW = 192;
constexpr int kPanelH = 108;
constexpr int kMargin = 10;

std::string escape(const std::string& s)
{
    std::string out;
    for (char c : s) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else out += c;
    }
    return out;
}

std::string text(int x, int y, int size, const char* fill, const std::string& content)
{
    return format("<text x=\"%d\" y=\"%d\" font-size=\"%d\" fill=\"%s\" text-anchor=\"middle\" "
                  "font-family=\"WenQuanYi Micro Hei, sans-serif\">", x, y, size, fill) + escape(content) + "</text>\n";
}

}  // namespace

const char* inputTypeText(int type)
{
    // Sources are UTF-8 and so is SVG; u8 keeps these out of the build's GBK literal encoding.
    switch (type) {
    case 0: return u8"MPD通道";
    case 1: return u8"主视频";
    case 2: return u8"本地VGA";
    case 3: return u8"本地视频";
    case 4: return u8"TTL";
    case 5: return u8"本地YUV";
    case 6: return u8"本地DVI";
    default: return "";
    }
}

std::string wallSvg(const Processor& p)
{
    const WallConfig& w = p.wall();
    const DeviceState& s = p.state();
    const int width = w.columns * kPanelW + 2 * kMargin;
    const int height = w.rows * kPanelH + 2 * kMargin + 24;
    std::string svg = format("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" "
                             "viewBox=\"0 0 %d %d\">\n", width, height, width, height);
    svg += format("<rect width=\"%d\" height=\"%d\" fill=\"#202020\"/>\n", width, height);

    // Panels, and the bounding box of those that show the MPD channel: the MPD region.
    std::string combined;   // outlines drawn over everything else
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    for (int n = 1; n <= w.panelCount(); ++n) {
        const int x = kMargin + ((n - 1) % w.columns) * kPanelW;
        const int y = kMargin + ((n - 1) / w.columns) * kPanelH;
        const auto it = s.boards.find(n + w.mpdCount);
        const int input = it == s.boards.end() ? -1 : it->second.input;
        svg += format("<rect class=\"panel\" data-panel=\"%d\" x=\"%d\" y=\"%d\" width=\"%d\" "
                      "height=\"%d\" fill=\"#646464\" stroke=\"black\"/>\n",
                      n, x, y, kPanelW, kPanelH);
        svg += text(x + kPanelW / 2, y + 16, 12, "white", format("%d", n));
        if (input > 0)
            svg += text(x + kPanelW / 2, y + kPanelH - 8, 12, "white", inputTypeText(input));
        if (input == 0) {
            left = std::min(left, x);
            top = std::min(top, y);
            right = std::max(right, x + kPanelW);
            bottom = std::max(bottom, y + kPanelH);
        }
        // Combined areas, drawn once from their first member.
        if (it != s.boards.end() && it->second.order == 1 &&
            it->second.columns * it->second.rows > 1) {
            const int cw = std::min(it->second.columns, w.columns - (n - 1) % w.columns);
            const int ch = std::min(it->second.rows, w.rows - (n - 1) / w.columns);
            combined += format("<rect class=\"combined\" x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" "
                          "fill=\"none\" stroke=\"#f0c000\" stroke-width=\"3\"/>\n",
                          x + 2, y + 2, cw * kPanelW - 4, ch * kPanelH - 4);
        }
    }

    if (right > left) {
        svg += format("<rect class=\"mpd\" x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" "
                      "fill=\"#246a40\" fill-opacity=\"0.5\" stroke=\"#40c0ff\" "
                      "stroke-width=\"2\"/>\n", left, top, right - left, bottom - top);
        const double sx = static_cast<double>(right - left) / w.mpdWidth;
        const double sy = static_cast<double>(bottom - top) / w.mpdHeight;
        for (const auto& [number, pip] : s.pips) {
            if (!pip.on)
                continue;
            const int x = left + static_cast<int>(pip.x * sx);
            const int y = top + static_cast<int>(pip.y * sy);
            const int pw = std::max(4, static_cast<int>(pip.width * sx));
            const int ph = std::max(4, static_cast<int>(pip.height * sy));
            svg += format("<rect class=\"pip\" data-window=\"%d\" x=\"%d\" y=\"%d\" width=\"%d\" "
                          "height=\"%d\" fill=\"#646464\" fill-opacity=\"%.2f\" stroke=\"black\"/>\n",
                          number, x, y, pw, ph, 1.0 - std::min(pip.transparency, 100) / 200.0);
            svg += text(x + pw / 2, y + ph / 2 + 4, 11, "white",
                        format("MPD%d %s", number - 1, inputTypeText(pip.input)));
        }
    }

    svg += combined;
    std::string status = s.powerOn ? "power on" : "standby";
    if (s.resolution >= 0)
        status += format(", resolution %d", s.resolution);
    status += format(", %zu crosspoints", s.crosspoints.size());
    svg += text(width / 2, height - 8, 12, "#c0c0c0", status);
    if (!s.powerOn)
        svg += format("<rect width=\"%d\" height=\"%d\" fill=\"black\" fill-opacity=\"0.6\"/>\n",
                      width, height - 24);
    svg += "</svg>\n";
    return svg;
}

}  // namespace tzsim
