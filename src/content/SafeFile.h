#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file whole and atomically: the bytes go to a temporary file in the
// same folder, which is flushed and renamed over the target. On any failure the
// old file is left as it was and false is returned. A target that is a
// symbolic link is replaced, never written through.
namespace SafeFile {

enum class Durability {
    Durable,  // fsync the file and its folder: results the pupil must not lose
    FileOnly, // fsync the file; the caller syncs the folder once for a batch
    Fast,     // scratch and regenerable files (pictures, page files)
};

// Why a write failed.
struct Failure {
    int error = 0; // errno
    QString what;  // path and the system's words

    // The disk (or the user's share of it) is full; a file-size limit counts
    // too, as the pupil can do nothing else about either.
    bool noRoom() const;
};

bool write(const QString &path, const QByteArray &bytes,
           Durability durability = Durability::Durable, Failure *failure = nullptr);

// Flushes a folder's entries (renames, removals) to the disk.
void syncFolder(const QString &folder);

// Whether the file holds exactly `bytes`; a file of another size is not read.
// For writers that leave a file alone when it already is what they would write.
bool holds(const QString &path, const QByteArray &bytes);

} // namespace SafeFile
