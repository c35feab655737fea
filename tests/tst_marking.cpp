#include "MarkedAttempt.h"
#include "Marking.h"
#include "Score.h"
#include "TextCodec.h"

#include <QLocale>
#include <QtTest>

#include <limits>

using namespace Module1;

namespace {

// Readable result rows: "+" tick, "x" cross, "." no mark.
QString marks(const QStringList &results)
{
    QString out;
    for (const QString &r : results)
        out += r == CorrectMark ? QLatin1Char('+') : r == WrongMark ? QLatin1Char('x')
                                                                    : QLatin1Char('.');
    return out;
}

QStringList groupResults(const QStringList &answers, const QStringList &keys,
                         const QStringList &kinds)
{
    QStringList out;
    for (int i = 1; i <= keys.size(); ++i)
        out << MarkGroupAnswer(answers, keys, kinds, i);
    return out;
}

QStringList repeat(const QString &text, int n)
{
    QStringList out;
    for (int i = 0; i < n; ++i)
        out << text;
    return out;
}

} // namespace

class TestMarking : public QObject
{
    Q_OBJECT
private slots:
    void marksAreTheStoredBytes();
    void markAnswer_data();
    void markAnswer();
    void markGroupAnswer_data();
    void markGroupAnswer();
    void groupHeadIsFoundAtMostTwentySlotsBack();
    void modelAnswer_data();
    void modelAnswer();
    void percentText_data();
    void percentText();
    void oneDecimalText_data();
    void oneDecimalText();
    void timeTakenText_data();
    void timeTakenText();
    void timeTakenSpansMidnight();
    void textsIgnoreTheLocale();
    void markAttemptScores_data();
    void markAttemptScores();
    void zeroTotalGivesNoPercentage();
    void slotValuesAreReadAsNumbers_data();
    void slotValuesAreReadAsNumbers();
    void secondAttemptKeepsFirstCorrectSlots();
    void unansweredCheck_data();
    void unansweredCheck();
};

void TestMarking::marksAreTheStoredBytes()
{
    QCOMPARE(TextCodec::toCp1252(CorrectMark), QByteArray("\xFC"));
    QCOMPARE(TextCodec::toCp1252(WrongMark), QByteArray("\xFB"));
    QCOMPARE(TextCodec::fromCp1252("\xFC\xFB"), CorrectMark + WrongMark);
}

void TestMarking::markAnswer_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("expected");

    QTest::addRow("Q same") << "Q" << "3" << "3" << "+";
    QTest::addRow("Q leading blank") << "Q" << "3" << " 3" << "+";
    QTest::addRow("Q other option") << "Q" << "3" << "2" << "x";
    QTest::addRow("Q empty") << "Q" << "3" << "" << "x";
    QTest::addRow("T case-blind") << "T" << "Carbon dioxide" << "carbon dioxide" << "+";
    QTest::addRow("T trimmed") << "T" << "Carbon dioxide" << "  CARBON DIOXIDE " << "+";
    QTest::addRow("T two inner blanks") << "T" << "Carbon dioxide" << "Carbon  dioxide" << "x";
    QTest::addRow("T true/false") << "T" << "F" << "f" << "+";
    QTest::addRow("T wrong letter") << "T" << "F" << "T" << "x";
    QTest::addRow("L long text") << "L" << "It melts" << "it melts " << "+";
    QTest::addRow("N same") << "N" << "5" << "5" << "+";
    QTest::addRow("N blanks") << "N" << "5" << " 5 " << "+";
    QTest::addRow("N decimal") << "N" << "5" << "5.0" << "+";
    QTest::addRow("N 100.0") << "N" << "100" << "100.0" << "+";
    QTest::addRow("N exponent") << "N" << "100" << "1e2" << "+";
    QTest::addRow("N word") << "N" << "100" << "hundred" << "x";
    QTest::addRow("N empty") << "N" << "100" << "" << "x";
    QTest::addRow("N other value") << "N" << "100" << "101" << "x";
    QTest::addRow("N fraction key") << "N" << "0.25" << ".25" << "+";
    QTest::addRow("N decimal comma is no number") << "N" << "0.25" << "0,25" << "x";
    QTest::addRow("N infinity is no number") << "N" << "1e400" << "1e400" << "x";
    QTest::addRow("N nan is no number") << "N" << "5" << "nan" << "x";
    QTest::addRow("R kept blank") << "R" << "Fe O" << "Fe O" << "+";
    QTest::addRow("R extra blank dropped") << "R" << "Fe O" << "Fe  O" << "+";
    QTest::addRow("R blank missing") << "R" << "Fe O" << "FeO" << "x";
    QTest::addRow("R blank misplaced") << "R" << "Fe O" << "F eO" << "x";
    QTest::addRow("R key without blank") << "R" << "CO2" << "C O 2" << "+";
    QTest::addRow("F case counts") << "F" << "CO2" << "co2" << "x";
    QTest::addRow("X trimmed") << "X" << "H2O" << " H2 O " << "+";
    QTest::addRow("M is not marked here") << "M" << ";Gas" << "Gas" << ".";
    QTest::addRow("G is not marked here") << "G" << ";Gas" << "Gas" << ".";
    QTest::addRow("unknown kind") << "Z" << "3" << "3" << ".";
    QTest::addRow("lower-case kind") << "q" << "3" << "3" << ".";
}

