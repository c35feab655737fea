#include "ProgramConfig.h"
#include "Records.h"
#include "Resources.h"
#include "ResultsHealing.h"
#include "ResultsStore.h"
#include "Score.h"
#include "support/TestFiles.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using Stem = ResultsStore::Stem;
Q_DECLARE_METATYPE(ResultsStore::Stem)

namespace {

const QString Tick(QChar(0xFC));
const QString Cross(QChar(0xFB));

// The ways a results file was found damaged.
enum class Damage { Empty, CutShort, JunkOnTop, RecordMissing, OutOfOrder, RandomBytes, LfOnly,
                    Glued, ByteOrderMark };

QByteArray damaged(Damage damage, const QByteArray &bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeAll(QByteArray());
    switch (damage) {
    case Damage::Empty:
        return {};
    case Damage::CutShort:
        return bytes.left(bytes.size() * 2 / 3);
    case Damage::JunkOnTop:
        return "\x01garbage #1 >>\r\n#ZZZ#>?\r\n" + bytes;
    case Damage::RecordMissing:
        lines.removeAt(1);
        return lines.join('\n') + '\n';
    case Damage::OutOfOrder:
        std::reverse(lines.begin(), lines.end());
        return lines.join('\n') + '\n';
    case Damage::RandomBytes: {
        QRandomGenerator random(18);
        QByteArray noise(400, '\0');
        for (char &c : noise)
            c = char(random.bounded(256));
        return noise;
    }
    case Damage::LfOnly:
        return QByteArray(bytes).replace("\r\n", "\n");
    case Damage::Glued: // a line break lost between two records
        return QByteArray(bytes).replace(bytes.indexOf("\r\n"), 2, "");
    case Damage::ByteOrderMark:
        return Module1::kByteOrderMark + bytes;
    }
    return bytes;
}

} // namespace

// Results files found damaged at start: rebuilt with every record that can
// be read, the original kept beside them, the pupil told once, and later
// answers read back.
class TestResultsHealing : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_dir.reset(); }

    void damagedFileIsRebuilt_data();
    void damagedFileIsRebuilt();
    void healthyFilesAreLeftAlone_data();
    void healthyFilesAreLeftAlone();
    void valuesTheStoreNeverWrites_data();
    void valuesTheStoreNeverWrites();
    void recordFoundAnywhereInALine();
    void noticeSaysWhatWasRepaired();
    void scoresOutOfRangeAreNeverCast_data();
    void scoresOutOfRangeAreNeverCast();
    void fullDiskKeepsTheDamagedFileAndSaysSo();

private:
    Workspace ws() const { return Workspace(m_dir->path()); }
    QString file(Stem stem) const { return m_store->path(stem); }
    // Stores into `stem` for the last paper and reads it back the way the
    // windows and the main window read.
    void storeAndReadBack(Stem stem);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ResultsStore> m_store;
    ProgramConfig m_config;
};

void TestResultsHealing::init()
{
    m_dir.reset(new QTemporaryDir);
    m_config = ProgramConfig::read(ws());
    QCOMPARE(m_config.module(2).paperCount, 15);
    QVERIFY(ResetResultsFiles(ws(), m_config));
    m_store = std::make_unique<ResultsStore>(ws(), 2, m_config.code, 15);
    // Paper 2 (4 slots) answered and marked twice, paper 1 marked once: the
    // second line of every file holds something of the pupil's.
    QStringList lines;
    QVERIFY(m_store->storePaperValues(Stem::First, lines, 2, {"3", "1", "4", "2"}, 4));
    MarksRows rows;
    QVERIFY(m_store->storeFirstAttempt(rows, lines, 2, {Tick, Cross, Tick, Cross}, 4, "50",
                                       "0:1:2", "08/12/2026"));
    QVERIFY(m_store->storePaperValues(Stem::Second, lines, 2, {"3", "2", "4", "2"}, 4));
    QVERIFY(m_store->storeSecondAttempt(rows, lines, 2, {Tick, Tick, Tick, Cross}, 4, "75"));
    QVERIFY(m_store->storeFirstAttempt(rows, lines, 1, {Tick, Tick, Tick}, 3, "100", "0:0:9",
                                       "09/12/2026"));
}

