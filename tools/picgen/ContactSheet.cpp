#include "ContactSheet.h"

#include "MockWindows.h"

#include <QBuffer>
#include <QFont>
#include <QImageReader>
#include <QPainter>

namespace {

constexpr int kSheetWidth = 1500;
constexpr int kMargin = 16;
constexpr int kLabel = 30;

int zoomFor(const QSize &s)
{
    const int m = std::max(s.width(), s.height());
    return m <= 12 ? 8 : m <= 30 ? 4 : m <= 80 ? 3 : m <= 130 ? 2 : 1;
}

void checkerboard(QPainter &p, const QRect &r)
{
    p.save();
    p.setClipRect(r);
    for (int y = r.top(); y < r.bottom(); y += 8)
        for (int x = r.left(); x < r.right(); x += 8)
            p.fillRect(QRect(x, y, 8, 8), ((x - r.left()) / 8 + (y - r.top()) / 8) % 2 ? QColor(0xDD, 0xDD, 0xDD)
                                                                                       : QColor(0xFA, 0xFA, 0xFA));
    p.restore();
}

} // namespace

QImage ContactSheet::render(const QList<PictureSet::Picture> &pictures)
{
    struct Cell {
        QImage image;
        QString caption;
        QRect rect;
    };
    QList<Cell> cells;
    const QImage mock = MockWindows::render(pictures);
    int x = kMargin, y = mock.height() + kMargin, rowHeight = 0;
    for (const PictureSet::Picture &pic : pictures) {
        // Show the file as it reads back, the largest size of an icon.
        QByteArray bytes = pic.bytes;
        QBuffer buffer(&bytes);
        QImageReader reader(&buffer);
        QImage image = reader.read();
        for (int i = 1; reader.jumpToImage(i); ++i) {
            const QImage next = reader.read();
            if (next.width() > image.width())
                image = next;
        }
        const int zoom = zoomFor(image.size());
        const QSize shown = image.size() * zoom;
        const int w = std::max(shown.width(), 150), h = shown.height() + kLabel;
        if (x + w > kSheetWidth - kMargin) {
            x = kMargin;
            y += rowHeight + kMargin;
            rowHeight = 0;
        }
        cells.append({image.scaled(shown, Qt::IgnoreAspectRatio, Qt::FastTransformation),
                      QStringLiteral("%1  %2\n%3 x %4").arg(pic.id).arg(pic.name).arg(image.width()).arg(image.height()),
                      QRect(x, y, w, h)});
        x += w + kMargin;
        rowHeight = std::max(rowHeight, h);
    }
    QImage sheet(kSheetWidth, y + rowHeight + kMargin, QImage::Format_RGB32);
    sheet.fill(QColor(0x6E, 0x78, 0x86));
    QPainter p(&sheet);
    p.drawImage(0, 0, mock);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    p.setFont(font);
    for (const Cell &c : cells) {
        const QRect pic(c.rect.topLeft(), c.image.size());
        checkerboard(p, pic);
        p.drawImage(pic.topLeft(), c.image);
        p.setPen(Qt::white);
        p.drawText(QRect(c.rect.left(), pic.bottom() + 3, c.rect.width(), kLabel), Qt::AlignLeft | Qt::AlignTop,
                   c.caption);
    }
    return sheet;
}
