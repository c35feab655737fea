#include "TrendAxis.h"

#include <QPainter>

TrendAxis::TrendAxis(int plotTop, int plotHeight, QWidget *parent)
    : QWidget(parent), m_plotTop(plotTop), m_plotHeight(plotHeight)
{
    setObjectName(QStringLiteral("Label7"));
}

QStringList TrendAxis::captions()
{
    QStringList out;
    for (int v = 100; v >= 0; v -= 10)
        out << QString::number(v) + QLatin1Char('%');
    return out;
}

void TrendAxis::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(QPalette::WindowText));
    const QStringList texts = captions();
    const int lineHeight = fontMetrics().height();
    for (int k = 0; k < texts.size(); ++k) {
        const double y = m_plotTop + k * m_plotHeight / 10.0;
        p.drawText(QRectF(0, y - lineHeight / 2.0, width() - 6, lineHeight),
                   Qt::AlignRight | Qt::AlignVCenter, texts.at(k));
    }
}
