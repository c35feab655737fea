#include "PictureSet.h"

#include "../../src/content/PictureNames.h"
#include "GifWriter.h"
#include "IcoWriter.h"
#include "Palette.h"
#include "ToolbarIcon.h"

#include <QBuffer>
#include <QFont>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

using namespace Palette;

namespace {

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t), float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QImage canvas(int w, int h, const QColor &fill = kPanel)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

QLinearGradient vertical(const QColor &top, const QColor &bottom, qreal y0, qreal y1)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

// Row y (0..27) of the top bar, blue (active) or white (inactive).
QColor barRow(int y, bool white)
{
    if (white) {
        if (y == 27)
            return kWhiteLine;
        return mix(kWhiteTop, kWhiteBottom, y / 26.0);
    }
    if (y == 0)
        return kBarTop.lighter(112);
    if (y == 27)
        return kBarLine;
    return y <= 12 ? mix(kBarTop, kBarMid, (y - 1) / 11.0) : mix(kBarMid, kBarBottom, (y - 12) / 14.0);
}

void fillBarRows(QImage &img, bool white, int firstRow = 0)
{
    for (int y = 0; y < img.height(); ++y) {
        const QRgb c = barRow(y + firstRow, white).rgba();
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, c);
    }
}

// A top-bar corner: the bar with a rounded outer corner of radius 5, the
// radius of the window outline.
QImage topCorner(bool right, bool white)
{
    QImage img = canvas(48, 28);
    fillBarRows(img, white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor line = white ? kWhiteLine : kEdge[0];
    QPainterPath outside;
    outside.addRect(0, 0, 48, 28);
    QPainterPath inside;
    inside.addRoundedRect(QRectF(0, 0, 96, 60), 5.5, 5.5);
    if (right)
        inside.translate(-48, 0);
    p.fillPath(outside.subtracted(inside), line);
    // The outer line runs down the side and round the corner only; along
    // the top the bar keeps the light first row of the centre piece.
    QPainterPath edge;
    edge.moveTo(0.5, 28);
    edge.lineTo(0.5, 5.5);
    edge.quadTo(0.5, 0.5, 5.5, 0.5);
    if (right)
        edge = QTransform(-1, 0, 0, 1, 48, 0).map(edge);
    p.setPen(QPen(line, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(edge);
    return img;
}

QImage topCentre(int width, bool white)
{
    QImage img = canvas(width, 28);
    fillBarRows(img, white);
    return img;
}

// Frame edges: four shades from the outer line inwards.
QImage edge(int w, int h, int sideX, int sideY)
{
    QImage img = canvas(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int d = 3;
            if (sideX < 0) d = std::min(d, x);
            if (sideX > 0) d = std::min(d, w - 1 - x);
            if (sideY > 0) d = std::min(d, h - 1 - y);
            img.setPixel(x, y, kEdge[d].rgb());
        }
    return img;
}

// The pop-up's bottom corners: the edge shades bent round a radius of 7,
// transparent outside.
QImage roundCorner(bool right)
{
    QImage img(6, 7, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 6; ++x) {
            const qreal px = (right ? 5 - x : x) + 0.5, py = y + 0.5;
            const qreal inward = 7.0 - std::hypot(px - 7.0, py - 0.0);
            if (inward < 0)
                continue;
            img.setPixel(x, y, kEdge[std::min(3, int(inward))].rgb());
        }
    return img;
}

enum class WindowGlyph { Close, Max, Min, Norm };

QImage windowButton(WindowGlyph glyph, const QString &variant)
{
    const bool white = variant == u"white";
    QImage img = canvas(19, 19);
    fillBarRows(img, white, 4);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame(0.5, 0.5, 18, 18);
    if (variant == u"blue") {
        const bool close = glyph == WindowGlyph::Close;
        const QColor top = close ? QColor(0xF4, 0x7C, 0x6C) : kBarTop.lighter(118);
        const QColor bottom = close ? QColor(0xC9, 0x33, 0x26) : kBarMid.lighter(108);
        p.setPen(QPen(QColor(255, 255, 255, 230), 1));
        p.setBrush(vertical(top, bottom, 0, 19));
    } else if (white) {
        p.setPen(QPen(kWhiteLine, 1));
        p.setBrush(vertical(Qt::white, QColor(0xEE, 0xF2, 0xF7), 0, 19));
    } else {
        p.setPen(QPen(QColor(255, 255, 255, 120), 1));
        p.setBrush(QColor(255, 255, 255, 36));
    }
    p.drawRoundedRect(frame, 3.5, 3.5);

    const QColor ink = white ? QColor(0x5E, 0x6B, 0x7C) : Qt::white;
    QPen pen(ink, 1.9);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::MiterJoin);
    auto draw = [&](const QColor &c, QPointF shift) {
        pen.setColor(c);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.save();
        p.translate(shift);
        switch (glyph) {
        case WindowGlyph::Close:
            p.drawLine(QPointF(6, 6), QPointF(13, 13));
            p.drawLine(QPointF(13, 6), QPointF(6, 13));
            break;
        case WindowGlyph::Min:
            p.drawLine(QPointF(5.5, 13), QPointF(13.5, 13));
            break;
        case WindowGlyph::Max:
            p.drawRect(QRectF(5.5, 5.5, 8, 8));
            p.drawLine(QPointF(5.5, 6.3), QPointF(13.5, 6.3));
            break;
        case WindowGlyph::Norm:
            p.drawRect(QRectF(7.5, 4.5, 7, 6));
            p.setBrush(white ? QColor(0xF4, 0xF6, 0xF9) : QColor(0x3C, 0x82, 0xE0));
            p.drawRect(QRectF(4.5, 8.5, 7, 6));
            break;
        }
        p.restore();
    };
    if (!white)
        draw(QColor(0x10, 0x3A, 0x7A, 110), QPointF(0, 0.8)); // soft shadow under the white glyph
    draw(ink, QPointF(0, 0));
    return img;
}

// Toolbar buttons: the icon in the upper 28 pixels; the program writes the
// caption over the lower part.
QImage toolbarButton(const QString &base, const QString &state)
{
    QImage img = canvas(44, 45);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF box(10, 3, 24, 24);
    if (state == u"on") {
        p.setPen(QPen(kHoverLine, 1));
        p.setBrush(vertical(Qt::white, kHover, 1, 44));
        p.drawRoundedRect(QRectF(1.5, 1.5, 41, 42), 6, 6);
    } else if (state == u"pressed") {
        p.setPen(QPen(kPressedLine, 1));
        p.setBrush(vertical(kPressed.darker(108), kPressed.lighter(112), 1, 44));
        p.drawRoundedRect(QRectF(1.5, 1.5, 41, 42), 6, 6);
        p.setPen(QPen(QColor(0x2C, 0x5E, 0xA8, 70), 1));
        p.drawLine(QPointF(6, 2.5), QPointF(38, 2.5));
        box.translate(1, 1);
    }
    if (state == u"disabled") {
        QImage icon(44, 45, QImage::Format_ARGB32);
        icon.fill(Qt::transparent);
        {
            QPainter ip(&icon);
            ToolbarIcon::paint(ip, base, box);
        }
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x) {
                const QRgb c = icon.pixel(x, y);
                const int grey = qGray(c);
                icon.setPixel(x, y, qRgba(128 + grey * 100 / 255, 132 + grey * 100 / 255, 140 + grey * 95 / 255,
                                          qAlpha(c) * 70 / 100));
            }
        p.drawImage(0, 0, icon);
    } else {
        ToolbarIcon::paint(p, base, box);
    }
    return img;
}

// Tabs: the current tab (front, 79 x 27) opens into the strip below it; the
// others (back, 79 x 26) sit behind with a closing line.
QImage tab(bool front, bool hover)
{
    const int h = front ? 27 : 26;
    QImage img = canvas(79, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.moveTo(0.5, h + 1);
    shape.lineTo(0.5, 6.5);
    shape.quadTo(0.5, 0.5, 6.5, 0.5);
    shape.lineTo(72.5, 0.5);
    shape.quadTo(78.5, 0.5, 78.5, 6.5);
    shape.lineTo(78.5, h + 1);
    if (front) {
        p.setBrush(vertical(Qt::white, hover ? QColor(0xF2, 0xF7, 0xFF) : kPanel, 0, h));
        p.setPen(QPen(hover ? kHoverLine.darker(115) : kHoverLine, 1));
        p.drawPath(shape);
        p.setPen(Qt::NoPen);
        p.setBrush(hover ? kBarTop : kBarMid);
        p.drawRoundedRect(QRectF(3, 1.5, 73, 3), 1.5, 1.5);
    } else {
        p.setBrush(hover ? vertical(QColor(0xF0, 0xF6, 0xFE), QColor(0xCF, 0xE0, 0xF6), 0, h)
                         : vertical(QColor(0xE2, 0xEA, 0xF4), QColor(0xC2, 0xD1, 0xE5), 0, h));
        p.setPen(QPen(hover ? kHoverLine.darker(110) : QColor(0x93, 0xAA, 0xC8), 1));
        p.drawPath(shape);
        p.setPen(QPen(QColor(0x93, 0xAA, 0xC8), 1));
        p.drawLine(QPointF(0, h - 0.5), QPointF(79, h - 0.5));
    }
    return img;
}

// The plain button of the pop-up and the Trash panel; its caption is a label.
QImage button(const QString &state)
{
    QImage img = canvas(80, 25);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0.5, 0.5, 79, 24);
    if (state == u"pressed") {
        p.setPen(QPen(kPressedLine, 1));
        p.setBrush(vertical(kPressed.darker(105), kPressed.lighter(115), 0, 25));
    } else if (state == u"on") {
        p.setPen(QPen(kBlue, 1));
        p.setBrush(vertical(Qt::white, QColor(0xCC, 0xE0, 0xFA), 0, 25));
    } else {
        p.setPen(QPen(QColor(0x86, 0xA3, 0xC9), 1));
        p.setBrush(vertical(Qt::white, QColor(0xDD, 0xE7, 0xF3), 0, 25));
    }
    p.drawRoundedRect(r, 5, 5);
    if (state != u"pressed") {
        p.setPen(QPen(QColor(255, 255, 255, 200), 1));
        p.drawLine(QPointF(5, 1.5), QPointF(75, 1.5));
    }
    return img;
}

// The paper rows' load buttons carry no caption, so they show a "go" arrow.
QImage loadButton(bool on)
{
    QImage img = canvas(35, 14);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor base = on ? kGreen.lighter(118) : kGreen;
    p.setPen(QPen(on ? kGreen.darker(120) : kGreen.darker(145), 1));
    p.setBrush(vertical(base.lighter(125), base.darker(110), 0, 14));
    p.drawRoundedRect(QRectF(0.5, 0.5, 34, 13), 6.5, 6.5);
    if (on) {
        p.setPen(QPen(QColor(255, 255, 255, 150), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(1.5, 1.5, 32, 11), 5.5, 5.5);
    }
    QPainterPath arrow;
    arrow.moveTo(14.5, 3.5);
    arrow.lineTo(22, 7);
    arrow.lineTo(14.5, 10.5);
    arrow.closeSubpath();
    p.setPen(QPen(Qt::white, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(arrow);
    return img;
}

// A soft inset panel for the bottom bar (clock, remaining questions).
QImage insetPanel(int w, int h, const QColor &top, const QColor &bottom)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xB3, 0xC3, 0xD8), 1));
    p.setBrush(vertical(top, bottom, 0, h));
    p.drawRoundedRect(QRectF(0.5, 1.5, w - 1, h - 3), 4, 4);
    p.setPen(QPen(QColor(255, 255, 255, 220), 1));
    p.drawLine(QPointF(4, 2.5), QPointF(w - 4, 2.5));
    return img;
}

