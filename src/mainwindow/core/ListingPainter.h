#pragma once

#include "ResultsListing.h"

#include <QFont>

class QPaintDevice;

// Paints the results listing onto any paint device: a printer, a PDF writer
// or an image. Zones are measured in character widths of the font; the font
// shrinks when the widest line would not fit the device's width. A paged
// device gets new pages as needed, never inside a topic's table when the
// table fits on a page; any other device gets what fits on it.
class ListingPainter
{
public:
    explicit ListingPainter(QFont font = defaultFont());

    // False when painting could not start (no printer, unwritable file).
    bool paint(QPaintDevice *device, const QList<ResultsListing::Line> &lines);

    int pageCount() const { return m_pages; }
    int linesPainted() const { return m_lines; }
    // The font used by the last paint, after shrinking.
    const QFont &usedFont() const { return m_used; }

    // A fixed-pitch font, so that the columns line up on paper.
    static QFont defaultFont();

private:
    QFont m_font;
    QFont m_used;
    int m_pages = 0;
    int m_lines = 0;
};
