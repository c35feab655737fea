#include "FileSet.h"
#include "Workspace.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

// A change of several files interrupted at each point between its steps:
// the next start finds the old set or the new set, never a mix.
class TestFileSet : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_dir.reset(); }

    void replaceChangesEveryFile();
    void crashBeforeTheCommitRecordKeepsTheOldSet_data();
    void crashBeforeTheCommitRecordKeepsTheOldSet();
    void crashAfterTheCommitRecordGivesTheNewSet_data();
    void crashAfterTheCommitRecordGivesTheNewSet();
    void anUnfinishedChangeIsFinishedBeforeTheNext();
    void anUnreadableCommitRecordKeepsItsFiles();
    void aTargetThatCannotBeReplacedChangesNothing();
    void commitRecordMovesNothingOutOfTheFolder();

private:
    Workspace ws() const { return Workspace(m_dir->path()); }
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QMap<QString, QByteArray> files() const
    {
        QMap<QString, QByteArray> all;
        for (const QString &name : QDir(m_dir->path()).entryList(QDir::Files))
            all.insert(name, TestFiles::read(path(name)));
        return all;
    }
    void writeAll(const QMap<QString, QByteArray> &set)
    {
        for (auto it = set.cbegin(); it != set.cend(); ++it)
            TestFiles::write(path(it.key()), it.value());
    }
    void writeCommit() { TestFiles::write(path(FileSet::kCommitName), m_names.join("\r\n").toLatin1() + "\r\n"); }

    std::unique_ptr<QTemporaryDir> m_dir;
    const QStringList m_names{"fresults2TY.txt", "marks2TY.txt", "trend2TY.txt"};
    QMap<QString, QByteArray> m_old, m_new;
};

void TestFileSet::init()
{
    m_dir.reset(new QTemporaryDir);
    m_old.clear();
    m_new.clear();
    for (const QString &name : m_names) {
        m_old.insert(name, "old " + name.toLatin1() + "\r\n");
        m_new.insert(name, "new " + name.toLatin1() + "\r\n");
    }
    writeAll(m_old);
}

void TestFileSet::replaceChangesEveryFile()
{
    QList<FileSet::Change> changes;
    for (const QString &name : m_names)
        changes.append({name, m_new.value(name)});
    QVERIFY(FileSet::replace(ws(), changes));
    QCOMPARE(files(), m_new); // no ".next" file, no commit record left
    QCOMPARE(FileSet::recover(ws()), FileSet::Recovery::Nothing);
}

void TestFileSet::crashBeforeTheCommitRecordKeepsTheOldSet_data()
{
    QTest::addColumn<int>("written");
    QTest::addColumn<bool>("temporary"); // the next file half written, under its temporary name
    QTest::addRow("first new file half written") << 0 << true;
    QTest::addRow("one new file written") << 1 << false;
    QTest::addRow("all new files written") << 3 << false;
    QTest::addRow("commit record half written") << 3 << true;
}

void TestFileSet::crashBeforeTheCommitRecordKeepsTheOldSet()
{
    QFETCH(int, written);
    QFETCH(bool, temporary);
    for (int i = 0; i < written; ++i)
        TestFiles::write(path(m_names.at(i) + FileSet::kNextSuffix), m_new.value(m_names.at(i)));
    if (temporary) {
        const QString name = written < 3 ? m_names.at(written) + FileSet::kNextSuffix
                                         : QString::fromLatin1(FileSet::kCommitName);
        TestFiles::write(path(name + ".new-Ab12Cd"), "half");
    }
    QCOMPARE(FileSet::recover(ws()), FileSet::Recovery::RolledBack);
    QCOMPARE(files(), m_old);
}

void TestFileSet::crashAfterTheCommitRecordGivesTheNewSet_data()
{
    QTest::addColumn<int>("renamed");
    for (int r = 0; r <= 3; ++r)
        QTest::addRow("%d of 3 renamed", r) << r;
}

