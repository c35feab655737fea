#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>

// GIF89a encoder (Qt reads GIF but cannot write it). Pixels with alpha
// below one half become the transparent colour; partly transparent edges
// are blended over `matte` first. More than 255 colours are reduced by
// median cut.
class GifWriter
{
public:
    static QByteArray encode(const QImage &image, const QColor &matte);
};