void TestMarking::markAnswer()
{
    QFETCH(QString, kind);
    QFETCH(QString, key);
    QFETCH(QString, answer);
    QFETCH(QString, expected);
    QCOMPARE(marks({MarkAnswer(answer, key, kind)}), expected);
}

void TestMarking::markGroupAnswer_data()
{
    QTest::addColumn<QStringList>("kinds");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("expected");

    const QStringList m1{"M"};
    QTest::addRow("M alternative") << m1 << QStringList{";Gas;Gaseous"} << QStringList{"gaseous"}
                                   << "+";
    QTest::addRow("M first alternative")
        << m1 << QStringList{";Gas;Gaseous"} << QStringList{" GAS "} << "+";
    QTest::addRow("M wrong") << m1 << QStringList{";Gas;Gaseous"} << QStringList{"Liquid"}
                             << "x";
    QTest::addRow("M empty answer") << m1 << QStringList{";Gas;Gaseous"} << QStringList{""}
                                    << "x";
    QTest::addRow("M text before first ; is no alternative")
        << m1 << QStringList{"Solid;Gas"} << QStringList{"Solid"} << "x";
    QTest::addRow("M empty alternative accepts no empty answer")
        << m1 << QStringList{";Gas;"} << QStringList{""} << "x";
    QTest::addRow("key without ;") << m1 << QStringList{"Gas"} << QStringList{"Gas"} << ".";

    const QStringList g3{"G", "G", "G"};
    const QStringList flour{";Flour;Seed;Chalk;Sand", " ", " "};
    QTest::addRow("G each answer once") << g3 << flour << QStringList{"Seed", "Sand", "Seed"}
                                        << "++x";
    QTest::addRow("G any order") << g3 << flour << QStringList{"sand", "Chalk", "flour"}
                                 << "+++";
    QTest::addRow("G wrong head consumes nothing")
        << g3 << flour << QStringList{"Salt", "Seed", "Seed"} << "x+x";
    QTest::addRow("G empty follow-on") << g3 << flour << QStringList{"Seed", "", "Sand"}
                                       << "+x+";

    const QStringList g4{"G", "G", "G", "G"};
    const QStringList twoGroups{";Argon;Thermometer", " ", ";Heat;Sound", " "};
    QTest::addRow("two groups in order")
        << g4 << twoGroups << QStringList{"Argon", "Thermometer", "Heat", "Sound"} << "++++";
    QTest::addRow("two groups reversed")
        << g4 << twoGroups << QStringList{"Thermometer", "Argon", "Sound", "Heat"} << "++++";
    QTest::addRow("same answer twice")
        << g4 << twoGroups << QStringList{"Argon", "Argon", "Heat", "Heat"} << "+x+x";
    QTest::addRow("answer from the other group")
        << g4 << twoGroups << QStringList{"Argon", "Heat", "Sound", "Thermometer"} << "+x+x";
    QTest::addRow("M laid out as a group")
        << QStringList{"M", "M", "M"} << QStringList{";Magnet;Water;Carbon", " ", " "}
        << QStringList{"Water", "Carbon", "Water"} << "++x";
    QTest::addRow("follow-on of a head without ;")
        << QStringList{"T", "G"} << QStringList{"Sun", " "} << QStringList{"Sun", "Sun"}
        << "..";
    QTest::addRow("follow-on at slot 1 has no head")
        << QStringList{"G", "G"} << QStringList{" ", ";Heat"} << QStringList{"Heat", "Heat"}
        << ".+";
}

