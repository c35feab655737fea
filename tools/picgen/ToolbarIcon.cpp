#include "ToolbarIcon.h"

#include "Palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

using namespace Palette;

namespace {

QLinearGradient vertical(const QColor &top, const QColor &bottom, qreal y0 = 0, qreal y1 = 24)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

QPen outline(const QColor &c, qreal w = 1.1)
{
    QPen pen(c, w);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// A round badge with a soft top light, used by close, about, back, forward.
void badge(QPainter &p, const QColor &c)
{
    QRadialGradient g(QPointF(9, 7), 16);
    g.setColorAt(0, c.lighter(140));
    g.setColorAt(1, c.darker(110));
    p.setPen(outline(c.darker(150), 1.0));
    p.setBrush(g);
    p.drawEllipse(QPointF(12, 12), 10.5, 10.5);
}

void home(QPainter &p)
{
    p.setPen(outline(QColor(0x8A, 0x5A, 0x2B)));
    p.setBrush(vertical(QColor(0xFF, 0xF7, 0xE3), QColor(0xF2, 0xDE, 0xB5), 10, 22));
    p.drawRect(QRectF(5, 10.5, 14, 11));
    p.setBrush(QColor(0xB8, 0x6B, 0x2E));
    p.drawRoundedRect(QRectF(10, 14.5, 4.2, 7), 1, 1);
    p.setBrush(QColor(0x9C, 0xCF, 0xF5));
    p.drawRect(QRectF(15.2, 13, 2.6, 2.6));
    p.setPen(outline(kRed.darker(140)));
    p.setBrush(QColor(0xA0, 0x4A, 0x32));
    p.drawRect(QRectF(15.5, 3.5, 2.6, 5));
    QPainterPath roof;
    roof.moveTo(1.5, 12);
    roof.lineTo(12, 2.5);
    roof.lineTo(22.5, 12);
    roof.lineTo(20, 12.8);
    roof.lineTo(12, 5.6);
    roof.lineTo(4, 12.8);
    roof.closeSubpath();
    p.setBrush(vertical(kRed.lighter(120), kRed.darker(115), 2, 13));
    p.drawPath(roof);
}

void report(QPainter &p)
{
    p.setPen(outline(QColor(0x5C, 0x6F, 0x88)));
    p.setBrush(vertical(Qt::white, QColor(0xEE, 0xF2, 0xF8)));
    p.drawRoundedRect(QRectF(3.5, 1.5, 17, 21), 1.8, 1.8);
    p.setPen(outline(QColor(0xB5, 0xC2, 0xD3), 1.0));
    p.drawLine(QPointF(6.5, 5), QPointF(17.5, 5));
    p.drawLine(QPointF(6.5, 7.6), QPointF(13.5, 7.6));
    p.setPen(outline(QColor(0x8C, 0x9B, 0xAE), 0.9));
    p.drawLine(QPointF(6, 19.5), QPointF(18, 19.5));
    const struct { qreal x, top; QColor c; } bars[] = {
        {6.8, 14.5, kOrange}, {10.6, 11.5, kGreen}, {14.4, 9.5, kBlue}};
    for (const auto &b : bars) {
        p.setPen(outline(b.c.darker(140), 0.8));
        p.setBrush(vertical(b.c.lighter(125), b.c, b.top, 19.5));
        p.drawRect(QRectF(b.x, b.top, 2.9, 19.5 - b.top));
    }
}

void print(QPainter &p)
{
    p.setPen(outline(QColor(0x7B, 0x86, 0x95)));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 2.5, 11, 8));
    p.setPen(outline(QColor(0x45, 0x52, 0x64)));
    p.setBrush(vertical(QColor(0xA9, 0xB6, 0xC8), QColor(0x5E, 0x6C, 0x80), 8, 18));
    p.drawRoundedRect(QRectF(2, 8.5, 20, 9.5), 2.2, 2.2);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen.lighter(130));
    p.drawEllipse(QPointF(18.3, 11.4), 1.1, 1.1);
    p.setPen(outline(QColor(0x7B, 0x86, 0x95)));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 14.5, 11, 8));
    p.setPen(outline(kBlue.lighter(120), 0.9));
    p.drawLine(QPointF(8.5, 17.3), QPointF(15.5, 17.3));
    p.drawLine(QPointF(8.5, 19.8), QPointF(13.5, 19.8));
}

void close(QPainter &p)
{
    badge(p, kRed);
    p.setPen(outline(Qt::white, 2.6));
    p.drawLine(QPointF(8.2, 8.2), QPointF(15.8, 15.8));
    p.drawLine(QPointF(15.8, 8.2), QPointF(8.2, 15.8));
}

void about(QPainter &p)
{
    badge(p, kBlue);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(12, 6.8), 1.75, 1.75);
    p.drawRoundedRect(QRectF(10.4, 9.8, 3.2, 8.8), 1.2, 1.2);
}

void trash(QPainter &p)
{
    p.setPen(outline(QColor(0x4A, 0x5A, 0x70)));
    QPainterPath body;
    body.moveTo(5.5, 7.5);
    body.lineTo(18.5, 7.5);
    body.lineTo(17.2, 22);
    body.lineTo(6.8, 22);
    body.closeSubpath();
    p.setBrush(vertical(QColor(0xB8, 0xC6, 0xD8), QColor(0x7F, 0x93, 0xAE), 7, 22));
    p.drawPath(body);
    p.setPen(outline(QColor(0x5C, 0x6E, 0x86), 1.0));
    for (qreal x : {9.3, 12.0, 14.7})
        p.drawLine(QPointF(x, 10), QPointF(x, 19.5));
    p.setPen(outline(QColor(0x4A, 0x5A, 0x70)));
    p.setBrush(vertical(QColor(0xD0, 0xDA, 0xE7), QColor(0x94, 0xA6, 0xBE), 4, 7.5));
    p.drawRoundedRect(QRectF(3.5, 4.5, 17, 3), 1, 1);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(9.2, 2, 5.6, 2.5), 1, 1);
}

