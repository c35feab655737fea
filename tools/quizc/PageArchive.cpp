#include "PageArchive.h"

namespace {

constexpr int kLineLimit = 76;
const char kCrlf[] = "\r\n";

} // namespace

QString PageArchive::pageLocation(int id)
{
    // The engine resolves the diagrams of an archive by http-style locations
    // only; nothing is ever fetched from them.
    return QStringLiteral("http://pages.tessaly.invalid/%1/question.html").arg(id);
}

QString PageArchive::pictureLocation(int id, const QString &name)
{
    return QStringLiteral("http://pages.tessaly.invalid/%1/%2").arg(id).arg(name);
}

QByteArray PageArchive::quotedPrintable(const QByteArray &bytes)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    out.reserve(bytes.size() * 11 / 10 + 16);
    QByteArray line;
    auto flushLine = [&](bool hard) {
        // A blank at the end of an encoded line would be lost in transport.
        if (hard && !line.isEmpty() && (line.endsWith(' ') || line.endsWith('\t'))) {
            const char c = line.back();
            line.chop(1);
            const QByteArray enc = QByteArray("=") + hex[(c >> 4) & 0xF] + hex[c & 0xF];
            if (line.size() + enc.size() > kLineLimit) {
                out += line + "=" + kCrlf;
                line.clear();
            }
            line += enc;
        }
        out += line;
        out += hard ? kCrlf : "=\r\n";
        line.clear();
    };
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c == '\n') {
            flushLine(true);
            continue;
        }
        if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n')
            continue;
        QByteArray enc;
        if ((c >= 33 && c <= 126 && c != '=') || c == ' ' || c == '\t')
            enc = QByteArray(1, static_cast<char>(c));
        else
            enc = QByteArray("=") + hex[c >> 4] + hex[c & 0xF];
        if (line.size() + enc.size() > kLineLimit - 1)
            flushLine(false);
        line += enc;
    }
    if (!line.isEmpty())
        flushLine(true);
    return out;
}

QByteArray PageArchive::base64Lines(const QByteArray &bytes)
{
    const QByteArray b64 = bytes.toBase64();
    QByteArray out;
    out.reserve(b64.size() + b64.size() / kLineLimit * 2 + 2);
    for (qsizetype i = 0; i < b64.size(); i += kLineLimit) {
        out += b64.mid(i, kLineLimit);
        out += kCrlf;
    }
    return out;
}

QByteArray PageArchive::build(int id, const QString &html, const QList<Picture> &pictures)
{
    const QByteArray page = pageLocation(id).toLatin1();
    const QByteArray body = quotedPrintable(html.toUtf8());
    QByteArray out;
    out += "MIME-Version: 1.0\r\n";
    out += "Subject: Question " + QByteArray::number(id) + kCrlf;
    if (pictures.isEmpty()) {
        out += "Content-Location: " + page + kCrlf;
        out += "Content-Type: text/html; charset=\"utf-8\"\r\n";
        out += "Content-Transfer-Encoding: quoted-printable\r\n\r\n";
        out += body;
        return out;
    }
    // Quoted-printable and base64 can never produce "----=_".
    const QByteArray boundary = "----=_TessalyPage_" + QByteArray::number(id);
    out += "Content-Location: " + page + kCrlf;
    // Folded as mail programs fold it, to keep every line within 76 characters.
    out += "Content-Type: multipart/related;\r\n\ttype=\"text/html\";\r\n\tboundary=\"" + boundary + "\"\r\n\r\n";
    out += "This is a multi-part message in MIME format.\r\n\r\n";
    out += "--" + boundary + kCrlf;
    out += "Content-Type: text/html; charset=\"utf-8\"\r\n";
    out += "Content-Transfer-Encoding: quoted-printable\r\n";
    out += "Content-Location: " + page + "\r\n\r\n";
    out += body;
    for (const Picture &p : pictures) {
        out += "\r\n--" + boundary + kCrlf;
        out += "Content-Type: image/svg+xml\r\n";
        out += "Content-Transfer-Encoding: base64\r\n";
        out += "Content-Location: " + pictureLocation(id, p.name).toLatin1() + "\r\n\r\n";
        out += base64Lines(p.bytes);
    }
    out += "\r\n--" + boundary + "--\r\n";
    return out;
}
