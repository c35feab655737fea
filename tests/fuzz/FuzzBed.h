#pragma once

#include "Workspace.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

// A broken invariant is a finding, as a crash is.
#define FUZZ_CHECK(condition)                                                                   \
    do {                                                                                        \
        if (!(condition)) {                                                                     \
            std::fprintf(stderr, "invariant broken at %s:%d: %s\n", __FILE__, __LINE__,          \
                         #condition);                                                           \
            std::abort();                                                                       \
        }                                                                                       \
    } while (false)

// A scratch program folder for the whole run, in memory where the system
// has such a folder: every store syncs its files to the disk.
inline const Workspace &fuzzWorkspace()
{
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/tessaly-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/tessaly-fuzz-XXXXXX"));
    static const Workspace workspace(dir.path());
    return workspace;
}

inline void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes) == bytes.size());
}

inline QByteArray readRaw(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
