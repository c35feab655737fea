#include "TrendSection.h"

#include "ContentsLook.h"
#include "TrendAxis.h"
#include "TrendView.h"

#include <QLabel>

namespace
{

// 21 steps of 26 pixels; 100 points of 2.4 pixels.
constexpr QRect kPlot(89, 22, 546, 240);

} // namespace

TrendSection::TrendSection(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("RC3Trend"));
    setAutoFillBackground(true);

    m_plot = new TrendView(this);
    m_plot->setGeometry(kPlot);

    const int margin = 10; // room for the top and bottom captions' halves
    auto *axis = new TrendAxis(margin, kPlot.height(), this);
    axis->setFont(ContentsLook::smallFont());
    ContentsLook::setColours(axis, ContentsLook::ink());
    axis->setGeometry(kPlot.left() - 56, kPlot.top() - margin, 56, kPlot.height() + 2 * margin);

    auto *caption = new QLabel(QStringLiteral("Recent Papers Attempted"), this);
    caption->setObjectName(QStringLiteral("Label8"));
    caption->setFont(ContentsLook::boldFont());
    ContentsLook::setColours(caption, ContentsLook::heading());
    caption->setAlignment(Qt::AlignCenter);
    caption->setGeometry(kPlot.left(), kPlot.bottom() + 8, kPlot.width(), 22);
}

void TrendSection::setValues(const QList<double> &values)
{
    m_plot->setValues(values);
}
