#include "FileSet.h"

#include "Workspace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <optional>

namespace {

QString nextName(const QString &name)
{
    return name + QLatin1String(FileSet::kNextSuffix);
}

bool moveOver(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// Only plain names of the folder itself: a damaged or planted record must
// not move files anywhere else.
bool isPlainName(const QString &name)
{
    return !name.isEmpty() && !name.startsWith(QLatin1Char('.')) && !name.contains(QLatin1Char('/'))
           && name != QLatin1String(FileSet::kCommitName);
}

// Renames every named ".next" file present over its file; false when one
// could not be moved.
bool finish(const QDir &folder, const QStringList &names)
{
    bool ok = true;
    for (const QString &name : names) {
        const QString next = folder.filePath(nextName(name));
        if (QFileInfo::exists(next) && !moveOver(next, folder.filePath(name)))
            ok = false;
    }
    return ok;
}

// Nothing when the record cannot be read: its files are then left as they
// are, not thrown away as an uncommitted change's would be.
std::optional<QStringList> committedNames(const QString &record)
{
    QFile file(record);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QStringList names;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QString name = QFile::decodeName(line.trimmed());
        if (isPlainName(name))
            names.append(name);
    }
    return names;
}

} // namespace

namespace FileSet {

bool finishPending(const Workspace &workspace, SafeFile::Failure *failure)
{
    const QDir folder(workspace.folder());
    if (!QFileInfo::exists(folder.filePath(QLatin1String(kCommitName))))
        return true;
    errno = 0;
    if (recover(workspace) == Recovery::RolledForward)
        return true;
    if (failure)
        *failure = {errno ? errno : EIO, folder.path()};
    return false;
}

bool replace(const Workspace &workspace, const QList<Change> &changes, SafeFile::Failure *failure)
{
    const QDir folder(workspace.folder());
    const QString commit = folder.filePath(QLatin1String(kCommitName));
    // A committed change whose renames failed is finished first: this
    // change's record would replace its record, and its ".next" files left
    // behind would be thrown away at the next start, half of it applied.
    if (!finishPending(workspace, failure))
        return false;
    for (const Change &c : changes) {
        if (!isPlainName(c.name) || QFileInfo(folder.filePath(c.name)).isDir()) {
            if (failure)
                *failure = {EISDIR, folder.filePath(c.name)};
            return false;
        }
    }
    QStringList written;
    const auto undo = [&] {
        for (const QString &name : std::as_const(written))
            QFile::remove(folder.filePath(nextName(name)));
        return false;
    };
    QByteArray record;
    for (const Change &c : changes) {
        if (!SafeFile::write(folder.filePath(nextName(c.name)), c.bytes,
                             SafeFile::Durability::FileOnly, failure))
            return undo();
        written.append(c.name);
        record += QFile::encodeName(c.name) + "\r\n";
    }
    SafeFile::syncFolder(folder.path());
    // From here on the new set is the one a start-up finds.
    if (!SafeFile::write(commit, record, SafeFile::Durability::Durable, failure))
        return undo();
    if (!finish(folder, written)) {
        if (failure)
            *failure = {errno, folder.path()};
        // The record stays: the next start finishes the renames.
        return false;
    }
    SafeFile::syncFolder(folder.path());
    QFile::remove(commit);
    SafeFile::syncFolder(folder.path());
    return true;
}

Recovery recover(const Workspace &workspace)
{
    const QDir folder(workspace.folder());
    const QString commit = folder.filePath(QLatin1String(kCommitName));
    Recovery done = Recovery::Nothing;
    if (QFileInfo::exists(commit)) {
        const std::optional<QStringList> names = committedNames(commit);
        if (!names || !finish(folder, *names))
            return Recovery::Nothing; // kept for the next start to try again
        SafeFile::syncFolder(folder.path());
        done = Recovery::RolledForward;
    }
    // What is left is an uncommitted change, or the temporary files of one.
    bool removed = false;
    const QString commitTemp = QLatin1String(kCommitName) + QLatin1String(".new-");
    const QString nextTemp = QLatin1String(kNextSuffix) + QLatin1String(".new-");
    const QStringList files = folder.entryList(QDir::Files | QDir::System, QDir::NoSort);
    for (const QString &name : files) {
        if (name.endsWith(QLatin1String(kNextSuffix)) || name.contains(nextTemp)
            || name.startsWith(commitTemp)) {
            removed = QFile::remove(folder.filePath(name)) || removed;
        }
    }
    if (done == Recovery::RolledForward) {
        QFile::remove(commit);
        SafeFile::syncFolder(folder.path());
    } else if (removed) {
        SafeFile::syncFolder(folder.path());
        done = Recovery::RolledBack;
    }
    return done;
}

} // namespace FileSet