void TestMarking::markGroupAnswer()
{
    QFETCH(QStringList, kinds);
    QFETCH(QStringList, keys);
    QFETCH(QStringList, answers);
    QFETCH(QString, expected);
    QCOMPARE(marks(groupResults(answers, keys, kinds)), expected);
}

void TestMarking::groupHeadIsFoundAtMostTwentySlotsBack()
{
    // Slots 1..22: head, then 21 follow-on slots. Slot 21 is 20 slots after
    // the head and still finds it; slot 22 does not.
    QStringList keys{";" + QStringList{"A", "B", "C"}.join(';')};
    keys += repeat(" ", 21);
    const QStringList kinds = repeat("G", 22);
    QStringList answers = repeat("", 22);
    answers[0] = "A";
    answers[20] = "B";
    answers[21] = "C";
    QCOMPARE(marks({MarkGroupAnswer(answers, keys, kinds, 21)}), "+");
    QCOMPARE(marks({MarkGroupAnswer(answers, keys, kinds, 22)}), ".");
    QCOMPARE(marks({MarkGroupAnswer(answers, keys, kinds, 2)}), "x");
    // Slot numbers outside the paper mark nothing.
    QCOMPARE(MarkGroupAnswer(answers, keys, kinds, 23), QString());
    QCOMPARE(MarkGroupAnswer(answers, keys, kinds, 0), QString());
    QCOMPARE(GroupModelAnswer(answers, keys, kinds, 23), QString());
}

void TestMarking::modelAnswer_data()
{
    QTest::addColumn<QStringList>("kinds");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("expected");

    QTest::addRow("T shows its key") << QStringList{"T", "N"} << QStringList{"Carbon", "100"}
                                     << QStringList{"Oxygen", "5"}
                                     << QStringList{"Carbon", "100"};
    QTest::addRow("M first alternative")
        << QStringList{"M"} << QStringList{";Respond;React"} << QStringList{"Run"}
        << QStringList{"Respond"};
    QTest::addRow("M single alternative")
        << QStringList{"M"} << QStringList{";Magnet"} << QStringList{"Iron"}
        << QStringList{"Magnet"};
    QTest::addRow("correct M shows none")
        << QStringList{"M"} << QStringList{";Respond;React"} << QStringList{"react"}
        << QStringList{""};
    QTest::addRow("G wrong gets an unused alternative")
        << QStringList{"G", "G", "G"} << QStringList{";Flour;Seed;Chalk;Sand", " ", " "}
        << QStringList{"Seed", "Sand", "Seed"} << QStringList{"", "", "Flour"};
    QTest::addRow("G two wrong parts get different alternatives")
        << QStringList{"G", "G", "G"} << QStringList{";Flour;Seed;Chalk;Sand", " ", " "}
        << QStringList{"Dog", "Seed", "Cat"} << QStringList{"Flour", "", "Chalk"};
    QTest::addRow("G empty part gets one too")
        << QStringList{"G", "G"} << QStringList{";Heat;Sound", " "} << QStringList{"Heat", ""}
        << QStringList{"", "Sound"};
    QTest::addRow("G answer of a later slot is used")
        << QStringList{"G", "G"} << QStringList{";Heat;Sound", " "}
        << QStringList{"Light", "Heat"} << QStringList{"Sound", ""};
    QTest::addRow("M group follow-on")
        << QStringList{"M", "M", "M"} << QStringList{";Magnet;Water;Carbon", " ", " "}
        << QStringList{"Water", "Water", ""} << QStringList{"", "Magnet", "Carbon"};
    QTest::addRow("group ends at the next head")
        << QStringList{"G", "G", "G", "G"} << QStringList{";Argon;Thermometer", " ", ";Heat;Sound", " "}
        << QStringList{"Argon", "Argon", "Heat", "x"}
        << QStringList{"", "Thermometer", "", "Sound"};
}