// The marking panel: a card with a track where the progress bars appear
// (15 bars of 14 pixels, 16 apart, from x = 10, y = 34).
QImage markingPanel()
{
    QImage img = canvas(260, 64);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kBlue, 1.2));
    p.setBrush(vertical(Qt::white, QColor(0xEC, 0xF3, 0xFC), 0, 64));
    p.drawRoundedRect(QRectF(0.6, 0.6, 258.8, 62.8), 7, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(kBarTop, kBarMid, 0, 8));
    p.drawRoundedRect(QRectF(4, 4, 252, 5), 2.5, 2.5);
    p.setPen(QPen(QColor(0xBF, 0xD0, 0xE6), 1));
    p.setBrush(QColor(0xF6, 0xF9, 0xFD));
    p.drawRoundedRect(QRectF(7.5, 31.5, 245, 24), 4, 4);
    return img;
}

QImage progressSegment()
{
    QImage img = canvas(14, 18, QColor(0xF6, 0xF9, 0xFD));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kGreen.darker(135), 1));
    p.setBrush(vertical(kGreen.lighter(145), kGreen, 0, 18));
    p.drawRoundedRect(QRectF(0.5, 0.5, 13, 17), 3, 3);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    p.drawLine(QPointF(3, 2.5), QPointF(11, 2.5));
    return img;
}

