#include "AnswerFrame.h"
#include "AnswerSheet.h"
#include "BrowserModule.h"
#include "Contents.h"
#include "ContentsPaperWindows.h"
#include "HomePanel.h"
#include "Marking.h"
#include "MarkingProgress.h"
#include "PaperStatusBar.h"
#include "PaperWindow.h"
#include "PaperWindows.h"
#include "PictureButton.h"
#include "ProgramConfig.h"
#include "ResultsStore.h"
#include "Startup.h"
#include "Test1.h"
#include "Test2.h"
#include "frmPopUp.h"
#include "support/FakeBrowser.h"
#include "support/FakePaperHost.h"
#include "support/PaperTestBed.h"
#include "support/PaperTestMain.h"
#include "support/TestFiles.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

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

const QString Today = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));

// A first-attempt window whose store can be reached for a paper the content
// does not have: one whose slot values sum to zero.
class StoreProbe : public Test1
{
public:
    using Test1::Test1;
    using Test1::storeMarked;
};

} // namespace

// Marking a paper in its window, the marked display, and the second
// attempt; with a stand-in page browser. The last case runs the real main
// window around the paper windows.
class TestGuiMarking : public QObject, private PaperTestBed
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void confirmationMessage_data();
    void confirmationMessage();
    void decliningChangesOnlyTheAnswersFile();
    void scoresAndStores_data();
    void scoresAndStores();
    void markedDisplay();
    void reopenedMarkedPaper();
    void trendGrowsOncePerFirstMarking();
    void secondAttemptCarriesOver();
    void noChoosingOnceMarkedOrLocked();
    void modelAnswersOnlyForWrongSlots();
    void resultsThatCannotBeWrittenAreReported();
    void paperWithoutMarksStoresNoScore();
    void progressDisplayTakesThreeSecondsAndDropsInput();
    void mainWindowShowsScoreAndOffersTryAgain();
    void whatAnotherCopyStoredIsNotWrittenOver();
    void aFullDiskIsToldInThePupilsWords_data();
    void aFullDiskIsToldInThePupilsWords();

private:
    ResultsStore store() const { return ResultsStore(ws(), 2, QStringLiteral("TY"), 15); }
    PaperWindow *open(int key, int take = 1);
    void storeAnswers(ResultsStore::Stem stem, int paper, const QStringList &values)
    {
        QStringList lines = store().readPaperLines(stem);
        QVERIFY(store().storePaperValues(stem, lines, paper, values, int(values.size())));
    }
    // Marks the open paper, answering the confirmation with `yes`.
    static void mark(PaperWindow *w, bool yes = true)
    {
        frmPopUp::setNextAnswer(yes);
        QTest::mouseClick(w->toolbarButton(2), Qt::LeftButton);
    }
    QMap<QString, QByteArray> resultsFiles() const
    {
        QMap<QString, QByteArray> files;
        for (const char *name : {"marks", "first", "second", "fresults", "sresults", "trend"}) {
            const QString file = QString::fromLatin1(name) + QStringLiteral("2TY.txt");
            files.insert(file, TestFiles::read(ws().file(file)));
        }
        return files;
    }
    static QLabel *label(QWidget *w, const QString &name) { return w->findChild<QLabel *>(name); }
    static QLineEdit *edit(QWidget *w, const QString &name) { return w->findChild<QLineEdit *>(name); }

};

void TestGuiMarking::init()
{
    setUpBed();
    MarkingProgress::setStepMilliseconds(1);
    BrowserModule::setFactory([](QWidget *parent) { return new FakeBrowser(parent); });
}

void TestGuiMarking::cleanup()
{
    tearDownBed();
}

PaperWindow *TestGuiMarking::open(int key, int take)
{
    const int first = (key - 101) / 5 * 5 + 1;
    m_host->choose(key, take, first, QStringLiteral("Topic"));
    PaperWindow *w = m_windows->openPaper();
    if (w && !QTest::qWaitForWindowExposed(w))
        return nullptr;
    return w;
}

void TestGuiMarking::confirmationMessage_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("message");
    const QString all = QStringLiteral("Do you want to mark your practice now?");
    const QString some = QStringLiteral("You have not answered all the questions.  "
                                        "Do you still want to mark your practice?");
    QTest::addRow("all answered") << QStringList{"2", "1", "3"} << all;
    QTest::addRow("one empty") << QStringList{"2", "", "3"} << some;
    QTest::addRow("a blank is an answer") << QStringList{"2", " ", "3"} << all;
}

