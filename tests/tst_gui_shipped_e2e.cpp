#include "Contents.h"
#include "ContentsPaperWindows.h"
#include "PaperWindow.h"
#include "Records.h"
#include "Resources.h"
#include "Score.h"
#include "ResultsPrinter.h"
#include "ResultsStore.h"
#include "SystemMessageBox.h"
#include "frmPopUp.h"
#include "support/TestFiles.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QPointer>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

// The road of one paper through the real windows and the shipped content, in
// a fresh program folder, under a real X server: topic 2, paper 2 (key 107),
// answer, move, save, close, reopen, mark, try again, report, print, erase.
// A screenshot of every step goes to e2e-screenshots/ in the build folder.
class TestEndToEnd : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void onePaperEndToEnd();

private:
    template <typename T = QWidget> T *find(QWidget *in, const QString &name)
    {
        T *w = in->findChild<T *>(name);
        if (!w)
            qFatal("no widget %s", qPrintable(name));
        return w;
    }
    void click(QWidget *in, const QString &name)
    {
        QWidget *w = find(in, name);
        QVERIFY2(w->isVisible(), qPrintable(name + QStringLiteral(" is hidden")));
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }
    void shot(const QString &name)
    {
        QTest::qWait(150);
        const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
        QVERIFY(screen.save(m_shots.filePath(QString::number(++m_shot).rightJustified(2, u'0')
                                             + QLatin1Char('-') + name + QStringLiteral(".png"))));
    }
    // Waits for the paper window to show its first page; null on time-out.
    PaperWindow *waitForPaper()
    {
        QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired()) {
            PaperWindow *w = m_papers->current();
            if (w && w->isVisible() && QFile::exists(w->currentPageFile())) {
                QTest::qWait(1200); // the engine paints the first page
                return w;
            }
            QTest::qWait(50);
        }
        return nullptr;
    }
    void answer(PaperWindow *w, int frame, const QString &text)
    {
        auto *box = find<QLineEdit>(w, QStringLiteral("FA%1").arg(frame));
        box->clear();
        QTest::keyClicks(box, text);
    }
    void closePaper(PaperWindow *w)
    {
        const QPointer<PaperWindow> guard(w);
        frmPopUp::setNextAnswer(true);
        click(w, QStringLiteral("ToolBar04"));
        QTRY_VERIFY_WITH_TIMEOUT(guard.isNull() || !guard->isVisible(), 10000);
        QTRY_VERIFY(m_papers->current() == nullptr || !m_papers->current()->isVisible());
    }
    QStringList paperValues(ResultsStore::Stem stem, int slotCount)
    {
        return ResultsStore(Workspace(m_dir.path()), 2, QStringLiteral("TY"), 50)
            .readPaperValues(stem, 7, slotCount);
    }
    MarksRows marks()
    {
        return ResultsStore(Workspace(m_dir.path()), 2, QStringLiteral("TY"), 50).readMarks();
    }
    QString trend() { return TestFiles::read(m_dir.filePath(QStringLiteral("trend2TY.txt"))); }
    void verifyNoScratchFiles()
    {
        QCOMPARE(TestFiles::filesStartingWith(m_dir.path(), QStringLiteral("temppaper")),
                 QStringList());
        QCOMPARE(TestFiles::filesStartingWith(m_dir.path(), QStringLiteral("temptext")),
                 QStringList());
        QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("*.new-*")}, QDir::Files),
                 QStringList());
    }

    QTemporaryDir m_dir;
    QDir m_shots;
    int m_shot = 0;
    std::unique_ptr<Contents> m_contents;
    ContentsPaperWindows *m_papers = nullptr;
};

void TestEndToEnd::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs a real X server (run with DISPLAY set)");
    m_shots = QDir(QStringLiteral(TESSALY_E2E_SHOTS));
    m_shots.removeRecursively();
    QVERIFY(QDir().mkpath(m_shots.path()));
}

void TestEndToEnd::cleanupTestCase()
{
    m_contents.reset();
}