void setup(QPainter &p)
{
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 4; ++i) {
        const qreal a = (i / qreal(teeth * 4)) * 2 * M_PI - M_PI / 2;
        const qreal r = (i % 4 == 0 || i % 4 == 1) ? 10.5 : 7.8;
        const QPointF pt(12 + r * std::cos(a), 12 + r * std::sin(a));
        if (i == 0)
            gear.moveTo(pt);
        else
            gear.lineTo(pt);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(QPointF(12, 12), 3.4, 3.4);
    p.setPen(outline(QColor(0x45, 0x52, 0x64)));
    p.setBrush(vertical(QColor(0xB6, 0xC2, 0xD2), QColor(0x66, 0x75, 0x8A)));
    p.drawPath(gear.subtracted(hole));
    p.setPen(outline(QColor(0x45, 0x52, 0x64), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(12, 12), 6.0, 6.0);
}

void save(QPainter &p)
{
    QPainterPath disk;
    disk.moveTo(3, 4);
    disk.quadTo(3, 3, 4, 3);
    disk.lineTo(18, 3);
    disk.lineTo(21, 6);
    disk.lineTo(21, 20);
    disk.quadTo(21, 21, 20, 21);
    disk.lineTo(4, 21);
    disk.quadTo(3, 21, 3, 20);
    disk.closeSubpath();
    p.setPen(outline(kBlue.darker(160)));
    p.setBrush(vertical(kBlue.lighter(125), kBlue.darker(115), 3, 21));
    p.drawPath(disk);
    p.setPen(outline(QColor(0x7A, 0x88, 0x9A), 0.8));
    p.setBrush(vertical(QColor(0xF0, 0xF3, 0xF7), QColor(0xC6, 0xCF, 0xDA), 3, 9));
    p.drawRect(QRectF(7, 3.2, 9.5, 6.3));
    p.setBrush(kBlue.darker(140));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(13, 4.3, 2.2, 4));
    p.setPen(outline(QColor(0x9D, 0xAB, 0xBD), 0.8));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(6, 12.5, 12, 8.5), 1, 1);
    p.setPen(outline(QColor(0xE0, 0x6A, 0x5A), 0.9));
    p.drawLine(QPointF(8, 15.2), QPointF(16, 15.2));
    p.setPen(outline(QColor(0xB9, 0xC4, 0xD2), 0.9));
    p.drawLine(QPointF(8, 18), QPointF(16, 18));
}

void mark(QPainter &p)
{
    p.setPen(outline(QColor(0x5C, 0x6F, 0x88)));
    p.setBrush(vertical(Qt::white, QColor(0xEE, 0xF2, 0xF8)));
    p.drawRoundedRect(QRectF(3.5, 1.5, 15, 21), 1.8, 1.8);
    p.setPen(outline(QColor(0xB5, 0xC2, 0xD3), 1.0));
    for (qreal y : {5.5, 8.5, 11.5})
        p.drawLine(QPointF(6.5, y), QPointF(15.5, y));
    QPainterPath tick;
    tick.moveTo(7.5, 14.5);
    tick.lineTo(12, 19.5);
    tick.lineTo(22, 6.5);
    QPen white(Qt::white, 5.2);
    white.setCapStyle(Qt::RoundCap);
    white.setJoinStyle(Qt::RoundJoin);
    p.setBrush(Qt::NoBrush);
    p.setPen(white);
    p.drawPath(tick);
    p.setPen(outline(kGreen, 3.2));
    p.drawPath(tick);
}

void arrow(QPainter &p, bool forward)
{
    badge(p, kGreen);
    QPainterPath a;
    a.moveTo(6, 12);
    a.lineTo(12.5, 5.8);
    a.lineTo(12.5, 9.6);
    a.lineTo(18, 9.6);
    a.lineTo(18, 14.4);
    a.lineTo(12.5, 14.4);
    a.lineTo(12.5, 18.2);
    a.closeSubpath();
    if (forward)
        a = QTransform(-1, 0, 0, 1, 24, 0).map(a);
    p.setPen(outline(kGreen.darker(150), 0.8));
    p.setBrush(Qt::white);
    p.drawPath(a);
}

} // namespace

namespace ToolbarIcon {

bool paint(QPainter &p, const QString &base, const QRectF &box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(box.topLeft());
    p.scale(box.width() / 24.0, box.height() / 24.0);
    bool known = true;
    if (base == u"home") home(p);
    else if (base == u"report") report(p);
    else if (base == u"print") print(p);
    else if (base == u"close") close(p);
    else if (base == u"about") about(p);
    else if (base == u"trash") trash(p);
    else if (base == u"setup") setup(p);
    else if (base == u"save") save(p);
    else if (base == u"mark") mark(p);
    else if (base == u"back") arrow(p, false);
    else if (base == u"forward") arrow(p, true);
    else known = false;
    p.restore();
    return known;
}

} // namespace ToolbarIcon
