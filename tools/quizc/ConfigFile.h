#pragma once

#include "Diagnostics.h"

#include <QByteArray>
#include <QHash>
#include <QStringList>

// config.txt of the quiz source: the configuration record file as the
// program stores it, written in UTF-8 with any line ends.
class ConfigFile
{
public:
    struct Record {
        int line = 0;
        QStringList values;
    };

    // Reports malformed lines, unknown or repeated keys and characters
    // outside Windows-1252.
    bool parse(const QString &path, const QByteArray &bytes, Diagnostics &diagnostics);

    const QString &path() const { return m_path; }
    bool has(const QString &key) const { return m_records.contains(key); }
    Record record(const QString &key) const { return m_records.value(key); }
    QString text(const QString &key) const { return m_records.value(key).values.value(0); }
    // Line of the key, or 1 when it is missing (for messages).
    int lineOf(const QString &key) const { return has(key) ? m_records.value(key).line : 1; }

    // The same lines in Windows-1252 with CR LF ends.
    QByteArray resourceBytes() const { return m_bytes; }

    static QString moduleLabelKey(int module);

private:
    QString m_path;
    QHash<QString, Record> m_records;
    QByteArray m_bytes;
};
