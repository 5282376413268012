#include "app/shell/SplitMenu.h"

#include "fx/core/String.h"

namespace {

const UINT ID_SPLIT_1X2 = 32846;
const UINT ID_SPLIT_3 = 32847;
const UINT ID_SPLIT_2X2 = 32830;
const UINT ID_SPLIT_1X4 = 32831;
const UINT ID_SPLIT_2X3 = 32835;
const UINT ID_SPLIT_3X2 = 32836;
const UINT ID_SPLIT_3X3 = 32837;
const UINT ID_SPLIT_3X4 = 32838;
const UINT ID_SPLIT_4X3 = 32839;
const UINT ID_SPLIT_2X6 = 32840;
const UINT ID_SPLIT_4X4 = 32841;
const UINT ID_SPLIT_2X8 = 32842;

struct SplitRow {
    UINT nID;
    SplitLayout layout;
};

const SplitRow SPLIT_TABLE[] = {
    {ID_SPLIT_1X2, {2, 1, 2}},  {ID_SPLIT_3, {3, 2, 2}},    {ID_SPLIT_2X2, {4, 2, 2}},
    {ID_SPLIT_1X4, {4, 1, 4}},  {ID_SPLIT_2X3, {6, 2, 3}},  {ID_SPLIT_3X2, {6, 3, 2}},
    {ID_SPLIT_3X3, {9, 3, 3}},  {ID_SPLIT_3X4, {12, 3, 4}}, {ID_SPLIT_4X3, {12, 4, 3}},
    {ID_SPLIT_2X6, {12, 2, 6}}, {ID_SPLIT_4X4, {16, 4, 4}}, {ID_SPLIT_2X8, {16, 2, 8}},
};

// The four-way group keeps its first two items.
const int FOUR_GROUP_KEPT = 2;
// Full-screen commands past MPD 16 set one window.
const int FULL_SCREEN_COUNTS = 16;

}  // namespace

bool SplitLayoutFor(UINT nID, SplitLayout* pLayout)
{
    SplitLayout layout;
    if (nID >= SPLIT_FULL_FIRST && nID <= SPLIT_FULL_LAST) {
        const int k = static_cast<int>(nID - SPLIT_FULL_FIRST);
        layout.mpdCount = k < FULL_SCREEN_COUNTS ? k + 1 : 1;
        layout.subRows = 1;
        layout.subColumns = 1;
    } else {
        bool bFound = false;
        for (const SplitRow& row : SPLIT_TABLE) {
            if (row.nID == nID) {
                layout = row.layout;
                bFound = true;
                break;
            }
        }
        if (!bFound)
            return false;
    }
    if (pLayout != nullptr)
        *pLayout = layout;
    return true;
}

int SplitGroupsRemoved(int nM)
{
    if (nM >= 12 && nM <= 15)
        return 1;
    if (nM >= 9 && nM <= 11)
        return 2;
    if (nM >= 6 && nM <= 8)
        return 3;
    if (nM >= 4 && nM <= 5)
        return 4;
    return 0;
}

bool BuildSplitMenu(HMENU hMpd, int nM)
{
    if (hMpd == nullptr || ::GetMenuItemCount(hMpd) != SPLIT_GROUP_COUNT)
        return false;
    for (int n = SplitGroupsRemoved(nM); n > 0; --n)
        ::DeleteMenu(hMpd, static_cast<UINT>(::GetMenuItemCount(hMpd) - 1), MF_BYPOSITION);

    HMENU hFull = ::GetSubMenu(hMpd, SPLIT_GROUP_FULL);
    if (hFull != nullptr) {
        ::DeleteMenu(hFull, 0, MF_BYPOSITION);
        for (int n = 1; n <= nM; ++n) {
            CString text;
            text.Format("MPD%d全屏", n);
            ::AppendMenuW(hFull, MF_STRING, SPLIT_FULL_FIRST + static_cast<UINT>(n - 1), text.ToWide().c_str());
        }
    }
    HMENU hFour = ::GetSubMenu(hMpd, SPLIT_GROUP_FOUR);
    if (hFour != nullptr) {
        // The third and the fourth item (4x1 and 1+3) go; the fourth first, so positions hold.
        ::DeleteMenu(hFour, FOUR_GROUP_KEPT + 1, MF_BYPOSITION);
        ::DeleteMenu(hFour, FOUR_GROUP_KEPT, MF_BYPOSITION);
    }
    return true;
}
