// A full TzView.ini as an installation keeps it: all four matrices with 255 named inputs, the
// port maps of the three video matrices, the application and panel sections. GBK, CRLF.
#pragma once

#include <cstdio>
#include <string>

namespace profiletest {

inline std::string fullViewProfile()
{
    static const char* const sections[] = {"CVBS_Matrix", "VGA_Matrix", "DVI_Matrix", "COMMON_Matrix"};
    // "会议室" / "监控" / "摄像机" prefixes, so names run from short to past their 19-byte slot.
    static const char* const prefixes[] = {"\xBB\xE1\xD2\xE9\xCA\xD2", "\xBC\xE0\xBF\xD8",
                                           "\xC9\xE3\xCF\xF1\xBB\xFA\xD6\xF7\xCA\xD3\xBD\xC7"};
    std::string text =
        "[application]\r\nmpdnums=7\r\nresolution=6\r\nmpdresolution=5\r\ncells=1x1\r\n"
        "mpdsubcells=2x2\r\nsubcolorR=16\r\nsubcolorG=32\r\nsubcolorB=64\r\nsubsource=2\r\n"
        "recentfilename=C:\\TaveloPro\\\xB3\xA1\xBE\xB0\\\xBB\xE1\xD2\xE9.tzs\r\n\r\n";
    char line[96];
    for (int m = 0; m < 4; ++m) {
        std::snprintf(line, sizeof(line), "[%s]\r\nnumofinput=255\r\ndevfactory=%d\r\ndevno=%d\r\n", sections[m], m + 1, 10 + m);
        text += line;
        if (m < 3) {
            for (int i = 1; i <= 255; ++i) {
                std::snprintf(line, sizeof(line), "drv%d=%d\r\n", i, 256 - i);
                text += line;
            }
            for (int i = 1; i <= 255; ++i) {
                std::snprintf(line, sizeof(line), "mpd%d=%d\r\n", i, (i * 7) % 255 + 1);
                text += line;
            }
        }
        for (int i = 1; i <= 255; ++i) {
            std::snprintf(line, sizeof(line), "input%d=%s%d\r\n", i, prefixes[i % 3], i);
            text += line;
        }
        text += "\r\n";
    }
    text += "[manuset]\r\nmanumode=1\r\nwidth=1200\r\nheight=680\r\nleftedge=3\r\nrightedge=3\r\n"
            "topedge=2\r\nbottomedge=2\r\n";
    return text;
}

}  // namespace profiletest
