#pragma once

#include "SafeFile.h"

#include <QList>
#include <QString>
#include <QStringList>

// The tag-record text format: lines "#" + key + "#" followed by values, each
// introduced by '>'. Every read opens, scans and closes its file; no state
// survives a call. Arrays are QStringLists whose index i holds entry i + 1.
//
// A missing file, a missing record, or a record with fewer values than asked
// gives empty texts for what is missing; the readers never fail. A UTF-8
// byte-order mark at the start of a file is not part of its first line.
namespace Module1 {

QString ReadKeyText(const QString &path, const QString &key);
QStringList ReadKeyValues(const QString &path, const QString &key, int count);
QString ReadKeyLine(const QString &path, const QString &key);
QStringList ReadAllKeyValues(const QString &path, const QString &key);
// The line's key has 3 characters.
QStringList SplitKeyLine(const QString &line, int count);
// Entry b (index b - 1) is the line of key 100 + b, found by one forward scan.
QStringList ReadPaperLines(const QString &path, int count);
QList<int> CountValuesPerKey(const QString &path, const QStringList &keys);
QStringList ReadValuesForKeys(const QString &path, const QStringList &keys);

// The same reads over record text already in memory (a resource's bytes, no
// scratch file): the lines of `bytes`, then the reads on those lines.
QStringList SplitLines(const QByteArray &bytes);
QStringList ReadAllKeyValues(const QStringList &lines, const QString &key);
QStringList ReadKeyValues(const QStringList &lines, const QString &key, int count);
QList<int> CountValuesPerKey(const QStringList &lines, const QStringList &keys);
QStringList ReadValuesForKeys(const QStringList &lines, const QStringList &keys);

// Writers replace the file whole (atomically) and return false, leaving the
// old file untouched, when it could not be written; `failure` then says why.
// An entry of `lines` that is empty (its line could not be read) is written
// as its paper key with one empty value, never as a blank line, so that the
// record is found again.
bool ReplaceKeyLine(QStringList &lines, const QStringList &values, const QString &lineIndex,
                    const QString &key, int lineCount, int valueCount, const QString &path,
                    SafeFile::Failure *failure = nullptr);
bool WriteMarksFile(const QList<QStringList> &rows, const QStringList &keys, int valueCount,
                    const QString &path, SafeFile::Failure *failure = nullptr);

// Building blocks shared with the writers of other files.
QString BuildKeyLine(const QString &key, const QStringList &values, int valueCount);
// Values 1..count of a line whose first '>' stands at 1-based position firstSep.
QStringList SplitValues(const QString &line, int count, int firstSep);
// The bytes of the lines, each followed by CR LF, in Windows-1252.
QByteArray LinesBytes(const QStringList &lines);
bool WriteLines(const QString &path, const QStringList &lines,
                SafeFile::Failure *failure = nullptr);
// The marks file's six lines, as WriteMarksFile writes them.
QStringList MarksLines(const QList<QStringList> &rows, const QStringList &keys, int valueCount);
// A UTF-8 byte-order mark, which some editors put at the start of a file.
inline constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

} // namespace Module1
