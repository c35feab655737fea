#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

// Small file helpers shared by the test suites.
namespace TestFiles {

inline QByteArray read(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

// Files of a folder whose names start with `prefix`.
inline QStringList filesStartingWith(const QString &folder, const QString &prefix)
{
    return QDir(folder).entryList({prefix + QStringLiteral("*")}, QDir::Files);
}

} // namespace TestFiles