QImage columnHead(int w)
{
    QImage img = canvas(w, 26);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kHoverLine, 1));
    p.setBrush(vertical(QColor(0xEE, 0xF5, 0xFE), QColor(0xC6, 0xDB, 0xF6), 0, 26));
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, 25), 5, 5);
    p.setPen(QPen(QColor(255, 255, 255, 210), 1));
    p.drawLine(QPointF(5, 1.5), QPointF(w - 5, 1.5));
    return img;
}

QImage sizeGrip()
{
    QImage img = canvas(8, 8);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (int row = 0; row < 3; ++row)
        for (int k = 0; k <= row; ++k) {
            const QPointF c(6.5 - k * 2.6, 6.5 - (row - k) * 2.6);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255));
            p.drawEllipse(c + QPointF(0.5, 0.5), 0.9, 0.9);
            p.setBrush(kGrey);
            p.drawEllipse(c, 0.9, 0.9);
        }
    return img;
}

QImage bullet()
{
    QImage img = canvas(12, 12);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(4.5, 4), 7);
    g.setColorAt(0, QColor(0xC8, 0xE1, 0xFF));
    g.setColorAt(0.45, kBarMid);
    g.setColorAt(1, kBarBottom);
    p.setPen(QPen(kBarLine, 0.8));
    p.setBrush(g);
    p.drawEllipse(QPointF(6, 6), 4.9, 4.9);
    return img;
}

