#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// Icon files with several sizes, each a 32-bit DIB with its AND mask, the
// form every icon reader understands.
class IcoWriter
{
public:
    static QByteArray encode(const QList<QImage> &images);
};
