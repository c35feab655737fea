#include "ListingPainter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace
{

constexpr double kSmallestPointSize = 4.0;

// Character widths a line needs, zones included.
int lineColumns(const ResultsListing::Line &line)
{
    return static_cast<int>(ResultsListing::text(line).size());
}

} // namespace

ListingPainter::ListingPainter(QFont font) : m_font(std::move(font)), m_used(m_font) {}

QFont ListingPainter::defaultFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(9);
    return font;
}

bool ListingPainter::paint(QPaintDevice *device, const QList<ResultsListing::Line> &lines)
{
    m_pages = 0;
    m_lines = 0;
    if (!device)
        return false;
    QPainter painter;
    if (!painter.begin(device))
        return false;
    auto *paged = dynamic_cast<QPagedPaintDevice *>(device);
    const double width = device->width();
    const double height = device->height();

    m_used = m_font;
    int columns = 0;
    for (const auto &line : lines)
        columns = std::max(columns, lineColumns(line));
    if (columns > 0) {
        const double needed = QFontMetricsF(m_used, device).averageCharWidth() * columns;
        if (needed > width && m_used.pointSizeF() > 0)
            m_used.setPointSizeF(
                std::max(kSmallestPointSize, m_used.pointSizeF() * width / needed * 0.99));
    }
    painter.setFont(m_used);
    painter.setPen(Qt::black);
    const QFontMetricsF fm(m_used, device);
    const double charWidth = fm.averageCharWidth();
    const double zoneWidth = charWidth * ResultsListing::ZoneWidth;
    const double lineHeight = fm.lineSpacing();

    m_pages = 1;
    double top = 0;
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const auto &line = lines.at(n);
        double needed = lineHeight;
        if (n == 0 || lines.at(n - 1).block != line.block) {
            qsizetype end = n;
            while (end < lines.size() && lines.at(end).block == line.block)
                ++end;
            const double block = lineHeight * static_cast<double>(end - n);
            if (block <= height)
                needed = block;
        }
        if (top > 0 && top + needed > height) {
            if (!paged)
                break;
            paged->newPage();
            ++m_pages;
            top = 0;
        }
        QList<double> widths;
        for (const QString &item : line.items)
            widths.append(fm.horizontalAdvance(item));
        const QList<int> zoneOf = ResultsListing::zones(widths, zoneWidth);
        for (qsizetype k = 0; k < line.items.size(); ++k) {
            if (!line.items.at(k).trimmed().isEmpty())
                painter.drawText(QPointF(zoneOf.at(k) * zoneWidth, top + fm.ascent()),
                                 line.items.at(k));
        }
        top += lineHeight;
        ++m_lines;
    }
    return painter.end();
}
