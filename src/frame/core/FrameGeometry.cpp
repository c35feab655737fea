#include "FrameGeometry.h"

#include "FrameMetrics.h"

namespace Module5 {

FrameRects LayoutFrame(QSize client, QSize bottomCorner)
{
    const int w = client.width();
    const int h = client.height();
    FrameRects r;
    r.topLeft = QRect(QPoint(0, 0), kTopCornerSize);
    r.topRight = QRect(QPoint(w - kTopCornerSize.width(), 0), kTopCornerSize);
    r.topCentre = QRect(r.topLeft.x() + r.topLeft.width(), 0,
                        r.topRight.x() - r.topLeft.x() - r.topLeft.width(), kTopBarHeight);
    r.bottomLeft = QRect(QPoint(0, h - bottomCorner.height()), bottomCorner);
    r.bottomRight = QRect(QPoint(w - bottomCorner.width(), h - bottomCorner.height()), bottomCorner);
    const int edgeTop = r.topLeft.y() + r.topLeft.height();
    r.left = QRect(0, edgeTop, kEdgeWidth, r.bottomLeft.y() - edgeTop);
    r.right = QRect(w - kEdgeWidth, edgeTop, kEdgeWidth, r.bottomRight.y() - edgeTop);
    const int botLeft = r.bottomLeft.x() + r.bottomLeft.width();
    r.bottom = QRect(botLeft, h - kBottomHeight, r.bottomRight.x() - botLeft, kBottomHeight);
    return r;
}

int CentredInTopBar(int height)
{
    return (kTopBarHeight - height) / 2;
}

TopBarRects LayoutTopBar(int clientWidth, QSize titleSize, bool hasMaximise)
{
    const QSize b = kWindowButtonSize;
    const int top = CentredInTopBar(b.height());
    TopBarRects r;
    r.title = QRect(QPoint(mmToPixels(8.0), CentredInTopBar(titleSize.height())), titleSize);
    r.icon = QRect(QPoint(mmToPixels(2.4), CentredInTopBar(kIconSize.height())), kIconSize);
    r.close = QRect(QPoint(clientWidth - b.width() - mmToPixels(1.2), top), b);
    int next = r.close.x();
    if (hasMaximise) {
        r.max = QRect(QPoint(next - b.width() - mmToPixels(0.6), top), b);
        next = r.max.x();
    }
    r.min = QRect(QPoint(next - b.width() - mmToPixels(0.6), top), b);
    return r;
}

} // namespace Module5