void TestGuiMarking::confirmationMessage()
{
    QFETCH(QStringList, answers);
    QFETCH(QString, message);
    storeAnswers(ResultsStore::First, 1, answers);
    PaperWindow *w = open(101);
    QVERIFY(w);
    mark(w, false);
    QCOMPARE(frmPopUp::lastQuestion().title, QStringLiteral("Marking"));
    QCOMPARE(frmPopUp::lastQuestion().message, message);
    QCOMPARE(frmPopUp::lastQuestion().buttons, 2);
}

void TestGuiMarking::decliningChangesOnlyTheAnswersFile()
{
    PaperWindow *w = open(101);
    QVERIFY(w);
    const auto before = resultsFiles();
    QTest::keyClicks(edit(w, QStringLiteral("FA1")), QStringLiteral("2"));
    mark(w, false);
    const auto after = resultsFiles();
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (it.key() == QLatin1String("first2TY.txt"))
            QVERIFY(after.value(it.key()) != it.value());
        else
            QCOMPARE(after.value(it.key()), it.value());
    }
    QCOMPARE(store().readPaperValues(ResultsStore::First, 1, 3).value(0), QStringLiteral("2"));
    QVERIFY(!w->isMarked());
    QVERIFY(w->toolbarButton(2)->isAvailable());
    QVERIFY(!edit(w, QStringLiteral("FA1"))->isReadOnly());
    QVERIFY(label(w, QStringLiteral("lblClock"))->isVisible());
}

void TestGuiMarking::scoresAndStores_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("marks");
    QTest::addColumn<QString>("percent");
    QTest::addRow("2 of 3 marks") << 101 << QStringList{"2", "1", "4"} << "++x" << "66.7";
    QTest::addRow("full marks") << 101 << QStringList{"2", " 1 ", "3"} << "+++" << "100";
    QTest::addRow("1 of 3 marks") << 101 << QStringList{"1", "", "3"} << "x x+" << "33.3";
    QTest::addRow("a two-mark question") << 102 << QStringList{"1", "1", "4", "3"} << "xx+x"
                                         << "40";
    QTest::addRow("typed kinds") << 105
                                 << QStringList{"grass", "3.0", "water vapour", "0.250", "Seed",
                                                "Sand", "Seed", "t"}
                                 << "++++++x+" << "88.9";
    QTest::addRow("a number that is not one") << 105
                                              << QStringList{"Grass", "three", "Gas", "1/4", "sand",
                                                             "chalk", "flour", "F"}
                                              << "+x+x+++x" << "55.6";
}

void TestGuiMarking::scoresAndStores()
{
    QFETCH(int, key);
    QFETCH(QStringList, answers);
    QFETCH(QString, marks);
    QFETCH(QString, percent);
    marks.remove(QLatin1Char(' '));
    const int paper = key - 100;
    storeAnswers(ResultsStore::First, paper, answers);
    PaperWindow *w = open(key);
    QVERIFY(w);
    mark(w);
    QVERIFY(w->isMarked());
    QCOMPARE(::marks(w->results()), marks);
    QCOMPARE(w->score(), percent);

    const MarksRows rows = store().readMarks();
    QCOMPARE(rows.FSE.value(paper - 1), percent);
    QCOMPARE(rows.FST.value(paper - 1), QStringLiteral("1"));
    QVERIFY(QRegularExpression(QStringLiteral("^0:0:\\d+$")).match(rows.LTM.value(paper - 1)).hasMatch());
    QCOMPARE(rows.CDD.value(paper - 1), Today);
    QCOMPARE(rows.SSE.value(paper - 1), QString());
    QCOMPARE(store().readTrendLine(), QStringLiteral("#TRD#>") + percent);
    QCOMPARE(::marks(store().readPaperValues(ResultsStore::FResults, paper, int(answers.size()))),
             marks);
    // The marks are the bytes 0xFC and 0xFB in the file.
    const QByteArray bytes = TestFiles::read(ws().file(QStringLiteral("fresults2TY.txt")));
    QVERIFY(bytes.contains(marks.startsWith(QLatin1Char('+')) ? "\xFC" : "\xFB"));
}

