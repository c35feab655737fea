#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file whole and atomically: the bytes go to a temporary file in the
// same folder, which is flushed and renamed over the target. On any failure the
// old file is left as it was and false is returned.
namespace SafeFile {

enum class Durability {
    Durable, // fsync the file and its folder: results the pupil must not lose
    Fast,    // scratch and regenerable files (pictures, page files)
};

bool write(const QString &path, const QByteArray &bytes,
           Durability durability = Durability::Durable, QString *error = nullptr);

} // namespace SafeFile
