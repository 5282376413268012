// Recalling presets by number, once or on a timer (the system settings dialog drives both): the
// device recalls preset n (0..19) on "设置预设场景". Timed recall cycles from the first to the
// last chosen preset inclusive, one recall per interval: the first at once when cycling starts,
// and after the last the first again.
#pragma once

#include "fx/seam/Win32Seam.h"

// Sends "设置预设场景" for preset n behind the progress window; a refusal is shown. TRUE on
// success.
BOOL recallPreset(int n);

class PresetCycle {
public:
    // Starts cycling over first .. last (a last below first cycles over first alone) and returns
    // the preset to recall at once.
    int start(int first, int last);
    // The preset to recall at the next interval; -1 when not cycling.
    int next();
    void stop() { m_nCurrent = -1; }
    bool running() const { return m_nCurrent >= 0; }

private:
    int m_nFirst = 0;
    int m_nLast = 0;
    int m_nCurrent = -1;
};