void TestMarking::modelAnswer()
{
    QFETCH(QStringList, kinds);
    QFETCH(QStringList, keys);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, expected);
    QStringList got;
    for (int i = 1; i <= keys.size(); ++i)
        got << ModelAnswer(answers, keys, kinds, i);
    QCOMPARE(got, expected);
}

void TestMarking::percentText_data()
{
    QTest::addColumn<qint64>("score");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<QString>("expected");
    QTest::addRow("20 of 30") << qint64(20) << qint64(30) << "66.7";
    QTest::addRow("30 of 30") << qint64(30) << qint64(30) << "100";
    QTest::addRow("24 of 30") << qint64(24) << qint64(30) << "80";
    QTest::addRow("none") << qint64(0) << qint64(30) << "0";
    QTest::addRow("1 of 3") << qint64(1) << qint64(3) << "33.3";
    QTest::addRow("71 of 80") << qint64(71) << qint64(80) << "88.8";
    QTest::addRow("half to even down") << qint64(1) << qint64(16) << "6.2";
    QTest::addRow("half to even up") << qint64(3) << qint64(16) << "18.8";
    QTest::addRow("1 of 80 is 1.25") << qint64(1) << qint64(80) << "1.2";
    QTest::addRow("3 of 80 is 3.75") << qint64(3) << qint64(80) << "3.8";
    QTest::addRow("1 of 2000 is 0.05") << qint64(1) << qint64(2000) << "0";
    QTest::addRow("zero total") << qint64(0) << qint64(0) << "";
    // Found by fuzzing: the tenths once overflowed.
    QTest::addRow("huge score") << std::numeric_limits<qint64>::max() / 2 << qint64(30) << "100";
    QTest::addRow("huge total") << qint64(1) << std::numeric_limits<qint64>::max() << "";
    QTest::addRow("negative score") << qint64(-5) << qint64(30) << "0";
}

void TestMarking::percentText()
{
    QFETCH(qint64, score);
    QFETCH(qint64, total);
    QFETCH(QString, expected);
    QCOMPARE(Score::PercentText(score, total), expected);
}

void TestMarking::oneDecimalText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::addRow("whole") << 80.0 << "80";
    QTest::addRow("one decimal") << 72.5 << "72.5";
    QTest::addRow("repeating") << 200.0 / 3.0 << "66.7";
    QTest::addRow("pooled half") << (66.7 + 80.0) / 2.0 << "73.4";
    QTest::addRow("pooled half a little over") << (50.1 + 51.2) / 2.0 << "50.6";
    QTest::addRow("0.25 to even") << 0.25 << "0.2";
    QTest::addRow("0.35 to even") << 0.35 << "0.4";
    QTest::addRow("rounds to whole") << 79.96 << "80";
    QTest::addRow("zero") << 0.0 << "0";
    QTest::addRow("tiny") << 0.04 << "0";
    QTest::addRow("hundred") << 100.0 << "100";
}

void TestMarking::oneDecimalText()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(Score::OneDecimalText(value), expected);
}

void TestMarking::timeTakenText_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("expected");
    QTest::addRow("12 min 5 s") << qint64(12 * 60 + 5) << "0:12:5";
    QTest::addRow("65 s") << qint64(65) << "0:1:5";
    QTest::addRow("an hour") << qint64(3600) << "1:0:0";
    QTest::addRow("last second of a day") << qint64(86399) << "23:59:59";
    QTest::addRow("a day and 7 s") << qint64(86400 + 7) << "0:0:7";
    QTest::addRow("zero") << qint64(0) << "0:0:0";
    QTest::addRow("clock set back") << qint64(-30) << "0:0:0";
}

