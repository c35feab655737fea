#include "SourceLines.h"

#include <QStringDecoder>

QList<SourceLine> sourceLines(const QString &path, const QByteArray &bytes, Diagnostics &diag)
{
    QList<QByteArray> raw = bytes.split('\n');
    if (bytes.endsWith('\n'))
        raw.removeLast();
    QList<SourceLine> lines;
    lines.reserve(raw.size());
    for (int i = 0; i < raw.size(); ++i) {
        QByteArray rawLine = raw[i];
        if (rawLine.endsWith('\r'))
            rawLine.chop(1);
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = decoder.decode(rawLine);
        if (decoder.hasError()) {
            diag.error(path, i + 1, QStringLiteral("line is not valid UTF-8"));
            continue;
        }
        if (i == 0 && text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        lines.append({i + 1, text});
    }
    return lines;
}