// The grip on the strip between page and answer sheet.
QImage handle()
{
    QImage img = canvas(7, 48);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kBarLine, 1));
    p.setBrush(vertical(kBarTop, kBarBottom, 0, 48));
    p.drawRoundedRect(QRectF(0.5, 0.5, 6, 47), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int k = 0; k < 3; ++k)
        p.drawEllipse(QPointF(3.5, 18.5 + k * 5.5), 1.1, 1.1);
    return img;
}

void drawPencil(QPainter &p, qreal scale)
{
    p.save();
    p.scale(scale, scale);
    p.translate(16, 16);
    p.rotate(-45); // tip down to the left, as a hand holds it
    // Along the x axis from the tip (-13) to the eraser (13), 6 wide.
    QPainterPath wood;
    wood.moveTo(-13.5, 0);
    wood.lineTo(-7, -3);
    wood.lineTo(-7, 3);
    wood.closeSubpath();
    p.setPen(QPen(QColor(0x6B, 0x4A, 0x2A), 0.8));
    p.setBrush(QColor(0xF3, 0xC9, 0x8B));
    p.drawPath(wood);
    p.setBrush(QColor(0x3A, 0x3A, 0x44));
    QPainterPath lead;
    lead.moveTo(-13.5, 0);
    lead.lineTo(-11, -1.15);
    lead.lineTo(-11, 1.15);
    lead.closeSubpath();
    p.drawPath(lead);
    p.setPen(QPen(QColor(0xB0, 0x7A, 0x10), 0.8));
    p.setBrush(vertical(QColor(0xFF, 0xE0, 0x6A), QColor(0xF0, 0xA8, 0x1C), -3, 3));
    p.drawRect(QRectF(-7, -3, 15, 6));
    p.setPen(QPen(QColor(0x7C, 0x86, 0x94), 0.8));
    p.setBrush(vertical(QColor(0xE6, 0xEA, 0xF0), QColor(0x9A, 0xA5, 0xB4), -3, 3));
    p.drawRect(QRectF(8, -3, 2.6, 6));
    p.setPen(QPen(QColor(0xB5, 0x4B, 0x5E), 0.8));
    p.setBrush(QColor(0xF2, 0x8C, 0x9E));
    p.drawRoundedRect(QRectF(10.6, -3, 3.2, 6), 1.2, 1.2);
    p.restore();
}

QImage pencilIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawPencil(p, size / 32.0);
    return img;
}

