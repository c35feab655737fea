#include "Workspace.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>

Workspace::Workspace(QString folder)
    : m_folder(QDir(folder).absolutePath())
{
}

QString Workspace::file(const QString &name) const
{
    return QDir(m_folder).filePath(name);
}

QString Workspace::graphicsFolder() const
{
    return file(QStringLiteral("Graphics"));
}

QString Workspace::graphic(const QString &name) const
{
    return QDir(graphicsFolder()).filePath(name);
}

bool Workspace::isWritableFolder(const QString &folder)
{
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    // Try a real file: permission bits alone do not tell (root, read-only mounts).
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".probe-XXXXXX")));
    return probe.open();
}

QString Workspace::choose(const QString &programFolder)
{
    if (isWritableFolder(programFolder))
        return QDir(programFolder).absolutePath();
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (isWritableFolder(data))
        return QDir(data).absolutePath();
    return {};
}