void TestResultsHealing::storeAndReadBack(Stem stem)
{
    QStringList lines;
    MarksRows rows;
    switch (stem) {
    case Stem::First:
    case Stem::Second:
    case Stem::FResults:
    case Stem::SResults: {
        const QStringList values = stem == Stem::First || stem == Stem::Second
                                       ? QStringList{"a", "b", "c"}
                                       : QStringList{Cross, Tick, Cross};
        QVERIFY(m_store->storePaperValues(stem, lines, 15, values, 3));
        const QStringList read = Module1::ReadPaperLines(file(stem), 15);
        QCOMPARE(Module1::SplitKeyLine(read.value(14), 3), values);
        break;
    }
    case Stem::Marks:
    case Stem::Trend:
        QVERIFY(m_store->storeFirstAttempt(rows, lines, 15, {Tick, Tick, Cross}, 3, "66.7",
                                           "0:3:0", "10/12/2026"));
        QCOMPARE(m_store->readMarks().FSE.value(14), QStringLiteral("66.7"));
        QVERIFY(m_store->readTrendLine().endsWith(QStringLiteral(">66.7")));
        break;
    }
}

void TestResultsHealing::damagedFileIsRebuilt_data()
{
    QTest::addColumn<Stem>("stem");
    QTest::addColumn<int>("damage");
    // Every record stays readable: the file comes back as it was.
    QTest::addColumn<bool>("allKept");
    const struct {
        Stem stem;
        const char *name;
    } stems[] = {{Stem::Marks, "marks"},       {Stem::First, "first"},
                 {Stem::Second, "second"},     {Stem::FResults, "fresults"},
                 {Stem::SResults, "sresults"}, {Stem::Trend, "trend"}};
    const struct {
        Damage damage;
        const char *name;
        bool allKept;
    } damages[] = {{Damage::Empty, "empty", false},
                   {Damage::CutShort, "cut short", false},
                   {Damage::JunkOnTop, "junk on top", true},
                   {Damage::RecordMissing, "a record missing", false},
                   {Damage::OutOfOrder, "out of order", true},
                   {Damage::RandomBytes, "random bytes", false},
                   {Damage::LfOnly, "LF only", true},
                   {Damage::Glued, "two records on one line", true}};
    for (const auto &s : stems)
        for (const auto &d : damages)
            // The trend is one line: nothing to lose or reorder.
            if (!(s.stem == Stem::Trend
                  && (d.damage == Damage::RecordMissing || d.damage == Damage::OutOfOrder)))
                QTest::addRow("%s, %s", s.name, d.name) << s.stem << int(d.damage) << d.allKept;
}

void TestResultsHealing::damagedFileIsRebuilt()
{
    QFETCH(Stem, stem);
    QFETCH(int, damage);
    QFETCH(bool, allKept);
    const QString path = file(stem);
    const QByteArray good = TestFiles::read(path);
    const QByteArray bad = damaged(Damage(damage), good);
    QVERIFY(bad != good);
    TestFiles::write(path, bad);

    const ResultsCheck check = CheckResultsFiles(ws(), m_config);
    QCOMPARE(check.repaired.size(), 1);
    QCOMPARE(check.repaired.first().stem, stem);
    QVERIFY(!check.notice().isEmpty());
    // The damaged original beside it, byte for byte.
    const QString copy = check.repaired.first().copy;
    QVERIFY(QRegularExpression(QRegularExpression::anchoredPattern(
                                   QRegularExpression::escape(path) + "\\.damaged-\\d{8}-\\d{6}"))
                .match(copy)
                .hasMatch());
    QCOMPARE(TestFiles::read(copy), bad);

    const QByteArray healed = TestFiles::read(path);
    if (allKept) {
        QCOMPARE(healed, good);
    } else if (Damage(damage) == Damage::RecordMissing) {
        // Only the missing record is back at its template's values.
        QList<QByteArray> lines = good.split('\n');
        QList<QByteArray> after = healed.split('\n');
        QCOMPARE(after.size(), lines.size());
        after.removeAt(1);
        lines.removeAt(1);
        QCOMPARE(after, lines);
        QCOMPARE(healed.split('\n').at(1).count('>'), stem == Stem::Marks ? 15 : 4);
    } else if (Damage(damage) == Damage::CutShort && stem != Stem::Trend) {
        // Records before the cut are kept.
        QCOMPARE(healed.split('\n').mid(0, 2), good.split('\n').mid(0, 2));
    }
    // Rebuilt as the store writes: the next start finds nothing to do, and
    // the pupil's later answers are read back.
    const ResultsCheck again = CheckResultsFiles(ws(), m_config);
    QVERIFY(again.repaired.isEmpty());
    QVERIFY(again.notice().isEmpty());
    QCOMPARE(TestFiles::read(path), healed);
    storeAndReadBack(stem);
}

