#pragma once

#include <QSize>

// Design sizes of the frame pieces and picture buttons, in pixels. Layout
// uses these, not the sizes of the picture files, which are stretched to fit.
namespace Module5 {

inline constexpr int kTwipsPerPixel = 15;

inline constexpr QSize kTopCornerSize{48, 28}; // BTopLeft, BTopRight
inline constexpr int kTopBarHeight = 28;
inline constexpr int kEdgeWidth = 4;    // BLeft, BRight
inline constexpr int kBottomHeight = 4; // BBot
inline constexpr QSize kMainBottomCorner{6, 4};  // border_left/right_corners.bmp
inline constexpr QSize kPopUpBottomCorner{6, 7}; // Border_bot_left/right.gif

inline constexpr QSize kWindowButtonSize{19, 19};
inline constexpr QSize kIconSize{16, 16};
inline constexpr QSize kToolbarButtonSize{44, 45}; // 660 x 675 twips
inline constexpr QSize kToolbarCaptionSize{44, 17}; // 660 x 255 twips, at the button's foot
inline constexpr QSize kButtonSize{80, 25};
inline constexpr QSize kLoadButtonSize{35, 14};
inline constexpr QSize kFrontTabSize{79, 27};
inline constexpr QSize kBackTabSize{79, 26};

// Point sizes of the two fonts of the frame.
inline constexpr double kTitlePointSize = 9.75;
inline constexpr double kLabelPointSize = 8.25;

// Design distances given in millimetres, in whole pixels at 96 dots per inch.
constexpr int mmToPixels(double mm)
{
    const double px = mm * 96.0 / 25.4;
    return static_cast<int>(px + 0.5);
}

constexpr int twipsToPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

} // namespace Module5
