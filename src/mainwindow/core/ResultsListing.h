#pragma once

#include "ResultsStore.h"

#include <QList>
#include <QString>
#include <QStringList>

// The printed results of a module as data: lines of items in print zones.
// Item k starts at the start of zone k (zones are 14 character widths wide);
// an item wider than its zone pushes the next one to a later zone. Every
// non-empty line starts with a one-blank item, so text starts in zone 2.
class ResultsListing
{
public:
    static constexpr int ZoneWidth = 14;
    static constexpr int RuleLength = 128;

    struct Line {
        QStringList items; // empty for an empty line
        int block = 0;     // 0 for the heading, i for the table of topic i
    };

    // The heading with the product name, then one table per topic with the
    // five papers' scores ("%" appended as stored, so an unmarked paper
    // shows a lone "%"), times and dates exactly as stored.
    static QList<Line> lines(const QString &productName, int topicTotal,
                             const QStringList &topicNames, const MarksRows &rows);

    // Zone (0-based) of each item; widths and zoneWidth in one unit
    // (characters, or device pixels of a font).
    static QList<int> zones(const QList<double> &itemWidths, double zoneWidth);

    // A line as fixed-pitch text, one character per character width.
    static QString text(const Line &line);
};