void TestGuiMarking::markedDisplay()
{
    storeAnswers(ResultsStore::First, 13, {"3", "Bulb", "open", "Copper", "5", "Heat", "Heat"});
    PaperWindow *w = open(113);
    QVERIFY(w);
    QTest::mouseClick(w->toolbarButton(6), Qt::LeftButton);
    mark(w);
    QVERIFY(w->isMarked());
    QCOMPARE(w->score(), QStringLiteral("57.1"));
    QCOMPARE(w->question(), 2); // marking does not move
    const QStringList glyphs{"\u2713", "\u2717", "\u2713", "\u2717"};
    for (int k = 1; k <= 4; ++k) {
        QVERIFY(edit(w, QStringLiteral("FA%1").arg(k))->isReadOnly());
        QLabel *fr = label(w, QStringLiteral("FR%1").arg(k));
        QVERIFY(fr->isVisible());
        QCOMPARE(fr->text(), glyphs.at(k - 1));
        QVERIFY(!edit(w, QStringLiteral("M%1").arg(k))->isVisible());
    }
    QVERIFY(!w->findChild<QWidget *>(QStringLiteral("TxtRem"))->isVisible());
    QCOMPARE(label(w, QStringLiteral("lblScore"))->text(), QStringLiteral("Score: 57.1%"));
    QVERIFY(!label(w, QStringLiteral("lblClock"))->isVisible());
    QVERIFY(label(w, QStringLiteral("LTime"))->isVisible());
    QCOMPARE(label(w, QStringLiteral("LTime"))->text(), static_cast<Test1 *>(w)->timeTaken());
    QVERIFY(!label(w, QStringLiteral("lblDate"))->isVisible());
    QCOMPARE(label(w, QStringLiteral("ETime"))->text(), Today);
    QVERIFY(!w->toolbarButton(1)->isAvailable());
    QVERIFY(!w->toolbarButton(2)->isAvailable());
    QCOMPARE(w->toolbarButton(1)->picture(), QStringLiteral("save_disabled.bmp"));
    QCOMPARE(w->toolbarButton(2)->picture(), QStringLiteral("mark_disabled.bmp"));
    QVERIFY(w->toolbarButton(3)->isAvailable());
    QCOMPARE(w->findChild<QLineEdit *>(QStringLiteral("Status"))->text(), QStringLiteral("1"));
    // Moving still works and shows the marks of the new question.
    QTest::mouseClick(w->toolbarButton(6), Qt::LeftButton);
    QCOMPARE(label(w, QStringLiteral("FR1"))->text(), QStringLiteral("\u2713"));
    QCOMPARE(label(w, QStringLiteral("FR2"))->text(), QStringLiteral("\u2717"));
    // Neither Save nor Mark act any more.
    const auto files = resultsFiles();
    w->toolbarButton(1)->click();
    w->MarkPaper();
    QCOMPARE(resultsFiles().value(QStringLiteral("marks2TY.txt")),
             files.value(QStringLiteral("marks2TY.txt")));
}

void TestGuiMarking::reopenedMarkedPaper()
{
    storeAnswers(ResultsStore::First, 1, {"2", "4", "3"});
    storeAnswers(ResultsStore::FResults, 1, {CorrectMark, WrongMark, CorrectMark});
    MarksRows rows = store().readMarks();
    rows.FSE[0] = QStringLiteral("66.7");
    rows.LTM[0] = QStringLiteral("0:12:5");
    rows.CDD[0] = QStringLiteral("01/02/2025");
    rows.FST[0] = QStringLiteral("1");
    QVERIFY(store().writeMarks(rows));
    frmPopUp::setNextAnswer(true);
    frmPopUp::CallPop(QStringLiteral("sentinel"), QString(), 1, nullptr);
    const auto before = resultsFiles();

    PaperWindow *w = open(101);
    QVERIFY(w);
    QCOMPARE(frmPopUp::lastQuestion().title, QStringLiteral("sentinel")); // nothing asked
    QVERIFY(w->isMarked());
    QCOMPARE(label(w, QStringLiteral("LTime"))->text(), QStringLiteral("0:12:5"));
    QVERIFY(label(w, QStringLiteral("LTime"))->isVisible());
    QCOMPARE(label(w, QStringLiteral("ETime"))->text(), QStringLiteral("01/02/2025"));
    QVERIFY(!label(w, QStringLiteral("lblDate"))->isVisible());
    QCOMPARE(label(w, QStringLiteral("lblScore"))->text(), QStringLiteral("Score: 66.7%"));
    QVERIFY(edit(w, QStringLiteral("FA1"))->isReadOnly());
    QCOMPARE(label(w, QStringLiteral("FR1"))->text(), QStringLiteral("\u2713"));
    QVERIFY(!w->toolbarButton(1)->isAvailable());
    QVERIFY(!w->toolbarButton(2)->isAvailable());
    QTest::mouseClick(w->toolbarButton(6), Qt::LeftButton);
    QCOMPARE(label(w, QStringLiteral("FR1"))->text(), QStringLiteral("\u2717"));
    QCOMPARE(edit(w, QStringLiteral("FA1"))->text(), QStringLiteral("4"));
    // Reopening marks nothing again.
    closeAll();
    const auto after = resultsFiles();
    for (const char *name : {"marks2TY.txt", "fresults2TY.txt", "trend2TY.txt"})
        QCOMPARE(after.value(QLatin1String(name)), before.value(QLatin1String(name)));
}

