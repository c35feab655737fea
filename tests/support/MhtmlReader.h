#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

// Reads a single-file web archive back into its parts, decoding
// quoted-printable and base64 bodies, so tests can compare what a page
// archive carries with what went into it.
namespace MhtmlReader {

struct Part {
    QMap<QByteArray, QByteArray> headers; // names lower-cased
    QByteArray body;                      // decoded
};

struct Archive {
    QMap<QByteArray, QByteArray> headers;
    QList<Part> parts; // one part for a single text/html archive
    bool multipart = false;
};

inline QByteArray decodeQuotedPrintable(const QByteArray &in)
{
    QByteArray out;
    for (qsizetype i = 0; i < in.size(); ++i) {
        const char c = in[i];
        if (c != '=') {
            out += c;
            continue;
        }
        if (in.mid(i + 1, 2) == "\r\n") {
            i += 2; // soft line break
            continue;
        }
        bool ok = false;
        const int v = in.mid(i + 1, 2).toInt(&ok, 16);
        if (!ok)
            return "<bad quoted-printable>";
        out += char(v);
        i += 2;
    }
    return out;
}

inline void readHeaders(QByteArray block, QMap<QByteArray, QByteArray> &headers)
{
    // Folded header lines continue with a blank or a tab.
    block.replace("\r\n\t", " ").replace("\r\n ", " ");
    for (const QByteArray &line : block.split('\n')) {
        const QByteArray l = line.trimmed();
        const qsizetype colon = l.indexOf(':');
        if (colon > 0)
            headers.insert(l.left(colon).trimmed().toLower(), l.mid(colon + 1).trimmed());
    }
}

inline Part readPart(const QByteArray &raw)
{
    Part p;
    const qsizetype split = raw.indexOf("\r\n\r\n");
    readHeaders(raw.left(split), p.headers);
    QByteArray body = raw.mid(split + 4);
    const QByteArray encoding = p.headers.value("content-transfer-encoding").toLower();
    if (encoding == "quoted-printable")
        p.body = decodeQuotedPrintable(body);
    else if (encoding == "base64")
        p.body = QByteArray::fromBase64(body.replace("\r\n", ""));
    else
        p.body = body;
    return p;
}

inline Archive read(const QByteArray &bytes)
{
    Archive a;
    const qsizetype split = bytes.indexOf("\r\n\r\n");
    readHeaders(bytes.left(split), a.headers);
    const QByteArray type = a.headers.value("content-type");
    if (!type.startsWith("multipart/")) {
        a.parts.append(readPart(bytes));
        return a;
    }
    a.multipart = true;
    const qsizetype b = type.indexOf("boundary=\"");
    const QByteArray boundary = "--" + type.mid(b + 10, type.indexOf('"', b + 10) - b - 10);
    const QList<QByteArray> chunks = bytes.mid(split + 4).split('\n');
    QByteArray current;
    bool inPart = false;
    for (const QByteArray &line : chunks) {
        const QByteArray l = line.endsWith('\r') ? line.chopped(1) : line;
        if (l == boundary || l == boundary + "--") {
            if (inPart) {
                current.chop(2); // the CR LF before the boundary belongs to it
                a.parts.append(readPart(current));
            }
            current.clear();
            inPart = l == boundary;
            continue;
        }
        if (inPart)
            current += line + '\n';
    }
    return a;
}

} // namespace MhtmlReader
