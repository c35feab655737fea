#include "Records.h"

#include "SafeFile.h"
#include "TextCodec.h"

#include <QFile>

namespace {

// The lines of a file in Windows-1252, without their CR LF; empty when the
// file cannot be read.
QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return Module1::SplitLines(file.readAll());
}

bool matches(const QString &line, const QString &key)
{
    return line.contains(QLatin1Char('#') + key + QLatin1Char('#'), Qt::CaseInsensitive);
}

QString keyLine(const QStringList &lines, const QString &key)
{
    for (const QString &line : lines)
        if (matches(line, key))
            return line;
    return {};
}

// Forward scan: for each key the search goes on from where the previous one
// stopped; a key not found leaves the scan at the end of the lines.
QStringList scanForward(const QStringList &lines, const QStringList &keys)
{
    QStringList found;
    found.reserve(keys.size());
    qsizetype at = 0;
    for (const QString &key : keys) {
        QString hit;
        while (at < lines.size()) {
            const QString &line = lines.at(at++);
            if (matches(line, key)) {
                hit = line;
                break;
            }
        }
        found.append(hit);
    }
    return found;
}

int separatorPosition(const QString &key)
{
    return static_cast<int>(key.size()) + 3;
}

} // namespace

namespace Module1 {

QStringList SplitLines(const QByteArray &bytes)
{
    QStringList lines;
    // Saved by an editor that marks UTF-8: the mark would shift the first line.
    qsizetype start = bytes.startsWith(Module1::kByteOrderMark) ? 3 : 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        qsizetype stop = end;
        if (stop > start && bytes.at(stop - 1) == '\r')
            --stop;
        lines.append(TextCodec::fromCp1252(bytes.mid(start, stop - start)));
        start = end + 1;
    }
    return lines;
}

QString ReadKeyLine(const QString &path, const QString &key)
{
    return keyLine(readLines(path), key);
}

QString ReadKeyText(const QString &path, const QString &key)
{
    const QString line = ReadKeyLine(path, key);
    return line.size() > 6 ? line.mid(6) : QString();
}

QStringList SplitValues(const QString &line, int count, int firstSep)
{
    QStringList values;
    if (count <= 0)
        return values;
    values.reserve(count);
    qsizetype p = firstSep - 1; // 0-based position of separator k
    for (int k = 1; k <= count; ++k) {
        if (p < 0 || p >= line.size()) {
            values.append(QString());
            p = -1;
            continue;
        }
        if (k == count) {
            values.append(line.mid(p + 1));
            break;
        }
        const qsizetype next = line.indexOf(QLatin1Char('>'), p + 1);
        values.append(next < 0 ? line.mid(p + 1) : line.mid(p + 1, next - p - 1));
        p = next;
    }
    return values;
}

QStringList ReadKeyValues(const QString &path, const QString &key, int count)
{
    return ReadKeyValues(readLines(path), key, count);
}

QStringList ReadKeyValues(const QStringList &lines, const QString &key, int count)
{
    return SplitValues(keyLine(lines, key), count, 6);
}

QStringList ReadAllKeyValues(const QString &path, const QString &key)
{
    return ReadAllKeyValues(readLines(path), key);
}

QStringList ReadAllKeyValues(const QStringList &lines, const QString &key)
{
    for (const QString &line : lines)
        if (matches(line, key))
            return SplitValues(line, static_cast<int>(line.count(QLatin1Char('>'))), 6);
    return {};
}

QStringList SplitKeyLine(const QString &line, int count)
{
    return SplitValues(line, count, 6);
}

QStringList ReadPaperLines(const QString &path, int count)
{
    QStringList keys;
    for (int b = 1; b <= count; ++b)
        keys.append(QString::number(100 + b));
    return scanForward(readLines(path), keys);
}

QList<int> CountValuesPerKey(const QString &path, const QStringList &keys)
{
    return CountValuesPerKey(readLines(path), keys);
}

QList<int> CountValuesPerKey(const QStringList &lines, const QStringList &keys)
{
    QList<int> counts;
    for (const QString &line : scanForward(lines, keys))
        counts.append(static_cast<int>(line.count(QLatin1Char('>'))));
    return counts;
}

QStringList ReadValuesForKeys(const QString &path, const QStringList &keys)
{
    return ReadValuesForKeys(readLines(path), keys);
}

QStringList ReadValuesForKeys(const QStringList &table, const QStringList &keys)
{
    const QStringList lines = scanForward(table, keys);
    QStringList values;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        values += SplitValues(line, static_cast<int>(line.count(QLatin1Char('>'))),
                              separatorPosition(keys.at(i)));
    }
    return values;
}

QString BuildKeyLine(const QString &key, const QStringList &values, int valueCount)
{
    QString line = QLatin1Char('#') + key + QStringLiteral("#>");
    for (int k = 0; k < valueCount; ++k) {
        if (k > 0)
            line += QLatin1Char('>');
        line += values.value(k);
    }
    return line;
}

QByteArray LinesBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += TextCodec::toCp1252(line);
        bytes += "\r\n";
    }
    return bytes;
}

bool WriteLines(const QString &path, const QStringList &lines, SafeFile::Failure *failure)
{
    return SafeFile::write(path, LinesBytes(lines), SafeFile::Durability::Durable, failure);
}

bool ReplaceKeyLine(QStringList &lines, const QStringList &values, const QString &lineIndex,
                    const QString &key, int lineCount, int valueCount, const QString &path,
                    SafeFile::Failure *failure)
{
    while (lines.size() < lineCount)
        lines.append(QString());
    bool ok = false;
    const int index = lineIndex.trimmed().toInt(&ok);
    if (!ok || index < 1 || index > lineCount)
        return false;
    lines[index - 1] = BuildKeyLine(key, values, valueCount);
    for (int b = 1; b <= lineCount; ++b) {
        if (lines.at(b - 1).isEmpty())
            lines[b - 1] = BuildKeyLine(QString::number(100 + b), {}, 0);
    }
    return WriteLines(path, lines.mid(0, lineCount), failure);
}

QStringList MarksLines(const QList<QStringList> &rows, const QStringList &keys, int valueCount)
{
    QStringList lines;
    for (int j = 0; j < 6; ++j)
        lines.append(BuildKeyLine(keys.value(j), rows.value(j), valueCount));
    return lines;
}

bool WriteMarksFile(const QList<QStringList> &rows, const QStringList &keys, int valueCount,
                    const QString &path, SafeFile::Failure *failure)
{
    return WriteLines(path, MarksLines(rows, keys, valueCount), failure);
}

} // namespace Module1
