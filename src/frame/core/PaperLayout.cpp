#include "PaperLayout.h"

#include "FrameMetrics.h"

#include <algorithm>

namespace Module5 {

namespace {

int atLeastZero(int v)
{
    return std::max(v, 0);
}

// The smallest whole number of pixels that is more than `twips`.
int pixelsAbove(int twips)
{
    return twips / kTwipsPerPixel + 1;
}

bool leftZone(QPoint at) { return at.x() < kGrabBand; }
bool topZone(QPoint at) { return at.y() < kGrabBand; }
bool rightZone(QPoint at, QSize outer) { return at.x() > outer.width() - kGrabBand; }
bool bottomZone(QPoint at, QSize outer) { return at.y() > outer.height() - kGrabBand; }

} // namespace

QSize MinimumPaperSize()
{
    return {pixelsAbove(kMinWidthTwips), pixelsAbove(kMinHeightTwips)};
}

PaperRects LayoutPaper(QSize client, bool sheetShown)
{
    const int w = client.width();
    const int h = client.height();
    const int top = kTopBarHeight + kStripHeight;
    PaperRects r;

    r.scnTabBG = QRect(kEdgeWidth, kTopBarHeight, atLeastZero(w - 2 * kEdgeWidth), kStripHeight);
    const int buttonTop = (kStripHeight - kToolbarButtonSize.height()) / 2;
    int left = kToolbarGap;
    for (int b = 0; b < 4; ++b) {
        r.toolbar[b] = QRect(QPoint(left, buttonTop), kToolbarButtonSize);
        left += kToolbarButtonSize.width() + kToolbarGap;
    }
    const int nextLeft = r.scnTabBG.width() - kToolbarButtonSize.width() - kToolbarGap;
    r.toolbar[5] = QRect(QPoint(nextLeft, buttonTop), kToolbarButtonSize);
    r.toolbar[4] = QRect(QPoint(nextLeft - kToolbarButtonSize.width() - kToolbarGap, buttonTop),
                         kToolbarButtonSize);
    r.paperSum = QRect(QPoint(w - kSheetWidth, (kStripHeight - kPenSize.height()) / 2), kPenSize);

    const int sheetHeight = atLeastZero(h - top - kBottomHeight);
    const int shownPageWidth = atLeastZero(w - kSheetWidth - kHandleStripWidth - 2 * kEdgeWidth);
    const int pageHeight = atLeastZero(h - top - kBarHeight - kBottomHeight);
    if (sheetShown) {
        r.ansBox = QRect(w - kEdgeWidth - kSheetWidth, top, kSheetWidth, sheetHeight);
        r.picHideAns = QRect(r.ansBox.x() - kHandleStripWidth, top, kHandleStripWidth, sheetHeight);
        r.browser = QRect(kEdgeWidth, top, shownPageWidth, pageHeight);
    } else {
        r.ansBox = QRect(w, top, kSheetWidth, sheetHeight);
        r.picHideAns = QRect(r.ansBox.x() - kHandleStripWidth - kEdgeWidth, top, kHandleStripWidth,
                             sheetHeight);
        r.browser = QRect(kEdgeWidth, top,
                          atLeastZero(w - kHandleStripWidth - 2 * kEdgeWidth), pageHeight);
    }
    r.imgHandle = QRect(QPoint(0, (sheetHeight - kHandleSize.height()) / 2), kHandleSize);
    r.qnTitleBG = QRect(kQnTitleLeft, top + mmToPixels(1.2),
                        atLeastZero(shownPageWidth - mmToPixels(6.4)), kBarHeight);
    r.remQnsBG = QRect(kEdgeWidth, r.browser.y() + r.browser.height(), r.browser.width(),
                       kBarHeight);
    r.picInstruction = QRect(QPoint((kSheetWidth - kInstructionSize.width()) / 2,
                                    sheetHeight - kInstructionSize.height()),
                             kInstructionSize);
    r.sizer = QRect(QPoint(w - kSizerSize.width() - mmToPixels(0.6),
                           h - kSizerSize.height() - mmToPixels(0.6)),
                    kSizerSize);
    return r;
}

QRect PaperStartGeometry(const QRect &screen)
{
    return QRect(screen.x() + screen.width() / 10, screen.y() + screen.height() / 10,
                 screen.width() * 8 / 10, screen.height() * 8 / 10);
}

bool InResizeCorner(QPoint at, QSize outer)
{
    return rightZone(at, outer) && bottomZone(at, outer);
}

Qt::CursorShape ResizeCursorAt(QPoint at, QSize outer)
{
    // Later rules override earlier ones, so corners show diagonals.
    Qt::CursorShape shape = Qt::ArrowCursor;
    const bool l = leftZone(at), t = topZone(at);
    const bool r = rightZone(at, outer), b = bottomZone(at, outer);
    if (l || r)
        shape = Qt::SizeHorCursor;
    if (t || b)
        shape = Qt::SizeVerCursor;
    if ((l && t) || (r && b))
        shape = Qt::SizeFDiagCursor;
    if ((l && b) || (r && t))
        shape = Qt::SizeBDiagCursor;
    return shape;
}

QPoint SnapToEdges(QPoint at, QSize outer)
{
    QPoint p = at;
    if (leftZone(at))
        p.setX(0);
    if (topZone(at))
        p.setY(0);
    if (rightZone(at, outer))
        p.setX(outer.width() - 1);
    if (bottomZone(at, outer))
        p.setY(outer.height() - 1);
    return p;
}

QSize DraggedSize(QPoint at, QSize current)
{
    // The cursor sits on the last pixel, so the size reaches one past it.
    const int w = at.x() + 1;
    const int h = at.y() + 1;
    if (w <= 2 * kGrabBand || h <= 2 * kGrabBand)
        return current;
    QSize size = current;
    if (w * kTwipsPerPixel > kMinWidthTwips)
        size.setWidth(w);
    if (h * kTwipsPerPixel > kMinHeightTwips)
        size.setHeight(h);
    return size;
}

} // namespace Module5
