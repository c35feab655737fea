#include "Records.h"
#include "SafeFile.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// A results write that fails part-way must keep the old file byte for byte
// and say it failed.
class TestSafeFile : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_dir.reset(new QTemporaryDir); }
    void cleanup() { m_dir.reset(); }

    void replacesWholeFile();
    void fileSizeLimitKeepsOldContent();
    void targetThatIsAFolderFails();
    void missingParentFolderFails();

private:
    QStringList leftovers() const
    {
        return QDir(m_dir->path()).entryList({QStringLiteral("*.new-*")}, QDir::Files);
    }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSafeFile::replacesWholeFile()
{
    const QString path = m_dir->filePath(QStringLiteral("first2TY.txt"));
    TestFiles::write(path, QByteArray(4096, 'x'));
    QVERIFY(SafeFile::write(path, "#101#>1\r\n"));
    QCOMPARE(TestFiles::read(path), QByteArray("#101#>1\r\n"));
    QVERIFY(leftovers().isEmpty());
}

void TestSafeFile::fileSizeLimitKeepsOldContent()
{
    const QString path = m_dir->filePath(QStringLiteral("marks2TY.txt"));
    const QByteArray old = "#FSE#>80\r\n#SSE#>\r\n";
    TestFiles::write(path, old);

    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{1024, 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        QList<QStringList> rows(6, QStringList(50, QString(100, QLatin1Char('9'))));
        const bool ok = Module1::WriteMarksFile(rows, {"FSE", "SSE", "LTM", "CDD", "FST", "SST"},
                                                50, path);
        ::_exit(ok ? 0 : 3);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 3); // reported as failed
    QCOMPARE(TestFiles::read(path), old);
    QVERIFY(leftovers().isEmpty());
}

void TestSafeFile::targetThatIsAFolderFails()
{
    const QString path = m_dir->filePath(QStringLiteral("trend2TY.txt"));
    QVERIFY(QDir().mkpath(path));
    SafeFile::Failure failure;
    QVERIFY(!SafeFile::write(path, "#TRD#\r\n", SafeFile::Durability::Durable, &failure));
    QVERIFY(!failure.what.isEmpty());
    QVERIFY(!failure.noRoom());
    QVERIFY(QFileInfo(path).isDir());
    QVERIFY(leftovers().isEmpty());
}

void TestSafeFile::missingParentFolderFails()
{
    QStringList lines;
    QVERIFY(!Module1::ReplaceKeyLine(lines, {"1"}, QStringLiteral("1"), QStringLiteral("101"), 1, 1,
                                     m_dir->filePath(QStringLiteral("gone/first2TY.txt"))));
}

QTEST_GUILESS_MAIN(TestSafeFile)
#include "tst_safefile.moc"