// The decoration above the answer sheet: a pencil over a lined sheet.
QImage penPicture()
{
    QImage img = canvas(64, 48);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x9D, 0xAE, 0xC4), 1));
    p.setBrush(vertical(Qt::white, QColor(0xF1, 0xF5, 0xFA), 4, 44));
    p.drawRoundedRect(QRectF(6.5, 4.5, 34, 40), 2.5, 2.5);
    p.setPen(QPen(QColor(0xA9, 0xC6, 0xEE), 1));
    for (int k = 0; k < 5; ++k)
        p.drawLine(QPointF(11, 12.5 + k * 6.5), QPointF(36, 12.5 + k * 6.5));
    p.setPen(QPen(kGreen, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(12, 9.5), QPointF(14.5, 12.5), QPointF(19.5, 6.5)}));
    p.translate(22, 4);
    drawPencil(p, 1.3);
    return img;
}

QImage barPicture()
{
    QImage img = canvas(120, 16);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kBarLine, 1));
    p.setBrush(vertical(kBarTop, kBarBottom, 0, 16));
    p.drawRoundedRect(QRectF(0.5, 0.5, 119, 15), 4, 4);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1));
    p.drawLine(QPointF(4, 2.5), QPointF(116, 2.5));
    return img;
}

// The program's emblem: a flask of green liquid with a spark, on a blue tile.
QImage emblem(int size)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 48.0, size / 48.0);
    p.setPen(QPen(kBarLine, 1.4));
    p.setBrush(vertical(kBarTop, kBarBottom, 1, 47));
    p.drawRoundedRect(QRectF(1.5, 1.5, 45, 45), 11, 11);
    QPainterPath flask;
    flask.moveTo(19, 9);
    flask.lineTo(29, 9);
    flask.lineTo(29, 19);
    flask.lineTo(38, 36);
    flask.quadTo(40, 40, 35.5, 40);
    flask.lineTo(12.5, 40);
    flask.quadTo(8, 40, 10, 36);
    flask.lineTo(19, 19);
    flask.closeSubpath();
    p.setPen(QPen(QColor(0x0F, 0x36, 0x70), 1.6));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawPath(flask);
    QPainterPath liquid;
    liquid.moveTo(15.2, 27);
    liquid.lineTo(32.8, 27);
    liquid.lineTo(38, 36);
    liquid.quadTo(40, 40, 35.5, 40);
    liquid.lineTo(12.5, 40);
    liquid.quadTo(8, 40, 10, 36);
    liquid.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(QColor(0x7F, 0xE0, 0x8C), kGreen, 27, 40));
    p.drawPath(liquid.intersected(flask));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(20, 33), 2.2, 2.2);
    p.drawEllipse(QPointF(27, 30.5), 1.4, 1.4);
    p.setPen(QPen(QColor(0x0F, 0x36, 0x70), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(flask);
    p.setPen(QPen(QColor(0x0F, 0x36, 0x70), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(17, 9), QPointF(31, 9));
    QPainterPath star;
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * M_PI / 4 - M_PI / 2, r = i % 2 ? 1.8 : 5.2;
        const QPointF pt(37 + r * std::cos(a), 12 + r * std::sin(a));
        i ? star.lineTo(pt) : star.moveTo(pt);
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(0xC0, 0x80, 0x10), 0.8));
    p.setBrush(kYellow);
    p.drawPath(star);
    return img;
}

QImage handIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(11, 2, 5.5, 17), 2.75, 2.75);              // index finger
    hand.addRoundedRect(QRectF(16, 11, 4.8, 10), 2.4, 2.4);               // middle
    hand.addRoundedRect(QRectF(20.3, 12.5, 4.6, 9), 2.3, 2.3);            // ring
    hand.addRoundedRect(QRectF(24.4, 14.5, 4.2, 8), 2.1, 2.1);            // little
    hand.addRoundedRect(QRectF(11, 15, 17.6, 14.5), 5, 5);                // palm
    QPainterPath thumb;
    thumb.moveTo(12, 23);
    thumb.lineTo(6.5, 17.5);
    thumb.quadTo(4, 15.5, 5.5, 14);
    thumb.quadTo(7, 12.5, 9.5, 14.5);
    thumb.lineTo(13, 18);
    thumb.closeSubpath();
    hand = hand.united(thumb).simplified();
    p.setPen(QPen(QColor(0x20, 0x28, 0x34), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    p.setPen(QPen(QColor(0x9A, 0xA6, 0xB6), 0.9));
    p.drawLine(QPointF(16.2, 16), QPointF(16.2, 20));
    p.drawLine(QPointF(20.5, 17), QPointF(20.5, 21));
    p.drawLine(QPointF(24.6, 18), QPointF(24.6, 22));
    return img;
}

// The pop-up's information mark, 32 x 27.
QImage infoMark()
{
    QImage img(32, 27, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(12, 8), 18);
    g.setColorAt(0, kBlue.lighter(150));
    g.setColorAt(1, kBlue.darker(115));
    p.setPen(QPen(kBlue.darker(160), 1.2));
    p.setBrush(g);
    p.drawEllipse(QPointF(16, 13.5), 12.3, 12.3);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 7.6), 2.1, 2.1);
    p.drawRoundedRect(QRectF(14.1, 11, 3.8, 10.4), 1.4, 1.4);
    return img;
}

