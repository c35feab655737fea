#include "ConfigFile.h"

#include "SourceLines.h"
#include "TextCodec.h"

#include <QRegularExpression>

namespace {

const QStringList &knownKeys()
{
    static const QStringList keys{
        QStringLiteral("NME"), QStringLiteral("COD"), QStringLiteral("LAH"), QStringLiteral("LBH"),
        QStringLiteral("LCH"), QStringLiteral("TT1"), QStringLiteral("TT2"), QStringLiteral("TT3"),
        QStringLiteral("TP1"), QStringLiteral("TP2"), QStringLiteral("TP3"), QStringLiteral("TN1"),
        QStringLiteral("TN2"), QStringLiteral("TN3")};
    return keys;
}

} // namespace

QString ConfigFile::moduleLabelKey(int module)
{
    return QStringLiteral("L") + QChar(u'A' + (module - 1)) + QStringLiteral("H");
}

bool ConfigFile::parse(const QString &path, const QByteArray &bytes, Diagnostics &diag)
{
    static const QRegularExpression record(QStringLiteral("^#([A-Za-z0-9]{3})#(.*)$"));
    static const QRegularExpression separator(QStringLiteral("^-+$"));
    m_path = path;
    m_records.clear();
    m_bytes.clear();
    const int before = int(diag.entries().size());

    // The stored file ends its last line as the source does.
    const int lastLine = int(bytes.count('\n')) + (bytes.endsWith('\n') ? 0 : 1);
    for (const SourceLine &source : sourceLines(path, bytes, diag)) {
        const int line = source.number;
        const QString &text = source.text;
        for (QChar c : text) {
            if (!TextCodec::isCp1252(c) || c.unicode() < 0x20) {
                diag.error(path, line, QStringLiteral("character U+%1 is not in Windows-1252")
                                           .arg(c.unicode(), 4, 16, QLatin1Char('0')));
                break;
            }
        }
        m_bytes += TextCodec::toCp1252(text);
        if (line < lastLine || bytes.endsWith('\n'))
            m_bytes += "\r\n";

        if (text == u"..." || text.isEmpty() || separator.match(text).hasMatch())
            continue;
        const auto m = record.match(text);
        if (!m.hasMatch()) {
            diag.error(path, line, QStringLiteral("not a record line \"#KEY#>value\""));
            continue;
        }
        const QString key = m.captured(1);
        const QString rest = m.captured(2);
        if (!knownKeys().contains(key)) {
            diag.error(path, line, QStringLiteral("unknown configuration key %1").arg(key));
            continue;
        }
        if (m_records.contains(key)) {
            diag.error(path, line, QStringLiteral("%1 is given twice; the program reads only line %2")
                                       .arg(key)
                                       .arg(m_records.value(key).line));
            continue;
        }
        if (!rest.isEmpty() && !rest.startsWith(u'>')) {
            diag.error(path, line, QStringLiteral("values start with '>' right after \"#%1#\"").arg(key));
            continue;
        }
        if (rest.contains(u'#')) {
            diag.error(path, line, QStringLiteral("values cannot hold '#'"));
            continue;
        }
        Record r;
        r.line = line;
        if (!rest.isEmpty())
            r.values = rest.mid(1).split(u'>');
        m_records.insert(key, r);
    }
    for (const char *key : {"NME", "COD"}) {
        if (text(QString::fromLatin1(key)).isEmpty())
            diag.error(path, 1, QStringLiteral("%1 is missing or empty").arg(QString::fromLatin1(key)));
    }
    // The program reads these as the whole rest of their line, so a second
    // value would become part of the text (or make an absent module present).
    for (const char *name : {"NME", "COD", "LAH", "LBH", "LCH"}) {
        const QString key = QString::fromLatin1(name);
        const Record r = m_records.value(key);
        if (r.values.size() > 1)
            diag.error(path, r.line, QStringLiteral("%1 holds one value; the program would read \"%2\"")
                                         .arg(key, r.values.join(u'>')));
    }
    static const QString notInFileNames = QStringLiteral("/\\:*?\"<>|");
    for (QChar c : text(QStringLiteral("COD"))) {
        if (notInFileNames.contains(c)) {
            diag.error(path, lineOf(QStringLiteral("COD")),
                       QStringLiteral("COD is part of the results file names and cannot hold '%1'").arg(c));
            break;
        }
    }
    return int(diag.entries().size()) == before;
}
