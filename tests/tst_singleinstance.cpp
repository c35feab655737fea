#include "SingleInstance.h"
#include "Workspace.h"
#include "support/TestFiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <csignal>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using State = WorkspaceLock::State;

// Two copies of the program in one folder: the second finds the folder
// taken and asks the first to come forward; a killed copy blocks nothing.
class TestSingleInstance : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_dir.reset(new QTemporaryDir); }
    void cleanup() { m_dir.reset(); }

    void oneCopyPerFolder();
    void aKilledCopyLeavesTheFolderFree();
    void aLinkInPlaceOfTheLockFileIsNotFollowed();
    void socketNameFollowsTheFolderNotThePath();
    void secondStartBringsTheFirstForward();
    void noRunningCopyMeansNoAnswer();

private:
    Workspace ws() const { return Workspace(m_dir->path()); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSingleInstance::oneCopyPerFolder()
{
    QTemporaryDir other;
    auto first = std::make_unique<WorkspaceLock>(ws());
    QCOMPARE(first->state(), State::Held);
    QCOMPARE(WorkspaceLock(ws()).state(), State::HeldElsewhere);
    QCOMPARE(WorkspaceLock(Workspace(other.path())).state(), State::Held);
    first.reset(); // the first copy ends
    QCOMPARE(WorkspaceLock(ws()).state(), State::Held);
}

void TestSingleInstance::aKilledCopyLeavesTheFolderFree()
{
    int ready[2];
    QCOMPARE(::pipe(ready), 0);
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        const WorkspaceLock lock(ws());
        const char held = lock.state() == State::Held ? 'y' : 'n';
        [[maybe_unused]] const ssize_t n = ::write(ready[1], &held, 1);
        for (;;)
            ::pause();
    }
    char held = 0;
    QCOMPARE(::read(ready[0], &held, 1), ssize_t(1));
    QCOMPARE(held, 'y');
    QCOMPARE(WorkspaceLock(ws()).state(), State::HeldElsewhere);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    // The lock file is still there; the lock is not.
    QVERIFY(QFile::exists(ws().file(WorkspaceLock::kFileName)));
    QCOMPARE(WorkspaceLock(ws()).state(), State::Held);
}

void TestSingleInstance::aLinkInPlaceOfTheLockFileIsNotFollowed()
{
    QTemporaryDir outside;
    const QString target = outside.filePath(QStringLiteral("notes.txt"));
    TestFiles::write(target, "mine");
    const QString lockFile = ws().file(WorkspaceLock::kFileName);
    QVERIFY(QFile::link(target, lockFile));
    QCOMPARE(WorkspaceLock(ws()).state(), State::Held);
    QVERIFY(!QFileInfo(lockFile).isSymLink());
    QCOMPARE(TestFiles::read(target), QByteArray("mine"));
    // A link to nothing outside makes nothing there either.
    const QString nothing = outside.filePath(QStringLiteral("made.txt"));
    QVERIFY(QFile::remove(lockFile));
    QVERIFY(QFile::link(nothing, lockFile));
    QCOMPARE(WorkspaceLock(ws()).state(), State::Held);
    QVERIFY(!QFileInfo::exists(nothing));
}

void TestSingleInstance::socketNameFollowsTheFolderNotThePath()
{
    QTemporaryDir other;
    const QString viaLink = other.filePath(QStringLiteral("link"));
    QVERIFY(QFile::link(m_dir->path(), viaLink));
    const QString name = WorkspaceLock::socketName(ws());
    QCOMPARE(WorkspaceLock::socketName(Workspace(viaLink)), name);
    QCOMPARE(WorkspaceLock::socketName(Workspace(m_dir->path() + QStringLiteral("/."))), name);
    QVERIFY(WorkspaceLock::socketName(Workspace(other.path())) != name);
}

void TestSingleInstance::secondStartBringsTheFirstForward()
{
    const QString name = WorkspaceLock::socketName(ws());
    ForwardListener first;
    QVERIFY(first.listen(name));
    QSignalSpy asked(&first, &ForwardListener::forwardRequested);
    // The second start waits for its answer on a thread of its own, as it
    // would in its own process.
    std::atomic<int> answered{-1};
    std::thread second([&] { answered = ForwardListener::askToComeForward(name, 5000) ? 1 : 0; });
    QTRY_COMPARE(answered.load(), 1);
    second.join();
    QCOMPARE(asked.size(), 1);
    // A second listener on the same folder is refused.
    ForwardListener again;
    QVERIFY(!again.listen(name));
}

void TestSingleInstance::noRunningCopyMeansNoAnswer()
{
    QVERIFY(!ForwardListener::askToComeForward(WorkspaceLock::socketName(ws()), 300));
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
