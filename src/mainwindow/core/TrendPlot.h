#pragma once

#include <QLineF>
#include <QList>
#include <QPointF>
#include <QPolygonF>
#include <QString>

class QPainter;
class QRectF;

// The trend of recent first-attempt scores: parsing the TRD line and the
// geometry of the plot. Coordinates are in the plot's own units (the design
// uses twips), origin top-left; 100% is the top edge, 0% the bottom edge.
class TrendPlot
{
public:
    static constexpr int MaxValues = 20;
    static constexpr double DotRadiusTwips = 30;

    struct Geometry {
        QList<QLineF> grid;  // at 10%, 20% .. 90%, across the whole width
        QList<QLineF> stems; // from each point down to the bottom edge
        QList<QPointF> dots; // disc centres
        QPolygonF line;      // from the bottom-left corner through every dot
        double dotRadius = DotRadiusTwips;
    };

    // Scores of "#TRD#>50>80>66.7", oldest first; a '>' in the very last
    // position is not counted, and only the last 20 scores are kept. Values
    // that are no number are left out.
    static QList<double> values(const QString &trendLine);

    // Point i (1-based) lies at x = i * W / 21, y = (100 - value) * H / 100;
    // values outside 0..100 are held at the edges.
    static Geometry layout(const QList<double> &values, double width, double height,
                           double dotRadius = DotRadiusTwips);

    // Draws the plot over `rect` (background left to the caller) in device
    // pixels at any scale, so it stays sharp; dotRadius in the painter's units.
    static void paint(QPainter &painter, const QRectF &rect, const QList<double> &values,
                      double dotRadius);
};
