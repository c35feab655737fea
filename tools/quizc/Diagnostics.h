#pragma once

#include <QList>
#include <QString>

// Errors found in the quiz source, each tied to a file and a 1-based line
// (0 for what concerns a whole folder).
class Diagnostics
{
public:
    struct Entry {
        QString file;
        int line = 0;
        QString message;
        QString text() const
        {
            return file + (line > 0 ? QLatin1Char(':') + QString::number(line) : QString()) + QStringLiteral(": ")
                   + message;
        }
    };

    void error(const QString &file, int line, const QString &message) { m_entries.append({file, line, message}); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    const QList<Entry> &entries() const { return m_entries; }

private:
    QList<Entry> m_entries;
};
