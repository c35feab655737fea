#include "ModuleHeader.h"

#include "SourceLines.h"

#include <QHash>
#include <QRegularExpression>

namespace {

// Captions are shown as plain text only when they cannot be taken for
// markup; '<' would let a label draw pictures or links.
QString badCharacter(const QString &text)
{
    for (QChar c : text) {
        if (c == u'<')
            return QStringLiteral("'<'");
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return QStringLiteral("character U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return {};
}

} // namespace

int ModuleHeader::lineOf(const QString &key) const
{
    for (const auto &[k, line] : m_lines)
        if (k == key)
            return line;
    return 1;
}

bool ModuleHeader::parse(const QString &path, const QByteArray &bytes, Diagnostics &diag)
{
    static const QRegularExpression recordLine(QStringLiteral("^#([A-Za-z0-9]{3})#(.*)$"));
    static const QRegularExpression filler(QStringLiteral("^(\\.\\.\\.|-+)$"));
    static const QStringList keys{QStringLiteral("LBL"), QStringLiteral("SLT"), QStringLiteral("TOP"),
                                  QStringLiteral("PAP")};
    *this = ModuleHeader();
    const int before = int(diag.entries().size());
    QHash<QString, QStringList> values;

    for (const SourceLine &source : sourceLines(path, bytes, diag)) {
        const int line = source.number;
        const QString text = source.text.trimmed();
        if (text.isEmpty() || text.startsWith(u'%') || filler.match(text).hasMatch())
            continue;
        const auto m = recordLine.match(text);
        if (!m.hasMatch()) {
            diag.error(path, line, QStringLiteral("not a record line such as \"#LBL#>Revision\""));
            continue;
        }
        const QString key = m.captured(1).toUpper();
        const QString rest = m.captured(2);
        if (!keys.contains(key)) {
            diag.error(path, line, QStringLiteral("unknown key %1; the keys are LBL, SLT, TOP and PAP").arg(m.captured(1)));
            continue;
        }
        if (values.contains(key)) {
            diag.error(path, line, QStringLiteral("%1 is given twice; the first is on line %2").arg(key).arg(lineOf(key)));
            continue;
        }
        if (!rest.startsWith(u'>')) {
            diag.error(path, line, QStringLiteral("the value starts with '>' right after \"#%1#\"").arg(key));
            continue;
        }
        if (rest.contains(u'#')) {
            diag.error(path, line, QStringLiteral("values cannot hold '#'"));
            continue;
        }
        QStringList list = rest.mid(1).split(u'>');
        for (QString &v : list)
            v = v.trimmed();
        m_lines.append({key, line});
        values.insert(key, list);
    }

    for (const QString &key : keys)
        if (!values.contains(key))
            diag.error(path, 1, QStringLiteral("%1 is missing").arg(key));

    if (values.contains(QStringLiteral("LBL"))) {
        const QStringList v = values.value(QStringLiteral("LBL"));
        const int line = lineOf(QStringLiteral("LBL"));
        const QString bad = badCharacter(v.join(u'>'));
        if (v.size() != 1 || v.first().isEmpty())
            diag.error(path, line, QStringLiteral("LBL holds one label, the caption of the module's tab"));
        else if (v.first().size() > kMaxLabel)
            diag.error(path, line, QStringLiteral("the label \"%1\" has %2 characters; at most %3 fit on the tab")
                                       .arg(v.first()).arg(v.first().size()).arg(kMaxLabel));
        else if (!bad.isEmpty())
            diag.error(path, line, QStringLiteral("the label cannot hold %1").arg(bad));
        else
            label = v.first();
    }
    slotLine = lineOf(QStringLiteral("SLT"));
    if (values.contains(QStringLiteral("SLT"))) {
        const QStringList v = values.value(QStringLiteral("SLT"));
        if (v == QStringList{QStringLiteral("1")} || v == QStringList{QStringLiteral("3")})
            slot = v.first().toInt();
        else
            diag.error(path, slotLine,
                       QStringLiteral("SLT must be 1 or 3 (the first or the third tab; the second is the "
                                      "program's own module)"));
    }
    if (values.contains(QStringLiteral("TOP"))) {
        const QStringList v = values.value(QStringLiteral("TOP"));
        const int line = lineOf(QStringLiteral("TOP"));
        bool ok = true;
        if (v.size() > kMaxTopics) {
            diag.error(path, line, QStringLiteral("TOP lists %1 topics; at most %2").arg(v.size()).arg(kMaxTopics));
            ok = false;
        }
        for (int t = 0; t < v.size() && ok; ++t) {
            const QString bad = badCharacter(v[t]);
            QString problem;
            if (v[t].isEmpty())
                problem = QStringLiteral("topic %1 has no name").arg(t + 1);
            else if (v[t].size() > kMaxTopicName)
                problem = QStringLiteral("topic name \"%1\" has %2 characters; at most %3 fit the topic list")
                              .arg(v[t]).arg(v[t].size()).arg(kMaxTopicName);
            else if (!bad.isEmpty())
                problem = QStringLiteral("topic name \"%1\" cannot hold %2").arg(v[t], bad);
            else if (v.indexOf(v[t]) < t)
                problem = QStringLiteral("topic name \"%1\" is given twice").arg(v[t]);
            if (!problem.isEmpty()) {
                diag.error(path, line, problem);
                ok = false;
            }
        }
        if (ok)
            topics = v;
    }
    if (values.contains(QStringLiteral("PAP"))) {
        static const QRegularExpression whole(QStringLiteral("^\\d{1,2}$"));
        const QStringList v = values.value(QStringLiteral("PAP"));
        const int line = lineOf(QStringLiteral("PAP"));
        if (v.size() != 1 || !whole.match(v.first()).hasMatch())
            diag.error(path, line, QStringLiteral("PAP holds one whole number: the number of papers"));
        else if (!topics.isEmpty() && v.first().toInt() != 5 * topics.size())
            diag.error(path, line, QStringLiteral("PAP must be %1: five papers for each of the %2 topics in TOP")
                                       .arg(5 * topics.size()).arg(topics.size()));
        else
            paperCount = v.first().toInt();
    }
    return int(diag.entries().size()) == before;
}