void TestGuiMarking::trendGrowsOncePerFirstMarking()
{
    storeAnswers(ResultsStore::First, 1, {"2", "1", "4"});
    PaperWindow *w = open(101);
    QVERIFY(w);
    mark(w);
    QCOMPARE(store().readTrendLine(), QStringLiteral("#TRD#>66.7"));
    closeAll();

    storeAnswers(ResultsStore::First, 3, {"2", "3"});
    w = open(103);
    QVERIFY(w);
    mark(w);
    QCOMPARE(store().readTrendLine(), QStringLiteral("#TRD#>66.7>100"));
    closeAll();

    const MarksRows first = store().readMarks();
    w = open(101, 2);
    QVERIFY(w);
    QCOMPARE(w->objectName(), QStringLiteral("Test2"));
    QTest::mouseClick(w->toolbarButton(6), Qt::LeftButton);
    QTest::mouseClick(w->toolbarButton(6), Qt::LeftButton);
    QTest::keyClicks(edit(w, QStringLiteral("FA1")), QStringLiteral("3"));
    mark(w);
    QVERIFY(w->isMarked());
    QCOMPARE(w->score(), QStringLiteral("100"));
    const MarksRows after = store().readMarks();
    QCOMPARE(store().readTrendLine(), QStringLiteral("#TRD#>66.7>100"));
    QCOMPARE(after.SSE.value(0), QStringLiteral("100"));
    QCOMPARE(after.SST.value(0), QStringLiteral("1"));
    QCOMPARE(after.FSE, first.FSE);
    QCOMPARE(after.LTM, first.LTM);
    QCOMPARE(after.CDD, first.CDD);
    QCOMPARE(after.FST, first.FST);
}

