#include "TrendView.h"

#include "ContentsLook.h"
#include "TrendPlot.h"

#include <QPainter>

TrendView::TrendView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("RC3TrendPlot"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TrendView::setValues(const QList<double> &values)
{
    m_values = values;
    update();
}

void TrendView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    TrendPlot::paint(p, QRectF(rect()), m_values, kDotRadius);
    if (m_values.isEmpty()) {
        p.setFont(ContentsLook::bodyFont());
        p.setPen(QColor(0x8A, 0x96, 0xA6));
        p.drawText(rect(), Qt::AlignCenter,
                   QStringLiteral("Your scores will show here once you have marked a paper."));
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(ContentsLook::line(), 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(0, 0, -1, -1));
}
