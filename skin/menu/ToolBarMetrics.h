// Metrics of the library's toolbar, in pixels.
#pragma once

namespace lutoolbar {

constexpr int kSeparatorSize = 8;   // a separator's slot, both ways
constexpr int kButtonPadding = 8;   // around an image or a hosted control, both ways
constexpr int kCaptionGap = 3;      // between the image and the caption
constexpr int kDropWidth = 16;      // the arrow part of a drop-down button
constexpr int kSeparatorInset = 3;  // the separator line is this much shorter at both ends
constexpr int kTailSize = 10;       // the non-client tail at the bar's end

}  // namespace lutoolbar
