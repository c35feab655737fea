#include "SingleInstance.h"

#include "Workspace.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// An abstract socket address: it vanishes with the process that bound it, so
// a killed copy leaves nothing behind.
socklen_t addressOf(const QString &name, sockaddr_un &address)
{
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    const QByteArray bytes = name.toUtf8().left(int(sizeof address.sun_path) - 2);
    std::memcpy(address.sun_path + 1, bytes.constData(), size_t(bytes.size()));
    return socklen_t(offsetof(sockaddr_un, sun_path) + 1 + size_t(bytes.size()));
}

int openLockFile(const QByteArray &path)
{
    // Never through a link: a link planted in its place is removed instead.
    int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0 && errno == ELOOP && ::unlink(path.constData()) == 0)
        fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    return fd;
}

} // namespace

WorkspaceLock::WorkspaceLock(const Workspace &workspace)
{
    m_fd = openLockFile(QFile::encodeName(workspace.file(QLatin1String(kFileName))));
    if (m_fd < 0)
        return;
    if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
        m_state = State::Held;
        return;
    }
    m_state = errno == EWOULDBLOCK ? State::HeldElsewhere : State::Unavailable;
    ::close(m_fd);
    m_fd = -1;
}

WorkspaceLock::~WorkspaceLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QString WorkspaceLock::socketName(const Workspace &workspace)
{
    QString folder = QFileInfo(workspace.folder()).canonicalFilePath();
    if (folder.isEmpty())
        folder = workspace.folder();
    const QByteArray hash =
        QCryptographicHash::hash(QFile::encodeName(folder), QCryptographicHash::Sha1).toHex().left(24);
    return QStringLiteral("tessaly-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash));
}

ForwardListener::ForwardListener(QObject *parent)
    : QObject(parent)
{
}

ForwardListener::~ForwardListener()
{
    m_notifier.reset();
    if (m_fd >= 0)
        ::close(m_fd);
}

bool ForwardListener::listen(const QString &socketName)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    sockaddr_un address;
    const socklen_t length = addressOf(socketName, address);
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&address), length) != 0
        || ::listen(fd, 4) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &ForwardListener::acceptAll);
    return true;
}

void ForwardListener::acceptAll()
{
    for (;;) {
        const int client = ::accept4(m_fd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (client < 0)
            return;
        emit forwardRequested();
        const char answer[] = "ok\n";
        [[maybe_unused]] const ssize_t sent = ::send(client, answer, sizeof answer - 1, MSG_NOSIGNAL);
        ::close(client);
    }
}

bool ForwardListener::askToComeForward(const QString &socketName, int timeoutMs)
{
    sockaddr_un address;
    const socklen_t length = addressOf(socketName, address);
    const QDeadlineTimer deadline(timeoutMs);
    // The running copy listens once its window is up: a start just after
    // its own may have to wait for that.
    do {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return false;
        if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), length) == 0) {
            pollfd p{fd, POLLIN, 0};
            char reply[4];
            const bool answered = ::poll(&p, 1, int(qMax<qint64>(deadline.remainingTime(), 0))) == 1
                                  && ::recv(fd, reply, sizeof reply, 0) > 0;
            ::close(fd);
            return answered;
        }
        ::close(fd);
        QThread::msleep(50);
    } while (!deadline.hasExpired());
    return false;
}
