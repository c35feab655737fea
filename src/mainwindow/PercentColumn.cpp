#include "PercentColumn.h"

#include <QPainter>

PercentColumn::PercentColumn(int lineHeight, QWidget *parent)
    : QWidget(parent), m_lineHeight(lineHeight)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PercentColumn::setLines(const QList<int> &lineTops)
{
    if (lineTops == m_lines)
        return;
    m_lines = lineTops;
    update();
}

void PercentColumn::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(QPalette::WindowText));
    for (const int top : std::as_const(m_lines))
        p.drawText(QRect(0, top, width(), m_lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("%"));
}
