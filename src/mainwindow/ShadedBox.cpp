#include "ShadedBox.h"

#include "ContentsLook.h"

#include <QLinearGradient>
#include <QPainter>

ShadedBox::ShadedBox(const Style &style, QWidget *parent) : QWidget(parent), m_style(style)
{
    setAttribute(Qt::WA_OpaquePaintEvent, m_style.radius <= 0);
}

void ShadedBox::setStyle(const Style &style)
{
    m_style = style;
    update();
}

ShadedBox::Style ShadedBox::strip()
{
    Style s;
    // Flat: the toolbar pictures are drawn on the panel colour.
    s.top = s.bottom = ContentsLook::panel();
    s.topLine = QColor(0x86, 0xAF, 0xE6);
    s.bottomLine = ContentsLook::line();
    return s;
}

ShadedBox::Style ShadedBox::sectionBar()
{
    Style s;
    s.top = QColor(0xEE, 0xF5, 0xFE);
    s.bottom = QColor(0xC6, 0xDB, 0xF6);
    s.outline = QColor(0x86, 0xAF, 0xE6);
    s.radius = 5;
    return s;
}

ShadedBox::Style ShadedBox::openSectionBar()
{
    Style s = sectionBar();
    s.top = QColor(0x74, 0xAE, 0xF4);
    s.bottom = QColor(0x3C, 0x82, 0xE0);
    s.outline = QColor(0x1D, 0x5B, 0xB8);
    return s;
}

ShadedBox::Style ShadedBox::cardStyle()
{
    Style s;
    s.top = s.bottom = ContentsLook::card();
    s.outline = ContentsLook::line();
    s.radius = 6;
    return s;
}

ShadedBox::Style ShadedBox::frameStyle()
{
    Style s = cardStyle();
    s.top = s.bottom = ContentsLook::panel();
    return s;
}

void ShadedBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, m_style.top);
    g.setColorAt(1, m_style.bottom);
    if (m_style.radius > 0) {
        p.fillRect(rect(), ContentsLook::panel());
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(m_style.outline.isValid() ? QPen(m_style.outline, 1) : QPen(Qt::NoPen));
        p.setBrush(g);
        p.drawRoundedRect(r, m_style.radius, m_style.radius);
        // A light line under the top edge gives the bar its sheen.
        p.setPen(QPen(QColor(255, 255, 255, 200), 1));
        p.drawLine(QPointF(m_style.radius, 1.5), QPointF(width() - m_style.radius, 1.5));
        return;
    }
    p.fillRect(rect(), g);
    if (m_style.outline.isValid()) {
        p.setPen(m_style.outline);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (m_style.topLine.isValid())
        p.fillRect(QRect(0, 0, width(), 1), m_style.topLine);
    if (m_style.bottomLine.isValid())
        p.fillRect(QRect(0, height() - 1, width(), 1), m_style.bottomLine);
}
