#include "FileSet.h"
#include "ProgramConfig.h"
#include "Records.h"
#include "ResultsStore.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

// Storing marked attempts and answers in a module's results files.
class TestResultsStore : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_dir.reset(); }

    void fileNames();
    void firstAttemptSetsOnlyItsPaper();
    void secondAttemptChangesOnlySecondScore();
    void zeroScoreCountsAsAttempted();
    void trendKeepsEveryFirstMarking();
    void unansweredPaperKeepsFullLine();
    void failedWriteIsReported();
    void aStoreBuildsOnAnUnfinishedChange();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ResultsStore> m_store;
    int m_papers = 0;
};

void TestResultsStore::init()
{
    m_dir.reset(new QTemporaryDir);
    const Workspace ws(m_dir->path());
    const ProgramConfig config = ProgramConfig::read(ws);
    m_papers = config.module(2).paperCount;
    QVERIFY(m_papers >= 5);
    QVERIFY(ResetResultsFiles(ws, config));
    m_store = std::make_unique<ResultsStore>(ws, 2, config.code, m_papers);
}

void TestResultsStore::fileNames()
{
    QCOMPARE(ResultsStore::fileName(ResultsStore::Marks, 2, QStringLiteral("TY")),
             QStringLiteral("marks2TY.txt"));
    QCOMPARE(ResultsStore::fileName(ResultsStore::SResults, 3, QStringLiteral("TY")),
             QStringLiteral("sresults3TY.txt"));
    QCOMPARE(ResultsStore::templateId(ResultsStore::Marks, 2), 30121);
    QCOMPARE(ResultsStore::templateId(ResultsStore::Trend, 1), 30116);
}

void TestResultsStore::firstAttemptSetsOnlyItsPaper()
{
    MarksRows rows = m_store->readMarks();
    const MarksRows before = rows;
    QStringList lines = m_store->readPaperLines(ResultsStore::FResults);
    const QStringList results{QString(QChar(0xFC)), QString(QChar(0xFB))};
    QVERIFY(m_store->storeFirstAttempt(rows, lines, 5, results, 2, "50", "0:12:5", "08/12/2026"));

    const MarksRows after = m_store->readMarks();
    for (int p = 1; p <= m_papers; ++p) {
        const bool mine = p == 5;
        QCOMPARE(after.FSE.at(p - 1), mine ? QStringLiteral("50") : before.FSE.at(p - 1));
        QCOMPARE(after.LTM.at(p - 1), mine ? QStringLiteral("0:12:5") : before.LTM.at(p - 1));
        QCOMPARE(after.CDD.at(p - 1), mine ? QStringLiteral("08/12/2026") : before.CDD.at(p - 1));
        QCOMPARE(after.FST.at(p - 1), mine ? QStringLiteral("1") : QStringLiteral("0"));
        QCOMPARE(after.SSE.at(p - 1), QString());
        QCOMPARE(after.SST.at(p - 1), QStringLiteral("0"));
    }
    QCOMPARE(m_store->readTrendLine(), QStringLiteral("#TRD#>50"));
    QCOMPARE(m_store->readPaperValues(ResultsStore::FResults, 5, 2), results);
    QCOMPARE(TestFiles::read(m_store->path(ResultsStore::Trend)), QByteArray("#TRD#>50\r\n"));
}

void TestResultsStore::secondAttemptChangesOnlySecondScore()
{
    MarksRows rows = m_store->readMarks();
    QStringList first = m_store->readPaperLines(ResultsStore::FResults);
    QVERIFY(m_store->storeFirstAttempt(rows, first, 2, {QString(QChar(0xFB))}, 1, "0", "0:0:9",
                                       "07/12/2026"));
    const QByteArray trend = TestFiles::read(m_store->path(ResultsStore::Trend));
    const MarksRows marked = m_store->readMarks();

    QStringList second = m_store->readPaperLines(ResultsStore::SResults);
    QVERIFY(m_store->storeSecondAttempt(rows, second, 2, {QString(QChar(0xFC))}, 1, "100"));
    const MarksRows after = m_store->readMarks();
    QCOMPARE(after.FSE, marked.FSE);
    QCOMPARE(after.LTM, marked.LTM);
    QCOMPARE(after.CDD, marked.CDD);
    QCOMPARE(after.FST, marked.FST);
    QCOMPARE(after.SSE.at(1), QStringLiteral("100"));
    QCOMPARE(after.SST.at(1), QStringLiteral("1"));
    QCOMPARE(TestFiles::read(m_store->path(ResultsStore::Trend)), trend);
}