void TestEndToEnd::onePaperEndToEnd()
{
    m_contents = std::make_unique<Contents>(Workspace(m_dir.path()));
    auto papers = std::make_unique<ContentsPaperWindows>();
    m_papers = papers.get();
    m_contents->setPaperWindows(std::move(papers));
    m_contents->Form_Load();
    m_contents->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_contents.get()));
    QCOMPARE(QDir(m_dir.filePath(QStringLiteral("Graphics"))).entryList(QDir::Files).size(), 89);
    for (const char *stem : {"marks", "first", "second", "fresults", "sresults", "trend"})
        QVERIFY(QFile::exists(m_dir.filePath(QLatin1String(stem) + QStringLiteral("2TY.txt"))));
    shot(QStringLiteral("home"));

    // 1. Topic 2.
    click(m_contents.get(), QStringLiteral("Topic2"));
    QCOMPARE(m_contents->field(QStringLiteral("TopicCount")), QStringLiteral("6"));
    QCOMPARE(find<QLabel>(m_contents.get(), QStringLiteral("SubH1"))->text(),
             QStringLiteral("Matter and Changes in States"));
    shot(QStringLiteral("topic2"));

    // 2. Paper 2 of the topic, first attempt.
    click(m_contents.get(), QStringLiteral("P2a"));
    QCOMPARE(m_contents->field(QStringLiteral("PaperNum")), QStringLiteral("107"));
    QCOMPARE(m_contents->field(QStringLiteral("TakeNum")), QStringLiteral("1"));
    PaperWindow *paper = waitForPaper();
    QVERIFY(paper);
    QCOMPARE(paper->windowTitle(), QStringLiteral("Matter and Changes in States - Paper 2"));
    const QStringList keys = paper->content().slotKeys;
    QCOMPARE(keys.size(), 30);
    const QString wrong = keys.at(1) == QLatin1String("1") ? QStringLiteral("2") : QStringLiteral("1");
    shot(QStringLiteral("paper-open"));

    // 3. Answer questions 1 to 3 (question 2 wrongly), moving with Next.
    answer(paper, 1, keys.at(0));
    click(paper, QStringLiteral("ToolBar06"));
    QTRY_COMPARE(paper->question(), 2);
    QCOMPARE(paperValues(ResultsStore::First, 30).at(0), keys.at(0));
    answer(paper, 1, wrong);
    click(paper, QStringLiteral("ToolBar06"));
    QTRY_COMPARE(paper->question(), 3);
    answer(paper, 1, keys.at(2));
    shot(QStringLiteral("answering"));

    // 4. Save keeps question 3's answer too.
    frmPopUp::setNextAnswer(true);
    click(paper, QStringLiteral("ToolBar01"));
    QCOMPARE(frmPopUp::lastQuestion().message, QStringLiteral("Paper saved"));
    QCOMPARE(paperValues(ResultsStore::First, 30).mid(0, 3),
             (QStringList{keys.at(0), wrong, keys.at(2)}));

    // 5. Close and reopen: the answers are back, at question 1.
    closePaper(paper);
    verifyNoScratchFiles();
    click(m_contents.get(), QStringLiteral("P2a"));
    paper = waitForPaper();
    QVERIFY(paper);
    QCOMPARE(paper->question(), 1);
    QCOMPARE(find<QLineEdit>(paper, QStringLiteral("FA1"))->text(), keys.at(0));
    QCOMPARE(paper->answers().mid(0, 3), (QStringList{keys.at(0), wrong, keys.at(2)}));

    // 6. Mark, confirming.
    frmPopUp::setNextAnswer(true);
    click(paper, QStringLiteral("ToolBar02"));
    QTRY_VERIFY_WITH_TIMEOUT(paper->isMarked(), 15000);
    QTest::qWait(300);
    shot(QStringLiteral("marked"));
    const QStringList values = paper->content().slotValues;
    auto mark = [&](int i) { return values.at(i).toInt(); };
    const int total = paper->content().totalMarks;
    const QString firstScore = Score::PercentText(mark(0) + mark(2), total);
    const QString secondScore = Score::PercentText(mark(0) + mark(1) + mark(2), total);
    MarksRows rows = marks();
    QCOMPARE(rows.FSE.at(6), firstScore);
    QCOMPARE(rows.FST.at(6), QStringLiteral("1"));
    QVERIFY(rows.LTM.at(6).count(QLatin1Char(':')) == 2);
    QVERIFY(!rows.CDD.at(6).isEmpty());
    QCOMPARE(trend(), QStringLiteral("#TRD#>") + firstScore + QStringLiteral("\r\n"));
    const QStringList firstResults = paperValues(ResultsStore::FResults, 30);
    QCOMPARE(firstResults.at(0), QString(QChar(0xFC)));
    QCOMPARE(firstResults.at(1), QString(QChar(0xFB)));
    closePaper(paper);
    verifyNoScratchFiles();

    // 7. The main window shows the score and offers a second try.
    QCOMPARE(find<QLabel>(m_contents.get(), QStringLiteral("MSA2"))->text(), firstScore);
    QVERIFY(find(m_contents.get(), QStringLiteral("P2b"))->isVisible());
    QCOMPARE(find(m_contents.get(), QStringLiteral("P2b"))->toolTip(),
             QStringLiteral("Try paper 2 again"));
    shot(QStringLiteral("home-scored"));

    // 8. Second attempt: question 1 is carried over; fix question 2.
    click(m_contents.get(), QStringLiteral("P2b"));
    QCOMPARE(m_contents->field(QStringLiteral("TakeNum")), QStringLiteral("2"));
    paper = waitForPaper();
    QVERIFY(paper);
    QCOMPARE(paper->answers().at(0), keys.at(0));
    QVERIFY(!find<QLineEdit>(paper, QStringLiteral("FA1"))->isEnabled()
            || find<QLineEdit>(paper, QStringLiteral("FA1"))->isReadOnly());
    click(paper, QStringLiteral("ToolBar06"));
    QTRY_COMPARE(paper->question(), 2);
    answer(paper, 1, keys.at(1));
    shot(QStringLiteral("second-attempt"));
    frmPopUp::setNextAnswer(true);
    click(paper, QStringLiteral("ToolBar02"));
    QTRY_VERIFY_WITH_TIMEOUT(paper->isMarked(), 15000);
    shot(QStringLiteral("second-marked"));
    rows = marks();
    // Questions 1 and 3 carried over, question 2 fixed.
    QCOMPARE(rows.SSE.at(6), secondScore);
    QCOMPARE(rows.SST.at(6), QStringLiteral("1"));
    QCOMPARE(rows.FSE.at(6), firstScore);
    QCOMPARE(trend(), QStringLiteral("#TRD#>") + firstScore + QStringLiteral("\r\n"));
    QCOMPARE(paperValues(ResultsStore::Second, 30).mid(0, 3), keys.mid(0, 3));
    closePaper(paper);
    verifyNoScratchFiles();
    QCOMPARE(find<QLabel>(m_contents.get(), QStringLiteral("MSB2"))->text(), secondScore);

    // 9. Report: summary, topical bars, trend.
    click(m_contents.get(), QStringLiteral("ToolBar02"));
    QTRY_VERIFY(find(m_contents.get(), QStringLiteral("Body_Report"))->isVisible());
    shot(QStringLiteral("report-summary"));
    click(m_contents.get(), QStringLiteral("RCBar2"));
    QCOMPARE(find<QLabel>(m_contents.get(), QStringLiteral("TMark2A"))->text(),
             firstScore + QLatin1Char('%'));
    shot(QStringLiteral("report-topical"));
    click(m_contents.get(), QStringLiteral("RCBar3"));
    shot(QStringLiteral("report-trend"));

    // 10. Print the listing to a PDF file.
    const QString pdf = m_dir.filePath(QStringLiteral("results.pdf"));
    ResultsPrinter::setNextAnswer({true, pdf});
    SystemMessageBox::setRecording(true); // "No Printer", where none is installed
    click(m_contents.get(), QStringLiteral("ToolBar03"));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(pdf).size() > 1000, 10000);
    SystemMessageBox::setRecording(false);
    QVERIFY(TestFiles::read(pdf).startsWith("%PDF"));
    QFile::remove(pdf);

    // 11. Help tab, Trash, Yes: every results file is its template again.
    click(m_contents.get(), QStringLiteral("Tab04"));
    click(m_contents.get(), QStringLiteral("ToolBar02"));
    click(m_contents.get(), QStringLiteral("ButTrash"));
    click(m_contents.get(), QStringLiteral("ButTrash_Yes"));
    QTRY_VERIFY(find(m_contents.get(), QStringLiteral("Trashlbl3"))->isVisible());
    shot(QStringLiteral("trash-done"));
    int k = 1;
    for (const char *stem : {"marks", "first", "second", "fresults", "sresults", "trend"})
        QCOMPARE(TestFiles::read(m_dir.filePath(QLatin1String(stem) + QStringLiteral("2TY.txt"))),
                 Module3::ResourceBytes(30120 + k++));
    verifyNoScratchFiles();
}

QTEST_MAIN(TestEndToEnd)
#include "tst_gui_shipped_e2e.moc"
