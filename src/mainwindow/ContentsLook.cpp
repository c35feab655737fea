#include "ContentsLook.h"

#include "FrameFonts.h"

#include <QFontMetrics>
#include <QWidget>

namespace ContentsLook
{

namespace
{

QFont sized(const QFont &base, double points, bool bold)
{
    QFont font = base;
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

QColor panel()
{
    return QColor(244, 245, 235);
}
QColor ink()
{
    return QColor(0x2A, 0x3A, 0x50);
}
QColor heading()
{
    return QColor(0x1F, 0x3F, 0x6E);
}
QColor line()
{
    return QColor(0xC9, 0xD6, 0xE6);
}
QColor card()
{
    return QColor(0xFF, 0xFF, 0xFF);
}
QColor accent()
{
    return QColor(0x1F, 0x5F, 0xAE);
}

QFont bodyFont()
{
    static const QFont font = sized(Module5::LabelFont(), 10, false);
    return font;
}

QFont boldFont()
{
    static const QFont font = sized(Module5::LabelFont(), 10, true);
    return font;
}

QFont smallFont()
{
    static const QFont font = sized(Module5::LabelFont(), 9, false);
    return font;
}

QFont bigTitleFont()
{
    static const QFont font = sized(Module5::TitleFont(), 24, true);
    return font;
}

void primeFonts()
{
    // Laying out a word loads the font and readies its shaping, both kept
    // for the whole run.
    for (const QFont &font : {Module5::LabelFont(), Module5::TitleFont(), bodyFont(), boldFont(),
                              smallFont()})
        QFontMetrics(font).horizontalAdvance(QStringLiteral("Paper"));
}

void setColours(QWidget *widget, const QColor &text, const QColor &background)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, text);
    pal.setColor(QPalette::Text, text);
    if (background.isValid()) {
        pal.setColor(QPalette::Window, background);
        pal.setColor(QPalette::Base, background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(pal);
}

} // namespace ContentsLook
