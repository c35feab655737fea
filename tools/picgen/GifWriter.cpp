#include "GifWriter.h"

#include <QHash>
#include <QList>
#include <QVector>

#include <algorithm>

namespace {

constexpr int kMaxColours = 255; // index 255 is kept for transparency
constexpr int kTransparent = 255;

struct Box {
    QList<QRgb> colours;
    int widestChannel() const
    {
        int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
        for (QRgb c : colours) {
            const int v[3] = {qRed(c), qGreen(c), qBlue(c)};
            for (int k = 0; k < 3; ++k) {
                lo[k] = std::min(lo[k], v[k]);
                hi[k] = std::max(hi[k], v[k]);
            }
        }
        int best = 0;
        for (int k = 1; k < 3; ++k)
            if (hi[k] - lo[k] > hi[best] - lo[best])
                best = k;
        return hi[best] - lo[best] == 0 ? -1 : best;
    }
};

int channel(QRgb c, int k) { return k == 0 ? qRed(c) : k == 1 ? qGreen(c) : qBlue(c); }

// Median cut over the distinct colours, weighted by nothing: the pictures
// are small and flat, so distinct colours are what matters.
QList<QRgb> palette(const QList<QRgb> &distinct)
{
    if (distinct.size() <= kMaxColours)
        return distinct;
    QList<Box> boxes{{distinct}};
    while (boxes.size() < kMaxColours) {
        int pick = -1, pickSize = 1;
        for (int i = 0; i < boxes.size(); ++i)
            if (boxes[i].colours.size() > pickSize && boxes[i].widestChannel() >= 0) {
                pick = i;
                pickSize = int(boxes[i].colours.size());
            }
        if (pick < 0)
            break;
        Box box = boxes.takeAt(pick);
        const int k = box.widestChannel();
        std::sort(box.colours.begin(), box.colours.end(),
                  [k](QRgb a, QRgb b) { return channel(a, k) < channel(b, k); });
        const qsizetype half = box.colours.size() / 2;
        boxes.append({box.colours.mid(0, half)});
        boxes.append({box.colours.mid(half)});
    }
    QList<QRgb> out;
    for (const Box &b : boxes) {
        long r = 0, g = 0, bl = 0;
        for (QRgb c : b.colours) {
            r += qRed(c);
            g += qGreen(c);
            bl += qBlue(c);
        }
        const long n = b.colours.size();
        out.append(qRgb(int(r / n), int(g / n), int(bl / n)));
    }
    return out;
}

class BitWriter
{
public:
    void write(int code, int width)
    {
        m_acc |= quint32(code) << m_bits;
        m_bits += width;
        while (m_bits >= 8) {
            m_bytes.append(char(m_acc & 0xFF));
            m_acc >>= 8;
            m_bits -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_bits > 0)
            m_bytes.append(char(m_acc & 0xFF));
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    quint32 m_acc = 0;
    int m_bits = 0;
};

QByteArray lzw(const QByteArray &indices)
{
    constexpr int minCodeSize = 8;
    const int clear = 1 << minCodeSize, end = clear + 1;
    BitWriter out;
    QHash<quint32, int> table;
    int next = end + 1, width = minCodeSize + 1;
    out.write(clear, width);
    int prefix = -1;
    for (char ch : indices) {
        const int c = static_cast<unsigned char>(ch);
        if (prefix < 0) {
            prefix = c;
            continue;
        }
        const quint32 key = (quint32(prefix) << 8) | quint32(c);
        const auto it = table.constFind(key);
        if (it != table.constEnd()) {
            prefix = it.value();
            continue;
        }
        out.write(prefix, width);
        if (next < 4096) {
            table.insert(key, next++);
            if (next > (1 << width) && width < 12)
                ++width;
        } else {
            out.write(clear, width);
            table.clear();
            next = end + 1;
            width = minCodeSize + 1;
        }
        prefix = c;
    }
    if (prefix >= 0)
        out.write(prefix, width);
    out.write(end, width);
    return out.finish();
}

void put16(QByteArray &b, int v)
{
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}

} // namespace

QByteArray GifWriter::encode(const QImage &source, const QColor &matte)
{
    const QImage img = source.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width(), h = img.height();
    QVector<QRgb> flat(qsizetype(w) * h);
    QList<QRgb> distinct;
    QHash<QRgb, int> seen;
    bool anyTransparent = false;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const QRgb p = img.pixel(x, y);
            const int a = qAlpha(p);
            QRgb c;
            if (a < 128) {
                anyTransparent = true;
                c = 0;
            } else {
                auto mix = [a](int fg, int bg) { return (fg * a + bg * (255 - a)) / 255; };
                c = qRgb(mix(qRed(p), matte.red()), mix(qGreen(p), matte.green()), mix(qBlue(p), matte.blue()));
                if (!seen.contains(c)) {
                    seen.insert(c, 0);
                    distinct.append(c);
                }
            }
            flat[qsizetype(y) * w + x] = a < 128 ? 0x00FFFFFFu : c;
        }
    }
    const QList<QRgb> colours = palette(distinct);
    QHash<QRgb, int> nearest;
    auto indexOf = [&](QRgb c) {
        const auto it = nearest.constFind(c);
        if (it != nearest.constEnd())
            return it.value();
        int best = 0, bestD = INT_MAX;
        for (int i = 0; i < colours.size(); ++i) {
            const int dr = qRed(c) - qRed(colours[i]), dg = qGreen(c) - qGreen(colours[i]),
                      db = qBlue(c) - qBlue(colours[i]);
            const int d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
            if (d < bestD) {
                bestD = d;
                best = i;
            }
        }
        nearest.insert(c, best);
        return best;
    };
    QByteArray indices;
    indices.reserve(flat.size());
    for (QRgb c : flat)
        indices.append(char(c == 0x00FFFFFFu ? kTransparent : indexOf(c)));

    QByteArray gif = "GIF89a";
    put16(gif, w);
    put16(gif, h);
    gif.append(char(0xF7)); // global table of 256 colours, 8 bits per channel
    gif.append(char(0));
    gif.append(char(0));
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < colours.size() ? colours[i] : qRgb(matte.red(), matte.green(), matte.blue());
        gif.append(char(qRed(c)));
        gif.append(char(qGreen(c)));
        gif.append(char(qBlue(c)));
    }
    if (anyTransparent) {
        gif.append("\x21\xF9\x04\x01\x00\x00", 6);
        gif.append(char(kTransparent));
        gif.append(char(0));
    }
    gif.append(char(0x2C));
    put16(gif, 0);
    put16(gif, 0);
    put16(gif, w);
    put16(gif, h);
    gif.append(char(0));
    gif.append(char(8));
    const QByteArray data = lzw(indices);
    for (qsizetype i = 0; i < data.size(); i += 255) {
        const QByteArray block = data.mid(i, 255);
        gif.append(char(block.size()));
        gif.append(block);
    }
    gif.append(char(0));
    gif.append(char(0x3B));
    return gif;
}
