#include "FrameOutline.h"

namespace Module5 {

namespace {

QPolygon roundedTop(int w)
{
    QPolygon p;
    p << QPoint(0, 5) << QPoint(1, 3) << QPoint(2, 2) << QPoint(3, 1) << QPoint(5, 0)
      << QPoint(w - 5, 0) << QPoint(w - 3, 1) << QPoint(w - 2, 2) << QPoint(w - 1, 3)
      << QPoint(w, 5);
    return p;
}

} // namespace

QPolygon MainWindowOutline(QSize size)
{
    const int w = size.width();
    const int h = size.height();
    QPolygon p = roundedTop(w);
    p << QPoint(w, h) << QPoint(0, h);
    return p;
}

QPolygon PopUpOutline(QSize size)
{
    const int w = size.width();
    const int h = size.height();
    QPolygon p = roundedTop(w);
    p << QPoint(w, h - 7) << QPoint(w - 2, h - 3) << QPoint(w - 3, h - 2) << QPoint(w - 7, h)
      << QPoint(7, h) << QPoint(3, h - 2) << QPoint(2, h - 3) << QPoint(0, h - 7);
    return p;
}

QRegion OutlineRegion(const QPolygon &outline)
{
    return QRegion(outline, Qt::WindingFill);
}

} // namespace Module5
