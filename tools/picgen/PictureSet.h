#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

// The 89 pictures of the user interface, drawn from code. Every picture
// that stands on a window panel is painted over the panel colour
// RGB(244, 245, 235); the GIFs are transparent around their shapes.
class PictureSet
{
public:
    struct Picture {
        int id = 0;
        QString name;
        QByteArray bytes;     // the file: BMP, ICO or GIF by the name's suffix
        QList<QImage> images; // what was drawn (icons hold several sizes)
    };

    // All pictures in id order; an error text when one cannot be made or
    // does not read back in its format and size.
    static QList<Picture> generate(QString *error);
    // The program's emblem at any size, for the desktop menu icon.
    static QImage programIcon(int size);
    // The drawing of one picture by file name; empty for an unknown name.
    static QList<QImage> draw(const QString &name);
};