void TestResultsHealing::healthyFilesAreLeftAlone_data()
{
    QTest::addColumn<bool>("templates");
    QTest::addColumn<bool>("byteOrderMark");
    QTest::addRow("templates framed by \"...\" lines") << true << false;
    QTest::addRow("as the store rewrote them") << false << false;
    QTest::addRow("with a byte-order mark") << false << true;
}

void TestResultsHealing::healthyFilesAreLeftAlone()
{
    QFETCH(bool, templates);
    QFETCH(bool, byteOrderMark);
    if (templates)
        QVERIFY(ResetResultsFiles(ws(), m_config));
    QMap<Stem, QByteArray> before;
    for (int k = Stem::Marks; k <= Stem::Trend; ++k) {
        const Stem stem = Stem(k);
        before[stem] = TestFiles::read(file(stem));
        if (byteOrderMark)
            TestFiles::write(file(stem), Module1::kByteOrderMark + before[stem]);
    }
    const ResultsCheck check = CheckResultsFiles(ws(), m_config);
    QVERIFY(check.repaired.isEmpty());
    QVERIFY(check.notice().isEmpty());
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        QCOMPARE(TestFiles::read(file(it.key())), it.value());
    QVERIFY(TestFiles::filesStartingWith(ws().folder(), QString()).filter(".damaged-").isEmpty());
}

void TestResultsHealing::valuesTheStoreNeverWrites_data()
{
    QTest::addColumn<Stem>("stem");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("healed");
    const QByteArray none(14, '>');
    QTest::addRow("score far too high") << Stem::Marks << "#FSE#>1e20" + none << "#FSE#>" + none;
    QTest::addRow("negative score") << Stem::Marks << "#SSE#>-5" + none << "#SSE#>" + none;
    QTest::addRow("score not a number") << Stem::Marks << "#FSE#>nan" + none << "#FSE#>" + none;
    QTest::addRow("infinite score") << Stem::Marks << "#FSE#>inf" + none << "#FSE#>" + none;
    QTest::addRow("decimal comma kept") << Stem::Marks << "#FSE#>66,7" + none
                                        << "#FSE#>66,7" + none;
    const QByteArray zeros = QByteArray(">0").repeated(14);
    QTest::addRow("status neither 0 nor 1") << Stem::Marks << "#FST#>7" + zeros << "#FST#>0" + zeros;
    QTest::addRow("more values than papers") << Stem::Marks << "#LTM#>a" + none + ">b>c"
                                             << "#LTM#>a" + none;
    QTest::addRow("a mark that is no mark") << Stem::FResults << QByteArray("#101#>x>\xFC>")
                                            << QByteArray("#101#>>\xFC>");
    QTest::addRow("answers padded") << Stem::First << QByteArray("#101#>2") << QByteArray("#101#>2>>");
    // An empty entry is a paper worth no marks, as older copies wrote it.
    QTest::addRow("trend scores out of range dropped") << Stem::Trend << QByteArray("#TRD#>1e20>50>>101")
                                                       << QByteArray("#TRD#>50>");
}

