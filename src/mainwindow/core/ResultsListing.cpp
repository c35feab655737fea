#include "ResultsListing.h"

#include "ProgramConfig.h"

#include <algorithm>
#include <cmath>

namespace
{

const QString kBlank = QStringLiteral(" ");

} // namespace

QList<ResultsListing::Line> ResultsListing::lines(const QString &productName, int topicTotal,
                                                  const QStringList &topicNames,
                                                  const MarksRows &rows)
{
    const QString rule(RuleLength, QLatin1Char('-'));
    const QString percent = QStringLiteral("%");
    QList<Line> out;
    out << Line{} << Line{} << Line{{kBlank, productName}, 0} << Line{} << Line{};
    topicTotal = std::clamp(topicTotal, 0, ProgramConfig::kMaxTopics);
    for (int i = 1; i <= topicTotal; ++i) {
        out << Line{{}, i} << Line{{}, i};
        out << Line{{kBlank, topicNames.value(i - 1)}, i};
        out << Line{{kBlank, rule}, i};
        out << Line{{kBlank, QStringLiteral("Papers"), kBlank, QStringLiteral("First take"),
                     QStringLiteral("Time taken"), QStringLiteral("Date"), kBlank,
                     QStringLiteral("Second take")},
                    i};
        out << Line{{kBlank, kBlank, kBlank, QStringLiteral("score"), kBlank, kBlank, kBlank,
                     QStringLiteral("score")},
                    i};
        out << Line{{kBlank, rule}, i};
        for (int j = 1; j <= 5; ++j) {
            const int p = 5 * (i - 1) + j;
            out << Line{{kBlank, QStringLiteral("Paper %1").arg(j), kBlank,
                         rows.FSE.value(p - 1) + percent, rows.LTM.value(p - 1),
                         rows.CDD.value(p - 1), kBlank, rows.SSE.value(p - 1) + percent},
                        i};
        }
    }
    return out;
}

QList<int> ResultsListing::zones(const QList<double> &itemWidths, double zoneWidth)
{
    QList<int> zoneOf;
    double end = 0;
    for (const double width : itemWidths) {
        int zone = 0;
        if (!zoneOf.isEmpty()) {
            // An item exactly as wide as its zone still lets the next one in;
            // the tolerance keeps measured widths from rounding past a zone.
            const int reached = static_cast<int>(std::ceil(end / zoneWidth - 1e-6));
            zone = std::max(zoneOf.last() + 1, reached);
        }
        zoneOf.append(zone);
        end = zone * zoneWidth + width;
    }
    return zoneOf;
}

QString ResultsListing::text(const Line &line)
{
    QList<double> widths;
    for (const QString &item : line.items)
        widths.append(item.size());
    const QList<int> zoneOf = zones(widths, ZoneWidth);
    QString out;
    for (qsizetype k = 0; k < line.items.size(); ++k) {
        out = out.leftJustified(zoneOf.at(k) * ZoneWidth, QLatin1Char(' '));
        out += line.items.at(k);
    }
    return out;
}
