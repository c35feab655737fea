#include "FileSet.h"
#include "ProgramConfig.h"
#include "Records.h"
#include "Resources.h"
#include "ResultsHealing.h"
#include "ResultsStore.h"
#include "support/TestFiles.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString Tick(QChar(0xFC));
const QString Cross(QChar(0xFB));

// The score a paper's first (or second) marking stores: every marking of
// the loop can be told apart in the files.
QString scoreOf(int paper, bool second)
{
    return QString::number(second ? 100 - paper : paper * 3);
}

// The slots of each paper, as its template line holds them.
QList<int> slotCounts(const ResultsStore &store)
{
    QList<int> counts;
    for (const QString &line : store.currentLines(ResultsStore::First))
        counts.append(int(line.count(QLatin1Char('>'))));
    return counts;
}

// One value per slot: `first` then empty values.
QStringList slotValues(const QString &first, int count)
{
    QStringList values(count);
    values[0] = first;
    return values;
}

// Runs until killed: marks papers once and again, then erases, over and
// over, going on from whatever the files hold.
[[noreturn]] void storeAndEraseForever(const Workspace &ws, const ProgramConfig &config)
{
    const ResultsStore store(ws, 2, config.code, config.module(2).paperCount);
    const int papers = store.paperCount();
    const QList<int> slotsOf = slotCounts(store);
    for (;;) {
        const MarksRows rows = store.readMarks();
        int firstToMark = 0;
        int secondToMark = 0;
        for (int p = 1; p <= papers && !firstToMark; ++p) {
            if (rows.FST.value(p - 1) != QLatin1String("1"))
                firstToMark = p;
            else if (rows.SST.value(p - 1) != QLatin1String("1") && p % 2 == 0 && !secondToMark)
                secondToMark = p;
        }
        MarksRows held = rows;
        QStringList lines;
        if (secondToMark) {
            const int n = slotsOf.value(secondToMark - 1);
            store.storePaperValues(ResultsStore::Second, lines, secondToMark, slotValues("2", n), n);
            store.storeSecondAttempt(held, lines, secondToMark, slotValues(Tick, n), n,
                                     scoreOf(secondToMark, true));
        } else if (firstToMark) {
            const int n = slotsOf.value(firstToMark - 1);
            store.storePaperValues(ResultsStore::First, lines, firstToMark, slotValues("1", n), n);
            store.storeFirstAttempt(held, lines, firstToMark, slotValues(Cross, n), n,
                                    scoreOf(firstToMark, false), "0:0:1", "08/12/2026");
        } else {
            ResetResultsFiles(ws, config);
        }
    }
}

// What a start-up finds: every file whole, and the six files telling one
// story. Empty when they agree, else what is wrong.
QString inconsistency(const Workspace &ws, const ProgramConfig &config)
{
    const int papers = config.module(2).paperCount;
    const ResultsStore store(ws, 2, config.code, papers);
    for (int k = ResultsStore::Marks; k <= ResultsStore::Trend; ++k) {
        const auto stem = ResultsStore::Stem(k);
        const QByteArray bytes = TestFiles::read(store.path(stem));
        if (!QFile::exists(store.path(stem)))
            return store.path(stem) + " missing";
        if (!ResultsHealing::heal(stem, bytes, store.templateBytes(stem), papers).healthy)
            return store.path(stem) + " torn";
    }
    const MarksRows rows = store.readMarks();
    const QStringList fresults = store.readPaperLines(ResultsStore::FResults);
    const QStringList sresults = store.readPaperLines(ResultsStore::SResults);
    const QList<int> slotsOf = slotCounts(store);
    QStringList firstScores;
    for (int p = 1; p <= papers; ++p) {
        const int i = p - 1;
        const bool first = rows.FST.value(i) == QLatin1String("1");
        const bool second = rows.SST.value(i) == QLatin1String("1");
        const bool firstMarks =
            Module1::SplitKeyLine(fresults.value(i), slotsOf.value(i)).value(0) == Cross;
        const bool secondMarks =
            Module1::SplitKeyLine(sresults.value(i), slotsOf.value(i)).value(0) == Tick;
        if (first != !rows.FSE.value(i).isEmpty() || first != firstMarks)
            return QStringLiteral("paper %1: first score, status and marks disagree").arg(p);
        if (second != !rows.SSE.value(i).isEmpty() || second != secondMarks || (second && !first))
            return QStringLiteral("paper %1: second score, status and marks disagree").arg(p);
        if (first)
            firstScores.append(rows.FSE.value(i));
    }
    const QString trend = store.readTrendLine();
    QStringList entries = Module1::SplitKeyLine(trend, int(trend.count(QLatin1Char('>'))));
    entries.sort();
    firstScores.sort();
    if (entries != firstScores)
        return QStringLiteral("trend %1 against first scores %2")
            .arg(trend, firstScores.join(QLatin1Char(',')));
    return {};
}

} // namespace

// A child process stores marked attempts and erases, and is killed at
// random moments; after each kill the start-up's recovery must leave a
// consistent set of files. TESSALY_KILLS sets the number of kills (a short
// run by default; bench/kill-loop.sh runs thousands).
class TestKillLoop : public QObject
{
    Q_OBJECT
private slots:
    void killedStoresAndErasesLeaveConsistentSets();
};

void TestKillLoop::killedStoresAndErasesLeaveConsistentSets()
{
    QTemporaryDir dir;
    const Workspace ws(dir.path());
    const ProgramConfig config = ProgramConfig::read(ws);
    QVERIFY(ResetResultsFiles(ws, config));
    const int kills = qEnvironmentVariableIntValue("TESSALY_KILLS") > 0
                          ? qEnvironmentVariableIntValue("TESSALY_KILLS")
                          : 150;
    QRandomGenerator random(qEnvironmentVariableIntValue("TESSALY_KILL_SEED") + 1);
    int inconsistent = 0, forward = 0, back = 0, erases = 0;
    QString firstProblem;
    QElapsedTimer clock;
    clock.start();
    for (int k = 0; k < kills; ++k) {
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0)
            storeAndEraseForever(ws, config);
        // From at once to several stores in.
        ::usleep(random.bounded(20000u));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        QVERIFY(WIFSIGNALED(status));

        const FileSet::Recovery recovery = FileSet::recover(ws);
        forward += recovery == FileSet::Recovery::RolledForward;
        back += recovery == FileSet::Recovery::RolledBack;
        erases += TestFiles::read(ws.file("trend2TY.txt")) == "#TRD#";
        const QString problem = inconsistency(ws, config);
        if (!problem.isEmpty()) {
            ++inconsistent;
            if (firstProblem.isEmpty())
                firstProblem = problem;
            QVERIFY(ResetResultsFiles(ws, config)); // start the next round clean
        }
    }
    qInfo("%d kills in %lld ms: %d inconsistent sets; %d interrupted changes finished, %d undone; "
          "%d kills found the files just erased",
          kills, qint64(clock.elapsed()), inconsistent, forward, back, erases);
    QVERIFY2(inconsistent == 0, qPrintable(firstProblem));
    // The kills must land inside changes, or the loop proves nothing.
    QVERIFY(forward + back > 0);
}

QTEST_GUILESS_MAIN(TestKillLoop)
#include "tst_killloop.moc"
