#include "BorderOutline.h"

namespace Module5 {

QRect BorderOutlineRect(int topf, int leftf, int bottf, int rightf)
{
    return QRect(QPoint(leftf, topf), QPoint(rightf, bottf));
}

QRect BorderOutlineRect(const QRect &control)
{
    // -30 twips and +15 twips at 15 twips per pixel.
    const int topf = control.y() - 2;
    const int leftf = control.x() - 2;
    const int bottf = control.y() + control.height() + 1;
    const int rightf = control.x() + control.width() + 1;
    return BorderOutlineRect(topf, leftf, bottf, rightf);
}

QColor BorderColour(int inout)
{
    if (inout == 1)
        return QColor(178, 217, 246);
    if (inout == 2)
        return QColor(Qt::transparent);
    return QColor(0xC0, 0xC0, 0xC0);
}

} // namespace Module5
