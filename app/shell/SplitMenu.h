// The split menu of the control view's 新建场景 button and the layouts of its commands. The menu
// is the "mpd" popup of menu 130, cut to the configured MPD count: its eight groups (单画面全屏,
// 双画面分割, 三画面分割, 四画面分割, 六画面分割, 九画面分割, 十二画面分割, 十六画面分割) lose
// groups from the end as M (the MPD count minus 1) gets smaller, the first group lists
// "MPD%d全屏" for 1..M, and the four-way group keeps "2x2分割" and "1x4分割".
#pragma once

#include <windows.h>

// The first "MPD%d全屏" command; MPD n is 2048 + (n - 1).
const UINT SPLIT_FULL_FIRST = 2048;
// The last full-screen command that does something (MPD 17, which sets one window).
const UINT SPLIT_FULL_LAST = 2064;

enum SplitGroup {
    SPLIT_GROUP_FULL = 0,      // 单画面全屏
    SPLIT_GROUP_FOUR = 3,      // 四画面分割
    SPLIT_GROUP_COUNT = 8
};

// The layout a split command sets before a new scene: the working MPD count and the sub-grid
// (the wall is always 1 x 1).
struct SplitLayout {
    int mpdCount = 0;
    int subRows = 0;
    int subColumns = 0;
};

// The layout of split command nID; false for an id that is none.
bool SplitLayoutFor(UINT nID, SplitLayout* pLayout);

// How many groups are taken from the end of the popup for M.
int SplitGroupsRemoved(int nM);

// Cuts the "mpd" popup hMpd (owned by the caller) for M, in place. False when the popup does
// not have the eight groups.
bool BuildSplitMenu(HMENU hMpd, int nM);
