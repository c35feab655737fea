#pragma once

#include <QRect>
#include <QSize>

// Where the frame pieces and the top-bar controls of a skinned window go, in
// pixels of its client area. The top corners keep their size, the edges are
// stretched between them.
namespace Module5 {

struct FrameRects {
    QRect topLeft, topCentre, topRight;
    QRect left, right, bottom;
    QRect bottomLeft, bottomRight;
};

// `bottomCorner` is the size of the two bottom corner pictures (6 x 4 on the
// main and paper windows, 6 x 7 on the pop-up).
FrameRects LayoutFrame(QSize client, QSize bottomCorner);

struct TopBarRects {
    QRect title, icon;
    QRect close, max, min; // max is empty when the window has no maximise button
};

// Title 8.0 mm from the left, icon 2.4 mm, window buttons from the right end
// 1.2 mm and then 0.6 mm apart; everything centred in the 28-pixel top bar.
TopBarRects LayoutTopBar(int clientWidth, QSize titleSize, bool hasMaximise);

// The top of a control of `height` centred in the top bar.
int CentredInTopBar(int height);

} // namespace Module5