void TestGuiMarking::secondAttemptCarriesOver()
{
    // First attempt: slots 1 and 3 right (1 + 2 marks of 5).
    storeAnswers(ResultsStore::First, 2, {"2", "1", "4", ""});
    PaperWindow *w = open(102);
    QVERIFY(w);
    mark(w);
    QCOMPARE(w->score(), QStringLiteral("60"));
    closeAll();
    const QByteArray firstAnswers = TestFiles::read(ws().file(QStringLiteral("first2TY.txt")));
    const QByteArray firstResults = TestFiles::read(ws().file(QStringLiteral("fresults2TY.txt")));

    w = open(102, 2);
    QVERIFY(w);
    auto *t2 = qobject_cast<Test2 *>(w);
    QVERIFY(t2);
    QCOMPARE(w->windowTitle(), QStringLiteral("Topic - Paper 2"));
    QCOMPARE(w->answers(), (QStringList{"2", "", "4", ""}));
    QCOMPARE(label(w, QStringLiteral("lblAnsweredQ"))->text(), QStringLiteral("2"));
    auto *rem = w->findChild<QComboBox *>(QStringLiteral("RemQns"));
    QCOMPARE(rem->count(), 2);
    QCOMPARE(rem->itemText(0), QStringLiteral("2"));
    QCOMPARE(rem->itemText(1), QStringLiteral("4"));
    QVERIFY(!label(w, QStringLiteral("lblClock")));
    QVERIFY(!label(w, QStringLiteral("lblDate")));
    QCOMPARE(label(w, QStringLiteral("lblSecondAttempt"))->text(), QStringLiteral("Second Attempt"));
    QVERIFY(!w->findChild<QWidget *>(QStringLiteral("Bot2")));

    // Question 1: carried over, locked, light blue, ticked beside the box.
    QLineEdit *fa = edit(w, QStringLiteral("FA1"));
    QVERIFY(fa->isReadOnly());
    QCOMPARE(fa->text(), QStringLiteral("2"));
    QCOMPARE(fa->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xFF));
    QLabel *fr = label(w, QStringLiteral("FR1"));
    QVERIFY(fr->isVisible());
    QCOMPARE(fr->text(), QStringLiteral("\u2713"));
    QCOMPARE(fr->x(), fa->geometry().right() + 1 + 7); // 105 twips
    QVERIFY(!label(w, QStringLiteral("SR1"))->isVisible());

    // Question 2: open, white; fixed.
    QTest::mouseClick(w->toolbarButton(6), Qt::LeftButton);
    QVERIFY(!fa->isReadOnly());
    QCOMPARE(fa->palette().color(QPalette::Base), QColor(Qt::white));
    QVERIFY(!fr->isVisible());
    QTest::keyClicks(fa, QStringLiteral("3"));
    QTest::mouseClick(w->toolbarButton(6), Qt::LeftButton);
    QCOMPARE(store().readPaperValues(ResultsStore::Second, 2, 4),
             (QStringList{"2", "3", "4", ""}));

    // Slot 4 is still empty and was not right the first time.
    mark(w);
    QCOMPARE(frmPopUp::lastQuestion().message,
             QStringLiteral("You have not answered all the questions.  "
                            "Do you still want to mark your practice?"));
    QVERIFY(w->isMarked());
    QCOMPARE(w->score(), QStringLiteral("80"));
    QCOMPARE(marks(w->results()), QStringLiteral("+++x"));
    const MarksRows rows = store().readMarks();
    QCOMPARE(rows.SSE.value(1), QStringLiteral("80"));
    QCOMPARE(rows.SST.value(1), QStringLiteral("1"));
    QCOMPARE(rows.FSE.value(1), QStringLiteral("60"));
    QCOMPARE(marks(store().readPaperValues(ResultsStore::SResults, 2, 4)), QStringLiteral("+++x"));
    // The first attempt's files are only read.
    QCOMPARE(TestFiles::read(ws().file(QStringLiteral("first2TY.txt"))), firstAnswers);
    QCOMPARE(TestFiles::read(ws().file(QStringLiteral("fresults2TY.txt"))), firstResults);

    // Marked: SR shows the second marks, FR is hidden; the wrong slot shows
    // its key.
    QCOMPARE(w->question(), 3);
    QVERIFY(label(w, QStringLiteral("SR1"))->isVisible());
    QCOMPARE(label(w, QStringLiteral("SR1"))->text(), QStringLiteral("\u2713"));
    QVERIFY(!fr->isVisible());
    QVERIFY(!edit(w, QStringLiteral("M1"))->isVisible());
    QCOMPARE(fa->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xFF));
    QTest::mouseClick(w->toolbarButton(6), Qt::LeftButton);
    QCOMPARE(label(w, QStringLiteral("SR1"))->text(), QStringLiteral("\u2717"));
    QVERIFY(edit(w, QStringLiteral("M1"))->isVisible());
    QCOMPARE(edit(w, QStringLiteral("M1"))->text(), QStringLiteral("1"));
    QVERIFY(!w->toolbarButton(1)->isAvailable());
    QVERIFY(!w->toolbarButton(2)->isAvailable());
    QCOMPARE(label(w, QStringLiteral("lblScore"))->text(), QStringLiteral("Score: 80%"));

    // Reopened: the marked display with the second score.
    closeAll();
    w = open(102, 2);
    QVERIFY(w);
    QVERIFY(w->isMarked());
    QCOMPARE(label(w, QStringLiteral("lblScore"))->text(), QStringLiteral("Score: 80%"));
    QVERIFY(label(w, QStringLiteral("SR1"))->isVisible());
}