void TestMarking::timeTakenText()
{
    QFETCH(qint64, seconds);
    QFETCH(QString, expected);
    QCOMPARE(Score::TimeTakenText(seconds), expected);
}

void TestMarking::timeTakenSpansMidnight()
{
    const QDateTime start(QDate(2024, 3, 5), QTime(23, 58, 30));
    const QDateTime end(QDate(2024, 3, 6), QTime(0, 2, 0, 900));
    QCOMPARE(Score::TimeTakenText(start, end), "0:3:30");
}

void TestMarking::textsIgnoreTheLocale()
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString date = Score::DateText(QDate(2024, 3, 5));
    const QString percent = Score::PercentText(20, 30);
    const QString average = Score::OneDecimalText(72.5);
    double read = 0;
    const bool ok = Score::ParseScore(QStringLiteral("66.7"), &read);
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    const QString arabicDate = Score::DateText(QDate(2024, 12, 25));
    QLocale::setDefault(saved);

    QCOMPARE(date, "05/03/2024");
    QCOMPARE(arabicDate, "25/12/2024");
    QCOMPARE(percent, "66.7");
    QCOMPARE(average, "72.5");
    QVERIFY(ok);
    QCOMPARE(read, 66.7);
    QVERIFY(Score::ParseScore(QStringLiteral("66,7"), &read));
    QCOMPARE(read, 66.7);
    QVERIFY(!Score::ParseScore(QStringLiteral(""), &read));
    QVERIFY(!Score::ParseScore(QStringLiteral("abc"), &read));
}

void TestMarking::markAttemptScores_data()
{
    QTest::addColumn<int>("right");
    QTest::addColumn<QString>("percent");
    QTest::addRow("20 of 30") << 20 << "66.7";
    QTest::addRow("30 of 30") << 30 << "100";
    QTest::addRow("0 of 30") << 0 << "0";
}

void TestMarking::markAttemptScores()
{
    // A multiple-choice paper of 30 one-mark questions, key "2".
    QFETCH(int, right);
    QFETCH(QString, percent);
    QStringList answers = repeat("2", right) + repeat("3", 30 - right);
    const MarkedAttempt m = MarkAttempt(answers, repeat("2", 30), repeat("Q", 30),
                                        repeat("1", 30));
    QCOMPARE(m.earned, qint64(right));
    QCOMPARE(m.total, qint64(30));
    QCOMPARE(m.percent, percent);
    QVERIFY(m.hasPercent());
    QCOMPARE(marks(m.results), QString(right, '+') + QString(30 - right, 'x'));
}

void TestMarking::zeroTotalGivesNoPercentage()
{
    const MarkedAttempt m = MarkAttempt({"Sun", "x"}, {"Sun", "Moon"}, {"T", "Z"}, {"0", "3"});
    QCOMPARE(marks(m.results), "+.");
    QCOMPARE(m.earned, qint64(0));
    QCOMPARE(m.total, qint64(3));

    // Values summing to zero: results, but no percentage and no division.
    const MarkedAttempt zero = MarkAttempt({"Sun"}, {"Sun"}, {"T"}, {"0"});
    QCOMPARE(marks(zero.results), "+");
    QCOMPARE(zero.total, qint64(0));
    QVERIFY(!zero.hasPercent());
    QVERIFY(zero.percent.isEmpty());

    // Mixed kinds with their own values; groups are marked over all answers.
    const MarkedAttempt mixed =
        MarkAttempt({"1", "Heat", "Heat", "hundred", "abc"}, {"1", ";Heat;Sound", " ", "100", "3"},
                    {"Q", "G", "G", "N", "W"}, {"2", "1", "1", "4", "5"});
    QCOMPARE(marks(mixed.results), "++xx.");
    QCOMPARE(mixed.earned, qint64(3));
    QCOMPARE(mixed.total, qint64(13));
    QCOMPARE(mixed.percent, "23.1");
}

