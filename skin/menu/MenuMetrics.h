// Metrics of the library's popup menus, in pixels, shared by the layout and tracking code.
#pragma once

namespace lumenu {

// Items.
constexpr int kSeparatorWidth = 46;
constexpr int kSeparatorHeight = 10;
constexpr int kIconColumn = 26;       // the image or check column at the item's left
constexpr int kTextGap = 6;           // text starts this far right of the icon column
constexpr int kArrowColumn = 14;      // room for the sub-menu arrow at the right
constexpr int kArrowRight = 7;        // the arrow's left edge is this (plus 3) from the right
constexpr int kTextItemExtraX = kIconColumn + kTextGap + kTextGap + kArrowColumn;  // 52
constexpr int kTextItemExtraY = 11;   // text height doubled, plus 3, plus 4 above and below
constexpr int kMaxTextWidth = 300;    // longer texts are shortened with "..."
constexpr int kItemTextBuffer = 256;

// The menu: widest item + 2 by the sum of the item heights + 6; items start 2 rows down.
constexpr int kMenuExtraX = 2;
constexpr int kMenuExtraY = 6;
constexpr int kMenuMarginY = 2;

// The popup window: a 1-pixel frame, and a 4-pixel shadow outside it at right and bottom. The
// window is the menu size plus 6 across and plus 4 down.
constexpr int kFrameLeft = 1;
constexpr int kFrameTop = 1;
constexpr int kFrameRight = 5;
constexpr int kFrameBottom = 5;
constexpr int kShadowWidth = 4;
constexpr int kWindowExtraX = 6;
constexpr int kWindowExtraY = 4;

// A sub-menu opens beside its item: 4 pixels over the parent's right edge, or to the left.
constexpr int kSubMenuOverlap = 4;
constexpr int kSubMenuFlipExtra = 8;
// Opening upwards leaves this much between the menu and its anchor.
constexpr int kAboveGap = 4;

// Resting this long on an item opens its sub-menu; leaving an open one's item closes it.
constexpr unsigned kHoverDelayMs = 400;
constexpr unsigned kHoverTickMs = 50;
constexpr unsigned kHoverTimerID = 0x4C4D;

// Fade-in: constant alpha 16, 32, ... 240.
constexpr int kFadeFrames = 15;
constexpr int kFadeStep = 16;

}  // namespace lumenu