// A click on an option changes nothing once the attempt is marked, nor on a
// part locked in a second attempt; the page still draws the answer held.
void TestGuiMarking::noChoosingOnceMarkedOrLocked()
{
    PaperWindow *w = open(101);
    QVERIFY(w);
    auto *page = static_cast<FakeBrowser *>(w->browser());
    page->clickOption(2); // right: the key of question 1 is 2
    QTest::mouseClick(w->toolbarButton(6), Qt::LeftButton);
    page->clickOption(3); // wrong: the key is 1
    mark(w);
    QVERIFY(w->isMarked());
    QCOMPARE(page->mark, QStringLiteral("choice-3"));
    const QMap<QString, QByteArray> files = resultsFiles();
    page->clickOption(1);
    QCOMPARE(edit(w, QStringLiteral("FA1"))->text(), QStringLiteral("3"));
    QTest::mouseClick(w->toolbarButton(5), Qt::LeftButton);
    QCOMPARE(page->mark, QStringLiteral("choice-2"));
    page->clickOption(4);
    QCOMPARE(edit(w, QStringLiteral("FA1"))->text(), QStringLiteral("2"));
    QCOMPARE(resultsFiles(), files);
    closeAll();

    w = open(101, 2);
    QVERIFY(w);
    page = static_cast<FakeBrowser *>(w->browser());
    // Question 1 was right the first time: locked.
    QCOMPARE(page->mark, QStringLiteral("choice-2"));
    page->clickOption(4);
    QCOMPARE(edit(w, QStringLiteral("FA1"))->text(), QStringLiteral("2"));
    // Question 2 is to be tried again.
    QTest::mouseClick(w->toolbarButton(6), Qt::LeftButton);
    QCOMPARE(page->mark, QStringLiteral("choice-0"));
    page->clickOption(1);
    QCOMPARE(edit(w, QStringLiteral("FA1"))->text(), QStringLiteral("1"));
    QCOMPARE(page->mark, QStringLiteral("choice-1"));
    QTest::mouseClick(w->toolbarButton(6), Qt::LeftButton);
    QCOMPARE(store().readPaperValues(ResultsStore::Second, 1, 3), (QStringList{"2", "1", ""}));
}

void TestGuiMarking::modelAnswersOnlyForWrongSlots()
{
    storeAnswers(ResultsStore::First, 13, {"3", "Bulb", "open", "Copper", "5", "Heat", "Heat"});
    PaperWindow *w = open(113);
    QVERIFY(w);
    mark(w);
    closeAll();

    w = open(113, 2);
    QVERIFY(w);
    w->NextQuestion();
    w->NextQuestion();
    edit(w, QStringLiteral("FA2"))->setText(QStringLiteral("Sound"));
    mark(w);
    // Slots 3 and 5 are still empty.
    QCOMPARE(frmPopUp::lastQuestion().message,
             QStringLiteral("You have not answered all the questions.  "
                            "Do you still want to mark your practice?"));
    QCOMPARE(w->score(), QStringLiteral("57.1"));
    // Question 2: (a) right, (b) wrong, (c) right, (d) wrong.
    w->PrevQuestion();
    const QStringList models{"-", "Closed", "-", "2"};
    for (int k = 1; k <= 4; ++k) {
        QLineEdit *m = edit(w, QStringLiteral("M%1").arg(k));
        QCOMPARE(m->isVisible(), models.at(k - 1) != QLatin1String("-"));
        if (m->isVisible())
            QCOMPARE(m->text(), models.at(k - 1));
    }
    // Question 3: a group; "Sound" is wrong and gets the alternative the
    // group did not use.
    w->NextQuestion();
    QVERIFY(!edit(w, QStringLiteral("M1"))->isVisible());
    QVERIFY(edit(w, QStringLiteral("M2"))->isVisible());
    QCOMPARE(edit(w, QStringLiteral("M2"))->text(), QStringLiteral("Light"));
}

void TestGuiMarking::resultsThatCannotBeWrittenAreReported()
{
    storeAnswers(ResultsStore::First, 1, {"2", "1", "4"});
    QVERIFY(QFile::remove(ws().file(QStringLiteral("fresults2TY.txt"))));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("fresults2TY.txt")));
    const auto before = resultsFiles();
    PaperWindow *w = open(101);
    QVERIFY(w);
    frmPopUp::setNextAnswer(true);
    mark(w);
    QCOMPARE(frmPopUp::lastQuestion().title, QStringLiteral("Marking"));
    QVERIFY(frmPopUp::lastQuestion().message.contains(QStringLiteral("could not be saved")));
    QVERIFY(!w->isMarked());
    QVERIFY(w->toolbarButton(2)->isAvailable());
    QVERIFY(!edit(w, QStringLiteral("FA1"))->isReadOnly());
    QVERIFY(!label(w, QStringLiteral("FR1"))->isVisible());
    QCOMPARE(resultsFiles().value(QStringLiteral("marks2TY.txt")),
             before.value(QStringLiteral("marks2TY.txt")));
    QCOMPARE(resultsFiles().value(QStringLiteral("trend2TY.txt")),
             before.value(QStringLiteral("trend2TY.txt")));
}