void TestResultsHealing::valuesTheStoreNeverWrites()
{
    QFETCH(Stem, stem);
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, healed);
    const QByteArray templ = Module3::ResourceBytes(ResultsStore::templateId(stem, 2));
    const QByteArray key = line.left(5);
    // The line stands in the template's place of its key.
    QList<QByteArray> lines = templ.split('\n');
    for (QByteArray &l : lines)
        if (l.startsWith(key))
            l = line + '\r';
    if (stem == Stem::Trend)
        lines = {line};
    const ResultsHealing::Healed h = ResultsHealing::heal(stem, lines.join('\n'), templ, 15);
    QVERIFY(h.damaged());
    QVERIFY(h.lines.contains(QString::fromLatin1(healed)));
    // A value the store writes stays as it is.
    QVERIFY(ResultsHealing::heal(stem, h.bytes, templ, 15).healthy);
}

void TestResultsHealing::recordFoundAnywhereInALine()
{
    const QByteArray templ = Module3::ResourceBytes(ResultsStore::templateId(Stem::Trend, 2));
    // Junk before the key, a decoy of the key without values, and the record.
    const ResultsHealing::Healed h =
        ResultsHealing::heal(Stem::Trend, "xx#trd#junk\r\n  ##TRD#>80>70\r\n", templ, 15);
    QCOMPARE(h.lines, QStringList{"#TRD#>80>70"});
    QCOMPARE(h.bytes, QByteArray("#TRD#>80>70\r\n"));
}

void TestResultsHealing::noticeSaysWhatWasRepaired()
{
    ResultsCheck check;
    QVERIFY(check.notice().isEmpty());
    check.reset = true; // a first start tells nothing
    QVERIFY(check.notice().isEmpty());
    check.repaired.append({2, Stem::First, QStringLiteral("first2TY.txt.damaged-1")});
    QVERIFY(check.notice().contains(QStringLiteral("saved answers were damaged")));
    QVERIFY(check.notice().contains(QStringLiteral("copy")));
    check.repaired.append({2, Stem::Trend, QStringLiteral("trend2TY.txt.damaged-1")});
    QVERIFY(check.notice().contains(QStringLiteral("answers and scores")));
    check.repaired.removeFirst();
    QVERIFY(check.notice().contains(QStringLiteral("saved scores were damaged")));
    check.failed = check.noRoom = true;
    QCOMPARE(check.notice(), QStringLiteral("There is no room left on the disk to save your answers"));
}

void TestResultsHealing::scoresOutOfRangeAreNeverCast_data()
{
    QTest::addColumn<QString>("text");
    for (const char *t : {"1e20", "-922337203685477580", "100.1", "-0.5", "nan", "inf", "-inf",
                          "1e400"})
        QTest::addRow("%s", t) << QString::fromLatin1(t);
}

void TestResultsHealing::scoresOutOfRangeAreNeverCast()
{
    QFETCH(QString, text);
    double v = -1;
    QVERIFY(!Score::ParseScore(text, &v));
    QCOMPARE(v, -1.0);
    // Whatever reaches the rounding, it never overflows into a score.
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (ok && std::fabs(value) > 1e9)
        QCOMPARE(Score::OneDecimalText(value), QString());
}

void TestResultsHealing::fullDiskKeepsTheDamagedFileAndSaysSo()
{
    const QString path = file(Stem::First);
    const QByteArray bad = damaged(Damage::JunkOnTop, TestFiles::read(path));
    TestFiles::write(path, bad);
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64, 64}; // the rebuilt file does not fit
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const ResultsCheck check = CheckResultsFiles(ws(), m_config);
        ::_exit(check.noRoom && check.notice() == NoRoomMessage() && check.repaired.isEmpty() ? 0 : 3);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
    QCOMPARE(TestFiles::read(path), bad);
    // No copy left behind for a file that was not replaced.
    QVERIFY(TestFiles::filesStartingWith(ws().folder(), QStringLiteral("first2TY.txt.")).isEmpty());
}

QTEST_GUILESS_MAIN(TestResultsHealing)
#include "tst_resultshealing.moc"
