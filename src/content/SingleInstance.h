#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QSocketNotifier;
class Workspace;

// One running copy per program folder. The copy that starts first holds a
// lock on the folder's "tessaly.lock"; the system lets go of it when that
// copy ends, killed or not, so nothing stale blocks the next start. A later
// start finds the lock held and asks the running copy, through a local
// socket named after the folder, to bring its window forward.
class WorkspaceLock
{
public:
    enum class State {
        Held,          // this copy is the one
        HeldElsewhere, // another copy runs in this folder
        Unavailable,   // no lock file could be made: nothing to go by
    };

    // Tries once, without waiting; any thread.
    explicit WorkspaceLock(const Workspace &workspace);
    ~WorkspaceLock();
    WorkspaceLock(const WorkspaceLock &) = delete;
    WorkspaceLock &operator=(const WorkspaceLock &) = delete;

    State state() const { return m_state; }

    static constexpr char kFileName[] = "tessaly.lock";
    // The running copy's socket for a folder: the same name for every path
    // of the same folder.
    static QString socketName(const Workspace &workspace);

private:
    int m_fd = -1;
    State m_state = State::Unavailable;
};

// The running copy's side of the socket: each connection asks for the
// window to come forward, and is answered once it has.
class ForwardListener : public QObject
{
    Q_OBJECT
public:
    explicit ForwardListener(QObject *parent = nullptr);
    ~ForwardListener() override;

    // False when the name is taken (which the lock makes unlikely).
    bool listen(const QString &socketName);

    // A later start's side: true when a copy listening on the name answered
    // within `timeoutMs`.
    static bool askToComeForward(const QString &socketName, int timeoutMs);

signals:
    void forwardRequested();

private:
    void acceptAll();

    int m_fd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
};
