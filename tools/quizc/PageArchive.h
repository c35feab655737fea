#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A question page as a single-file web archive (MHTML): one quoted-printable
// text/html part, or multipart/related with the diagrams as base64 parts.
class PageArchive
{
public:
    struct Picture {
        QString name; // file name, e.g. "food-chain.svg"
        QByteArray bytes;
    };

    static QString pageLocation(int id);
    static QString pictureLocation(int id, const QString &name);
    static QByteArray build(int id, const QString &html, const QList<Picture> &pictures);

    static QByteArray quotedPrintable(const QByteArray &bytes);
    static QByteArray base64Lines(const QByteArray &bytes);
};