// Shown under the answer sheet for answers that must be typed exactly.
QImage instruction()
{
    QImage img(260, 44, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QPen(QColor(0xD9, 0xB0, 0x3A), 1));
    p.setBrush(vertical(QColor(0xFF, 0xF9, 0xDC), QColor(0xFF, 0xEE, 0xB0), 0, 44));
    p.drawRoundedRect(QRectF(0.5, 0.5, 259, 43), 7, 7);
    p.save();
    p.translate(4, 6);
    drawPencil(p, 1.0);
    p.restore();
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(12);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0x5A, 0x45, 0x10));
    p.drawText(QRectF(40, 5, 216, 17), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Type it exactly as it is written:"));
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRectF(40, 22, 216, 17), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("capitals count, e.g. CO2 not co2"));
    return img;
}

QList<QImage> drawToolbarOrNull(const QString &stem)
{
    static const QStringList bases{QStringLiteral("about"), QStringLiteral("back"),   QStringLiteral("close"),
                                   QStringLiteral("forward"), QStringLiteral("home"), QStringLiteral("mark"),
                                   QStringLiteral("print"), QStringLiteral("report"), QStringLiteral("save"),
                                   QStringLiteral("setup"), QStringLiteral("trash")};
    const QString base = stem.section(u'_', 0, 0), state = stem.section(u'_', 1);
    if (!bases.contains(base) || !QStringList{"off", "on", "pressed", "disabled"}.contains(state))
        return {};
    return {toolbarButton(base, state)};
}

QByteArray encode(const QString &name, const QList<QImage> &images)
{
    if (name.endsWith(QStringLiteral(".gif")))
        return GifWriter::encode(images.first(), kPanel);
    if (name.endsWith(QStringLiteral(".ico")))
        return IcoWriter::encode(images);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // 24-bit BMP: no alpha, the form every loader reads.
    images.first().convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP");
    return bytes;
}

} // namespace

QImage PictureSet::programIcon(int size)
{
    return emblem(size);
}

