#include "SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool fail(SafeFile::Failure *failure, const QString &what, int err)
{
    if (failure) {
        failure->error = err;
        failure->what = what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(err));
    }
    return false;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

mode_t defaultMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

namespace SafeFile {

bool Failure::noRoom() const
{
    return error == ENOSPC || error == EDQUOT || error == EFBIG;
}

void syncFolder(const QString &folder)
{
    const int dfd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

bool holds(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.size() == bytes.size() && file.open(QIODevice::ReadOnly) && file.readAll() == bytes;
}

bool write(const QString &path, const QByteArray &bytes, Durability durability, Failure *failure)
{
    const QFileInfo info(path);
    const QByteArray target = QFile::encodeName(info.absoluteFilePath());
    if (info.isDir())
        return fail(failure, path, EISDIR);

    QByteArray tmpl = target + ".new-XXXXXX";
    const int fd = ::mkostemp(tmpl.data(), O_CLOEXEC);
    if (fd < 0)
        return fail(failure, path, errno);
    ::fchmod(fd, defaultMode());

    bool ok = writeAll(fd, bytes);
    int err = errno;
    if (ok && durability != Durability::Fast && ::fsync(fd) != 0) {
        ok = false;
        err = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && ::rename(tmpl.constData(), target.constData()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        ::unlink(tmpl.constData());
        return fail(failure, path, err);
    }
    if (durability == Durability::Durable)
        syncFolder(info.absolutePath());
    return true;
}

} // namespace SafeFile
