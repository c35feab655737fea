#include "DesktopEntry.h"

#include <QList>

namespace DesktopEntry
{

namespace
{

// Splits at blanks outside double quotes; inside quotes a backslash escapes
// the next character.
QStringList splitWords(const QString &exec)
{
    QStringList words;
    QString word;
    bool quoted = false;
    bool inWord = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (quoted) {
            if (c == QLatin1Char('\\') && i + 1 < exec.size())
                word += exec.at(++i);
            else if (c == QLatin1Char('"'))
                quoted = false;
            else
                word += c;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
            inWord = true;
        } else if (c.isSpace()) {
            if (inWord)
                words.append(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.append(word);
    return words;
}

} // namespace

QString ExecValue(const QByteArray &fileContents)
{
    bool inEntry = false;
    for (const QByteArray &raw : fileContents.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!inEntry)
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && line.left(eq).trimmed() == QLatin1String("Exec"))
            return line.mid(eq + 1).trimmed();
    }
    return {};
}

QStringList Command(const QString &exec, const QString &argument)
{
    const QStringList words = splitWords(exec);
    // The first word is the program; a field code there names none.
    if (words.isEmpty() || (words.first().startsWith(QLatin1Char('%')) &&
                            !words.first().startsWith(QLatin1String("%%"))))
        return {};
    QStringList command;
    bool placed = false;
    for (const QString &word : words) {
        QString out;
        bool dropped = false;
        for (qsizetype i = 0; i < word.size(); ++i) {
            const QChar c = word.at(i);
            if (c != QLatin1Char('%') || i + 1 >= word.size()) {
                out += c;
                continue;
            }
            const QChar code = word.at(++i);
            if (code == QLatin1Char('%')) {
                out += c;
            } else if (QStringLiteral("uUfF").contains(code)) {
                if (!placed)
                    out += argument;
                placed = true;
            } else if (word.size() == 2) {
                dropped = true; // a word that is only %i, %c, %k ...
            }
        }
        if (!dropped && !(out.isEmpty() && word.startsWith(QLatin1Char('%'))))
            command.append(out);
    }
    if (command.isEmpty() || command.first().isEmpty())
        return {};
    if (!placed)
        command.append(argument);
    return command;
}

} // namespace DesktopEntry