QList<QImage> PictureSet::draw(const QString &name)
{
    const QString stem = name.section(u'.', 0, 0);
    if (name.endsWith(QStringLiteral(".bmp"))) {
        if (QList<QImage> t = drawToolbarOrNull(stem); !t.isEmpty())
            return t;
        if (stem.startsWith(QStringLiteral("prog_"))) {
            const QString variant = stem.section(u'_', 1, 1), g = stem.section(u'_', 2);
            const WindowGlyph glyph = g == u"close" ? WindowGlyph::Close
                                      : g == u"max" ? WindowGlyph::Max
                                      : g == u"min" ? WindowGlyph::Min
                                                    : WindowGlyph::Norm;
            return {windowButton(glyph, variant)};
        }
        static const QHash<QString, std::function<QImage()>> fixed{
            {QStringLiteral("tabs_back_off"), [] { return tab(false, false); }},
            {QStringLiteral("tabs_back_on"), [] { return tab(false, true); }},
            {QStringLiteral("tabs_front_off"), [] { return tab(true, false); }},
            {QStringLiteral("tabs_front_on"), [] { return tab(true, true); }},
            {QStringLiteral("border_bot"), [] { return edge(2, 4, 0, 1); }},
            {QStringLiteral("border_left"), [] { return edge(4, 2, -1, 0); }},
            {QStringLiteral("border_right"), [] { return edge(4, 2, 1, 0); }},
            {QStringLiteral("border_left_corners"), [] { return edge(6, 4, -1, 1); }},
            {QStringLiteral("border_right_corners"), [] { return edge(6, 4, 1, 1); }},
            {QStringLiteral("border_top_center"), [] { return topCentre(2, false); }},
            {QStringLiteral("border_top_left"), [] { return topCorner(false, false); }},
            {QStringLiteral("border_top_right"), [] { return topCorner(true, false); }},
            {QStringLiteral("border_white_top_center"), [] { return topCentre(1, true); }},
            {QStringLiteral("border_white_top_left"), [] { return topCorner(false, true); }},
            {QStringLiteral("border_white_top_right"), [] { return topCorner(true, true); }},
            {QStringLiteral("loadbutton_on"), [] { return loadButton(true); }},
            {QStringLiteral("loadbutton_off"), [] { return loadButton(false); }},
            {QStringLiteral("button_off"), [] { return button(QStringLiteral("off")); }},
            {QStringLiteral("button_on"), [] { return button(QStringLiteral("on")); }},
            {QStringLiteral("button_pressed"), [] { return button(QStringLiteral("pressed")); }},
            {QStringLiteral("bottombg1"), [] { return insetPanel(160, 25, QColor(0xFF, 0xF8, 0xE8), QColor(0xF6, 0xE7, 0xC4)); }},
            {QStringLiteral("bottombg2"), [] { return insetPanel(200, 25, Qt::white, QColor(0xE6, 0xEE, 0xF8)); }},
            {QStringLiteral("bottombg3"), [] { return insetPanel(160, 25, Qt::white, QColor(0xE6, 0xEE, 0xF8)); }},
            {QStringLiteral("bottombg4"), [] { return markingPanel(); }},
            {QStringLiteral("columnhead1"), [] { return columnHead(240); }},
            {QStringLiteral("columnhead2"), [] { return columnHead(360); }},
            {QStringLiteral("progressbar"), [] { return progressSegment(); }},
            {QStringLiteral("statusgrabber"), [] { return sizeGrip(); }},
            {QStringLiteral("bullet"), [] { return bullet(); }},
            {QStringLiteral("Handle"), [] { return handle(); }},
            {QStringLiteral("pen"), [] { return penPicture(); }},
            {QStringLiteral("bar"), [] { return barPicture(); }},
        };
        const auto it = fixed.constFind(stem);
        return it == fixed.constEnd() ? QList<QImage>() : QList<QImage>{it.value()()};
    }
    if (name == u"QVicon.ico")
        return {emblem(16), emblem(32), emblem(48)};
    if (name == u"pencil.ico")
        return {pencilIcon(16), pencilIcon(32)};
    if (name == u"hand.ico")
        return {handIcon(32), handIcon(16)};
    if (name == u"info_mark.gif")
        return {infoMark()};
    if (name == u"Logo.gif")
        return {emblem(96)};
    if (name == u"instruction.gif")
        return {instruction()};
    if (name == u"Border_bot_left.gif")
        return {roundCorner(false)};
    if (name == u"Border_bot_right.gif")
        return {roundCorner(true)};
    return {};
}

QList<PictureSet::Picture> PictureSet::generate(QString *error)
{
    QList<Picture> out;
    for (const PictureEntry &entry : kPictures) {
        Picture pic;
        pic.id = entry.id;
        pic.name = QString::fromLatin1(entry.name.data(), qsizetype(entry.name.size()));
        pic.images = draw(pic.name);
        if (pic.images.isEmpty()) {
            *error = QStringLiteral("no drawing for %1").arg(pic.name);
            return {};
        }
        pic.bytes = encode(pic.name, pic.images);
        // Each file must read back in its own format at the size drawn.
        QBuffer buffer(&pic.bytes);
        buffer.open(QIODevice::ReadOnly);
        const QByteArray format = pic.name.section(u'.', -1).toLower().toLatin1();
        const QByteArray detected = QImageReader::imageFormat(&buffer);
        QImageReader reader(&buffer);
        reader.setDecideFormatFromContent(true);
        const QImage back = reader.read();
        if (detected != format || back.size() != pic.images.first().size()) {
            *error = QStringLiteral("%1 does not read back as %2 of %3x%4 (%5)")
                         .arg(pic.name, QString::fromLatin1(format))
                         .arg(pic.images.first().width())
                         .arg(pic.images.first().height())
                         .arg(reader.errorString());
            return {};
        }
        out.append(pic);
    }
    return out;
}