void TestResultsStore::zeroScoreCountsAsAttempted()
{
    MarksRows rows = m_store->readMarks();
    QStringList lines = m_store->readPaperLines(ResultsStore::FResults);
    QVERIFY(m_store->storeFirstAttempt(rows, lines, 1, {}, 1, "0", "0:0:1", "08/12/2026"));
    QCOMPARE(m_store->readMarks().FSE.at(0), QStringLiteral("0"));
    QVERIFY(!m_store->readMarks().FSE.at(0).isEmpty());
}

void TestResultsStore::trendKeepsEveryFirstMarking()
{
    MarksRows rows = m_store->readMarks();
    QStringList lines = m_store->readPaperLines(ResultsStore::FResults);
    QStringList expected;
    for (int p = 1; p <= m_papers; ++p) {
        const QString score = QString::number(p * 5 % 101);
        QVERIFY(m_store->storeFirstAttempt(rows, lines, p, {}, 1, score, "0:0:1", "08/12/2026"));
        expected << score;
    }
    const QString line = m_store->readTrendLine();
    QCOMPARE(line.count(QLatin1Char('>')), m_papers);
    QCOMPARE(Module1::SplitKeyLine(line, m_papers), expected);
}

void TestResultsStore::unansweredPaperKeepsFullLine()
{
    QStringList lines = m_store->readPaperLines(ResultsStore::First);
    QVERIFY(m_store->storePaperValues(ResultsStore::First, lines, 3, {}, 7));
    QCOMPARE(m_store->readPaperLines(ResultsStore::First).at(2), QStringLiteral("#103#>>>>>>>"));
    // The other papers' lines come back as the template had them.
    QCOMPARE(Module1::ReadPaperLines(m_store->path(ResultsStore::First), m_papers).size(), m_papers);
}

void TestResultsStore::failedWriteIsReported()
{
    const QString trend = m_store->path(ResultsStore::Trend);
    QVERIFY(QFile::remove(trend));
    QVERIFY(QDir().mkpath(trend)); // a folder where the file should be
    MarksRows rows = m_store->readMarks();
    QStringList lines = m_store->readPaperLines(ResultsStore::FResults);
    QVERIFY(!m_store->storeFirstAttempt(rows, lines, 1, {}, 1, "80", "0:0:1", "08/12/2026"));
}

void TestResultsStore::aStoreBuildsOnAnUnfinishedChange()
{
    // Paper 1's marking was committed, but its trend file's rename failed.
    TestFiles::write(m_store->path(ResultsStore::Trend) + FileSet::kNextSuffix, "#TRD#>40\r\n");
    TestFiles::write(QDir(m_dir->path()).filePath(FileSet::kCommitName), "trend2TY.txt\r\n");
    MarksRows rows = m_store->readMarks();
    QStringList lines = m_store->readPaperLines(ResultsStore::FResults);
    QVERIFY(m_store->storeFirstAttempt(rows, lines, 2, {}, 1, "100", "0:0:1", "08/12/2026"));
    QCOMPARE(m_store->readTrendLine(), QStringLiteral("#TRD#>40>100"));

    // The same for an answer stored after an unfinished erase.
    QStringList first = m_store->readPaperLines(ResultsStore::First);
    QVERIFY(m_store->storePaperValues(ResultsStore::First, first, 3, {"a"}, 1));
    TestFiles::write(m_store->path(ResultsStore::First) + FileSet::kNextSuffix,
                     TestFiles::read(m_store->path(ResultsStore::First)).replace(">a", ">"));
    TestFiles::write(QDir(m_dir->path()).filePath(FileSet::kCommitName), "first2TY.txt\r\n");
    first = m_store->readPaperLines(ResultsStore::First);
    QVERIFY(m_store->storePaperValues(ResultsStore::First, first, 4, {"b"}, 1));
    QCOMPARE(FileSet::recover(Workspace(m_dir->path())), FileSet::Recovery::Nothing);
    QCOMPARE(m_store->readPaperValues(ResultsStore::First, 4, 1), QStringList{"b"});
}

QTEST_GUILESS_MAIN(TestResultsStore)
#include "tst_resultsstore.moc"