void TestFileSet::crashAfterTheCommitRecordGivesTheNewSet()
{
    QFETCH(int, renamed);
    for (int i = 0; i < 3; ++i) {
        const QString name = m_names.at(i);
        TestFiles::write(path(i < renamed ? name : name + FileSet::kNextSuffix), m_new.value(name));
    }
    writeCommit();
    QCOMPARE(FileSet::recover(ws()), FileSet::Recovery::RolledForward);
    QCOMPARE(files(), m_new);
    // Done once: the next start has nothing to do.
    QCOMPARE(FileSet::recover(ws()), FileSet::Recovery::Nothing);
}

void TestFileSet::anUnfinishedChangeIsFinishedBeforeTheNext()
{
    // A committed change whose last rename failed, in this run.
    TestFiles::write(path("fresults2TY.txt"), m_new.value("fresults2TY.txt"));
    TestFiles::write(path("marks2TY.txt"), m_new.value("marks2TY.txt"));
    TestFiles::write(path(QStringLiteral("trend2TY.txt") + FileSet::kNextSuffix), m_new.value("trend2TY.txt"));
    writeCommit();
    // The next change leaves the trend alone.
    QVERIFY(FileSet::replace(ws(), {{"marks2TY.txt", "later\r\n"}}));
    QMap<QString, QByteArray> expected = m_new;
    expected.insert("marks2TY.txt", "later\r\n");
    QCOMPARE(files(), expected);
    QCOMPARE(FileSet::recover(ws()), FileSet::Recovery::Nothing);
    QCOMPARE(files(), expected);
}

void TestFileSet::anUnreadableCommitRecordKeepsItsFiles()
{
    // Half of a committed change is in place; its record cannot be read.
    TestFiles::write(path("fresults2TY.txt"), m_new.value("fresults2TY.txt"));
    TestFiles::write(path(QStringLiteral("marks2TY.txt") + FileSet::kNextSuffix), m_new.value("marks2TY.txt"));
    QVERIFY(QDir().mkpath(path(FileSet::kCommitName)));
    QCOMPARE(FileSet::recover(ws()), FileSet::Recovery::Nothing);
    QVERIFY(QFileInfo::exists(path(QStringLiteral("marks2TY.txt") + FileSet::kNextSuffix)));
    QVERIFY(!FileSet::replace(ws(), {{"trend2TY.txt", "later\r\n"}}));
    QCOMPARE(TestFiles::read(path("trend2TY.txt")), m_old.value("trend2TY.txt"));
}

void TestFileSet::aTargetThatCannotBeReplacedChangesNothing()
{
    QVERIFY(QFile::remove(path("trend2TY.txt")));
    QVERIFY(QDir().mkpath(path("trend2TY.txt")));
    m_old.remove("trend2TY.txt");
    QList<FileSet::Change> changes;
    for (const QString &name : m_names)
        changes.append({name, m_new.value(name)});
    SafeFile::Failure failure;
    QVERIFY(!FileSet::replace(ws(), changes, &failure));
    QVERIFY(failure.error != 0);
    QCOMPARE(files(), m_old);
}

void TestFileSet::commitRecordMovesNothingOutOfTheFolder()
{
    QTemporaryDir outside;
    const QString victim = outside.filePath("victim.txt");
    TestFiles::write(victim, "untouched");
    TestFiles::write(path("victim.txt.next"), "planted");
    TestFiles::write(path(FileSet::kCommitName),
                     ("../" + QFileInfo(outside.path()).fileName() + "/victim.txt\r\n" + victim
                      + "\r\n.hidden\r\n")
                         .toLocal8Bit());
    FileSet::recover(ws());
    QCOMPARE(TestFiles::read(victim), QByteArray("untouched"));
    QCOMPARE(files(), m_old);
}

QTEST_GUILESS_MAIN(TestFileSet)
#include "tst_fileset.moc"