void TestGuiMarking::paperWithoutMarksStoresNoScore()
{
    m_host->choose(101, 1, 1, QStringLiteral("Topic"));
    StoreProbe w(*m_host);
    QVERIFY(w.Form_Load());
    MarkedAttempt none;
    none.results = {CorrectMark, WrongMark, CorrectMark};
    QVERIFY(!none.hasPercent());
    QVERIFY(w.storeMarked(none, QStringLiteral("0:3:4"), QStringLiteral("02/03/2025")));
    const MarksRows rows = store().readMarks();
    QCOMPARE(rows.FSE.value(0), QString());
    QCOMPARE(rows.FST.value(0), QStringLiteral("1"));
    QCOMPARE(rows.LTM.value(0), QStringLiteral("0:3:4"));
    QCOMPARE(rows.CDD.value(0), QStringLiteral("02/03/2025"));
    QCOMPARE(marks(store().readPaperValues(ResultsStore::FResults, 1, 3)), QStringLiteral("+x+"));
    // No percentage, so nothing joins the trend.
    QCOMPARE(store().readTrendLine(), QStringLiteral("#TRD#"));
}

void TestGuiMarking::progressDisplayTakesThreeSecondsAndDropsInput()
{
    MarkingProgress::setStepMilliseconds(200);
    storeAnswers(ResultsStore::First, 1, {"2", "1", "4"});
    PaperWindow *w = open(101);
    QVERIFY(w);
    auto *panel = w->findChild<MarkingProgress *>(QStringLiteral("fmeMark"));
    QVERIFY(panel);
    int barsMidway = -1;
    bool panelShown = false;
    QTimer::singleShot(1500, this, [&] {
        panelShown = panel->isVisible();
        barsMidway = 0;
        for (int i = 1; i <= 15; ++i)
            barsMidway += w->findChild<QWidget *>(QStringLiteral("imgBar%1").arg(i, 2, 10, QLatin1Char('0')))
                              ->isVisible();
        // A click on Close while the bars run goes nowhere.
        QTest::mouseClick(w->toolbarButton(4), Qt::LeftButton);
        QTest::keyClick(w, Qt::Key_W, Qt::ControlModifier);
    });
    QSignalSpy ticks(w->timer1(), &QTimer::timeout);
    QElapsedTimer clock;
    clock.start();
    mark(w);
    const qint64 ms = clock.elapsed();
    QVERIFY2(ms >= 2900 && ms < 6000, qPrintable(QString::number(ms)));
    QVERIFY(panelShown);
    // One after another: some, not all, half way through.
    QVERIFY2(barsMidway > 2 && barsMidway < 14, qPrintable(QString::number(barsMidway)));
    QVERIFY(!panel->isVisible());
    QVERIFY(ticks.count() >= 20); // the window's timer kept running
    QVERIFY(w->isMarked());
    QCOMPARE(frmPopUp::lastQuestion().title, QStringLiteral("Marking"));
    QCOMPARE(m_windows->current(), w);
}