void TestMarking::slotValuesAreReadAsNumbers_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<qint64>("worth");
    QTest::addRow("whole") << "2" << qint64(2);
    QTest::addRow("blanks") << " 3 " << qint64(3);
    QTest::addRow("decimal form") << "2.0" << qint64(2);
    QTest::addRow("no number") << "abc" << qint64(0);
    QTest::addRow("negative") << "-4" << qint64(0);
    // Found by fuzzing: a value no slot is worth once overflowed the sums.
    QTest::addRow("beyond any slot") << "1e300" << qint64(0);
    QTest::addRow("a million") << "1000000" << qint64(1000000);
}

void TestMarking::slotValuesAreReadAsNumbers()
{
    // The same value counts towards the score and the total, so that the
    // percentage matches the total the paper shows.
    QFETCH(QString, value);
    QFETCH(qint64, worth);
    const MarkedAttempt m = MarkAttempt({"Sun", "x"}, {"Sun", "Moon"}, {"T", "T"}, {value, "1"});
    QCOMPARE(m.earned, worth);
    QCOMPARE(m.total, worth + 1);
}

void TestMarking::secondAttemptKeepsFirstCorrectSlots()
{
    const QStringList keys{"Sun", "Moon", "Mars", "Venus"};
    const QStringList kinds = repeat("T", 4);
    const QStringList values = repeat("1", 4);
    const MarkedAttempt firstMarked = MarkAttempt({"Sun", "Star", "mars", "Pluto"}, keys, kinds,
                                                  values);
    QCOMPARE(firstMarked.percent, "50");
    const FirstAttempt first{{"Sun", "Star", "mars", "Pluto"}, firstMarked.results};

    // Opening: slots 1 and 3 carried over, 2 and 4 still to answer.
    QStringList answers = repeat("", 4);
    QStringList results = repeat("", 4);
    CarryOverFirstAttempt(first, answers, results, 4);
    QCOMPARE(answers, QStringList({"Sun", "", "mars", ""}));
    QCOMPARE(marks(results), "+.+.");
    QVERIFY(HasUnansweredSlot(answers, 4, first));

    // Fixing slot 2 alone gives 3 of 4; carried slots are marked again with
    // their first answers even if the second answers file says otherwise.
    answers[1] = "moon";
    answers[2] = "tampered";
    answers[3] = "Saturn";
    const MarkedAttempt second = MarkAttempt(answers, keys, kinds, values, first);
    QCOMPARE(marks(second.results), "+++x");
    QCOMPARE(second.earned, qint64(3));
    QCOMPARE(second.percent, "75");
    const QStringList given{"Sun", "moon", "mars", "Saturn"};
    QCOMPARE(ModelAnswer(given, keys, kinds, 4), "Venus");
}

void TestMarking::unansweredCheck_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("firstResults");
    QTest::addColumn<bool>("unanswered");
    const QString c = CorrectMark, w = WrongMark;
    QTest::addRow("all answered") << QStringList{"1", "2"} << QStringList{} << false;
    QTest::addRow("a blank is an answer") << QStringList{"1", " "} << QStringList{} << false;
    QTest::addRow("one empty") << QStringList{"1", ""} << QStringList{} << true;
    QTest::addRow("short answers list") << QStringList{"1"} << QStringList{} << true;
    QTest::addRow("empty slot correct the first time")
        << QStringList{"1", ""} << QStringList{w, c} << false;
    QTest::addRow("empty slot wrong the first time")
        << QStringList{"", "2"} << QStringList{w, c} << true;
}

void TestMarking::unansweredCheck()
{
    QFETCH(QStringList, answers);
    QFETCH(QStringList, firstResults);
    QFETCH(bool, unanswered);
    const bool got = HasUnansweredSlot(answers, 2, FirstAttempt{{}, firstResults});
    QCOMPARE(got, unanswered);
    QCOMPARE(MarkingQuestion(got),
             unanswered ? "You have not answered all the questions.  Do you still want to mark "
                          "your practice?"
                        : "Do you want to mark your practice now?");
}

QTEST_GUILESS_MAIN(TestMarking)
#include "tst_marking.moc"
