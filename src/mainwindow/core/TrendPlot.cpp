#include "TrendPlot.h"

#include "Records.h"
#include "Score.h"

#include <QPainter>
#include <QRectF>

#include <algorithm>

QList<double> TrendPlot::values(const QString &trendLine)
{
    QString line = trendLine;
    if (line.endsWith(QLatin1Char('>')))
        line.chop(1);
    const int count = static_cast<int>(line.count(QLatin1Char('>')));
    QList<double> all;
    for (const QString &text : Module1::SplitKeyLine(line, count)) {
        double v = 0;
        if (Score::ParseScore(text, &v))
            all.append(v);
    }
    return all.mid(std::max<qsizetype>(0, all.size() - MaxValues));
}

TrendPlot::Geometry TrendPlot::layout(const QList<double> &values, double width, double height,
                                      double dotRadius)
{
    Geometry g;
    g.dotRadius = dotRadius;
    const double step = width / 21.0;
    const double unit = height / 100.0;
    for (int k = 10; k <= 90; k += 10)
        g.grid.append(QLineF(0, k * unit, width, k * unit));
    g.line.append(QPointF(0, height));
    const int n = static_cast<int>(std::min<qsizetype>(values.size(), MaxValues));
    for (int i = 1; i <= n; ++i) {
        const QPointF p(i * step, (100.0 - std::clamp(values.at(i - 1), 0.0, 100.0)) * unit);
        g.stems.append(QLineF(p, QPointF(p.x(), height)));
        g.dots.append(p);
        g.line.append(p);
    }
    return g;
}

void TrendPlot::paint(QPainter &painter, const QRectF &rect, const QList<double> &values,
                      double dotRadius)
{
    const Geometry g = layout(values, rect.width(), rect.height(), dotRadius);
    const QColor blue(0, 0, 255);
    painter.save();
    painter.translate(rect.topLeft());
    painter.setBrush(Qt::NoBrush);
    // Grid and stems are straight: unsmoothed they stay one sharp pixel wide;
    // the slanted line and the discs are smoothed.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(0xE0, 0xE0, 0xE0), 0));
    painter.drawLines(g.grid);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawLines(g.stems);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(blue, 0));
    painter.drawPolyline(g.line);
    painter.setBrush(blue);
    painter.setPen(Qt::NoPen);
    for (const QPointF &p : g.dots)
        painter.drawEllipse(p, dotRadius, dotRadius);
    painter.restore();
}