void TestGuiMarking::mainWindowShowsScoreAndOffersTryAgain()
{
    // The real main window opens and refreshes the paper windows.
    closeAll();
    Contents contents{ws()};
    contents.setPaperWindows(std::make_unique<ContentsPaperWindows>());
    contents.Form_Load();
    contents.show();
    QVERIFY(QTest::qWaitForWindowExposed(&contents));
    auto *papers = static_cast<ContentsPaperWindows *>(contents.paperWindows());
    contents.TopicClick(3);
    storeAnswers(ResultsStore::First, 13, {"3", "Bulb", "open", "Copper", "5", "Heat", "Heat"});

    QTest::mouseClick(contents.homePanel()->loadButton(3, 1), Qt::LeftButton);
    PaperWindow *w = papers->current();
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Electricity and Magnets - Paper 3"));
    mark(w);
    frmPopUp::setNextAnswer(true);
    w->ClosePaper();
    QTRY_VERIFY(!papers->current());
    QCOMPARE(contents.homePanel()->firstScore(3)->text().remove(QLatin1Char('%')).trimmed(),
             QStringLiteral("57.1"));
    QVERIFY(contents.homePanel()->loadButton(3, 2)->isVisible());
    QCOMPARE(contents.homePanel()->loadButton(3, 2)->toolTip(), QStringLiteral("Try paper 3 again"));

    QTest::mouseClick(contents.homePanel()->loadButton(3, 2), Qt::LeftButton);
    w = papers->current();
    QVERIFY(w);
    QCOMPARE(w->objectName(), QStringLiteral("Test2"));
    QTest::mouseClick(w->toolbarButton(6), Qt::LeftButton);
    edit(w, QStringLiteral("FA2"))->setText(QStringLiteral("Closed"));
    edit(w, QStringLiteral("FA4"))->setText(QStringLiteral("2"));
    QTest::mouseClick(w->toolbarButton(6), Qt::LeftButton);
    edit(w, QStringLiteral("FA2"))->setText(QStringLiteral("Light"));
    mark(w);
    QCOMPARE(w->score(), QStringLiteral("100"));
    // Closing the main window unloads the paper without asking.
    contents.close();
    QTRY_VERIFY(!papers->current());
    QVERIFY(TestFiles::filesStartingWith(m_dir->path(), QStringLiteral("temppaper")).isEmpty());
    QCOMPARE(contents.homePanel()->secondScore(3)->text().remove(QLatin1Char('%')).trimmed(),
             QStringLiteral("100"));
}

void TestGuiMarking::whatAnotherCopyStoredIsNotWrittenOver()
{
    PaperWindow *w = open(101);
    QVERIFY(w);
    // Meanwhile a second copy in the same folder answers paper 3 and marks
    // paper 2 (written here as it would write them).
    storeAnswers(ResultsStore::First, 3, {"2", "3"});
    MarksRows rows;
    QStringList lines;
    QVERIFY(store().storeFirstAttempt(rows, lines, 2, {CorrectMark, WrongMark, CorrectMark, WrongMark},
                                      4, "40", "0:2:0", "01/02/2025"));

    QTest::keyClicks(edit(w, QStringLiteral("FA1")), QStringLiteral("2"));
    QTest::mouseClick(w->toolbarButton(6), Qt::LeftButton); // stores the answers file
    mark(w);
    QVERIFY(w->isMarked());
    const MarksRows after = store().readMarks();
    QCOMPARE(after.FSE.value(1), QStringLiteral("40"));
    QCOMPARE(after.FST.value(1), QStringLiteral("1"));
    QCOMPARE(after.FSE.value(0), w->score());
    QCOMPARE(store().readTrendLine(), QStringLiteral("#TRD#>40>") + w->score());
    QCOMPARE(marks(store().readPaperValues(ResultsStore::FResults, 2, 4)), QStringLiteral("+x+x"));
    QCOMPARE(store().readPaperValues(ResultsStore::First, 3, 2), QStringList({"2", "3"}));
}

void TestGuiMarking::aFullDiskIsToldInThePupilsWords_data()
{
    QTest::addColumn<int>("button"); // 1 Save, 2 Mark
    QTest::addColumn<int>("popUps");
    QTest::addRow("saving") << 1 << 1;
    // The answers stored first, the question, then the results.
    QTest::addRow("marking") << 2 << 3;
}

void TestGuiMarking::aFullDiskIsToldInThePupilsWords()
{
    QFETCH(int, button);
    QFETCH(int, popUps);
    storeAnswers(ResultsStore::First, 1, {"2", "1", ""});
    PaperWindow *w = open(101);
    QVERIFY(w);
    const auto before = resultsFiles();
    QTest::keyClicks(edit(w, QStringLiteral("FA1")), QStringLiteral("4"));
    // A full disk, as a file-size limit gives it: no results file fits.
    rlimit saved{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = 16;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    for (int i = 0; i < popUps; ++i)
        frmPopUp::setNextAnswer(true);
    QTest::mouseClick(w->toolbarButton(button), Qt::LeftButton);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    frmPopUp::clearNextAnswers();

    QCOMPARE(frmPopUp::lastQuestion().message,
             QStringLiteral("There is no room left on the disk to save your answers"));
    QVERIFY(!w->isMarked());
    QCOMPARE(resultsFiles(), before);
    QVERIFY(TestFiles::filesStartingWith(ws().folder(), QString()).filter(".next").isEmpty());
}

TESSALY_PAPER_TEST_MAIN(TestGuiMarking)
#include "tst_gui_marking.moc"
