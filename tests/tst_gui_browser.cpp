#include "BrowserModule.h"
#include "PageGuard.h"
#include "PaperWindow.h"
#include "PaperWindows.h"
#include "ProgramConfig.h"
#include "QuestionBrowser.h"
#include "ResultsStore.h"
#include "Startup.h"
#include "frmPopUp.h"
#include "support/FakePaperHost.h"
#include "support/PaperTestBed.h"
#include "support/PaperTestMain.h"
#include "support/TestFiles.h"

#include <QDeadlineTimer>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <QtTest>

// The question pages in the real page browser, loaded from its module: the
// page shown and painted, one view for every question, the guard on the
// page, and printing to a file.
class TestGuiBrowser : public QObject, private PaperTestBed
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pagesShowInOneView();
    void preparedBrowserShowsTheFirstPageOnce_data();
    void preparedBrowserShowsTheFirstPageOnce();
    void guard_data();
    void guard();
    void guardFollowsEveryPage();
    void keysInAnswerBoxesAreNotWatched();
    void noContextMenu();
    void printsQuestionToPdf();
    void pageShowsCurrentQuestion_data();
    void pageShowsCurrentQuestion();
    void clickOnAnOption();
    void pageScrollsFromTheAnswerBox();

private:
    PaperWindow *open(int key);
    static QWidget *pageInput(PaperWindow *w)
    {
        QWidget *view = w->browser()->pageView();
        return view->focusProxy() ? view->focusProxy() : view;
    }
    // The page's text drawn: dark on a light background.
    static bool showsText(QWidget *view)
    {
        const QImage img = view->grab().toImage();
        int dark = 0;
        for (int y = 0; y < img.height(); y += 3)
            for (int x = 0; x < img.width(); x += 3)
                dark += qGray(img.pixel(x, y)) < 100 ? 1 : 0;
        return dark > 50;
    }

    // What `script` gives in the page, run in the application's own world.
    static QVariant inPage(PaperWindow *w, const QString &script)
    {
        auto *view = qobject_cast<QWebEngineView *>(w->browser()->pageView());
        QVariant result;
        bool done = false;
        view->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                                    [&](const QVariant &v) {
                                        result = v;
                                        done = true;
                                    });
        QDeadlineTimer deadline(10000);
        while (!done && !deadline.hasExpired())
            QTest::qWait(5);
        return result;
    }
    // The centre of option n (1..4) of a multiple-choice page, in the view.
    static QPoint optionCentre(PaperWindow *w, int n)
    {
        const QVariantList r =
            inPage(w, QStringLiteral("(() => { const r = document.querySelectorAll('ol.options a')[%1]"
                                     ".getBoundingClientRect(); return [r.left + r.width / 2, "
                                     "r.top + r.height / 2]; })()")
                          .arg(n - 1))
                .toList();
        return r.size() == 2 ? QPoint(r[0].toInt(), r[1].toInt()) : QPoint();
    }
    static QString chosenInPage(PaperWindow *w)
    {
        return inPage(w, QStringLiteral("(() => { const t = document.querySelector(':target'); "
                                        "return t ? t.id : ''; })()"))
            .toString();
    }
    static QString optionColour(PaperWindow *w, int n)
    {
        return inPage(w, QStringLiteral("getComputedStyle(document.querySelectorAll('ol.options a')[%1])"
                                        ".backgroundColor")
                             .arg(n - 1))
            .toString();
    }

    QList<QWidget *> m_messages; // parents of the guard's message boxes
};

void TestGuiBrowser::initTestCase()
{
    BrowserModule::setFactory({});
    PageGuard::setMessageSeam([this](QWidget *parent) { m_messages << parent; });
}

void TestGuiBrowser::init()
{
    setUpBed();
    m_messages.clear();
}

void TestGuiBrowser::cleanup()
{
    PaperWindow::setPrintDialogSeam({});
    tearDownBed();
}

PaperWindow *TestGuiBrowser::open(int key)
{
    m_host->choose(key, 1, 11, QStringLiteral("Electricity and Magnets"));
    PaperWindow *w = m_windows->openPaper();
    if (!w || !QTest::qWaitForWindowExposed(w))
        return nullptr;
    QSignalSpy shown(w, &PaperWindow::pageShown);
    if (!shown.wait(20000) || !shown.first().at(1).toBool())
        return nullptr;
    return w;
}

void TestGuiBrowser::pagesShowInOneView()
{
    PaperWindow *w = open(113);
    QVERIFY2(w, "the first page did not load");
    QVERIFY(BrowserModule::isLoaded());
    QWidget *view = w->browser()->pageView();
    QCOMPARE(QByteArray(view->metaObject()->className()), QByteArray("QWebEngineView"));
    QCOMPARE(view->contextMenuPolicy(), Qt::NoContextMenu);
    QCOMPARE(w->browser()->geometry().size(), view->size());
    QTRY_VERIFY_WITH_TIMEOUT(showsText(view), 10000);

    for (int q = 2; q <= 3; ++q) {
        QSignalSpy shown(w, &PaperWindow::pageShown);
        QTest::mouseClick(w->toolbarButton(6), Qt::LeftButton);
        QVERIFY(shown.wait(10000));
        QVERIFY(shown.first().at(1).toBool());
        QCOMPARE(shown.first().at(0).toString(),
                 ws().file(QStringLiteral("temppaper1603%1.mht").arg(q + 2)));
        QCOMPARE(w->browser()->pageView(), view);
    }
    int views = 0;
    for (QWidget *child : w->findChildren<QWidget *>())
        views += QByteArray(child->metaObject()->className()) == "QWebEngineView";
    QCOMPARE(views, 1);
    QCOMPARE(TestFiles::filesStartingWith(m_dir->path(), QStringLiteral("temppaper")).size(), 1);
}

void TestGuiBrowser::preparedBrowserShowsTheFirstPageOnce_data()
{
    QTest::addColumn<bool>("settled");
    QTest::addRow("opened while the prepared page starts") << false;
    QTest::addRow("opened once it is ready") << true;
}

void TestGuiBrowser::preparedBrowserShowsTheFirstPageOnce()
{
    QFETCH(bool, settled);
    // The page made ready in advance loads a blank page of its own, which
    // may still be loading when the paper opens: that one is nobody's page,
    // and the paper's page must not be lost to it.
    BrowserModule::prepare();
    QTRY_VERIFY_WITH_TIMEOUT(BrowserModule::isLoaded(), 20000);
    QCoreApplication::processEvents(); // the engine started, the page made
    if (settled)
        QTest::qWait(1500);
    m_host->choose(113, 1, 11, QStringLiteral("Electricity and Magnets"));
    PaperWindow *w = m_windows->openPaper();
    QVERIFY(w);
    QSignalSpy shown(w, &PaperWindow::pageShown);
    QSignalSpy painted(w, &PaperWindow::firstPagePainted);
    QVERIFY(painted.wait(20000));
    // The pointer is busy until the page's text is on the screen.
    QVERIFY(!m_windows->isOpening());
    QVERIFY(showsText(w->browser()->pageView()));
    QTest::qWait(500);
    QCOMPARE(shown.count(), 1);
    QCOMPARE(shown.first().at(0).toString(), ws().file(QStringLiteral("temppaper16033.mht")));
    QVERIFY(shown.first().at(1).toBool());
}

void TestGuiBrowser::guard_data()
{
    QTest::addColumn<int>("key"); // 0: a mouse button instead
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("messages");
    QTest::addRow("Ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier) << 0 << 1;
    QTest::addRow("Ctrl+X") << int(Qt::Key_X) << int(Qt::ControlModifier) << 0 << 1;
    QTest::addRow("Ctrl+Shift+C") << int(Qt::Key_C) << int(Qt::ControlModifier | Qt::ShiftModifier)
                                  << 0 << 1;
    QTest::addRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier) << 0 << 0;
    QTest::addRow("Ctrl+A") << int(Qt::Key_A) << int(Qt::ControlModifier) << 0 << 0;
    QTest::addRow("plain C") << int(Qt::Key_C) << int(Qt::NoModifier) << 0 << 0;
    QTest::addRow("plain X") << int(Qt::Key_X) << int(Qt::NoModifier) << 0 << 0;
    QTest::addRow("Alt+C") << int(Qt::Key_C) << int(Qt::AltModifier) << 0 << 0;
    QTest::addRow("right button") << 0 << 0 << int(Qt::RightButton) << 1;
    QTest::addRow("left button") << 0 << 0 << int(Qt::LeftButton) << 0;
    QTest::addRow("middle button") << 0 << 0 << int(Qt::MiddleButton) << 0;
}

void TestGuiBrowser::guard()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, button);
    QFETCH(int, messages);
    PaperWindow *w = open(113);
    QVERIFY(w);
    QWidget *input = pageInput(w);
    QVERIFY(input != w->browser()->pageView()); // the engine's own input widget
    if (key)
        QTest::keyClick(input, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    else
        QTest::mouseClick(input, Qt::MouseButton(button), Qt::NoModifier, QPoint(200, 200));
    QTest::qWait(50);
    QCOMPARE(m_messages.size(), messages);
    if (messages) {
        QCOMPARE(m_messages.first(), w);
        QCOMPARE(PageGuard::MessageTitle, QStringLiteral("Error"));
        QCOMPARE(PageGuard::MessageText, QStringLiteral("Invalid operation"));
    }
}

void TestGuiBrowser::guardFollowsEveryPage()
{
    PaperWindow *w = open(113);
    QVERIFY(w);
    for (int q = 2; q <= 3; ++q) {
        QSignalSpy shown(w, &PaperWindow::pageShown);
        w->NextQuestion();
        QVERIFY(shown.wait(10000));
        QTest::keyClick(pageInput(w), Qt::Key_X, Qt::ControlModifier);
        QTRY_COMPARE(m_messages.size(), q - 1);
    }
}

void TestGuiBrowser::keysInAnswerBoxesAreNotWatched()
{
    PaperWindow *w = open(113);
    QVERIFY(w);
    auto *box = w->findChild<QLineEdit *>(QStringLiteral("FA1"));
    QTest::keyClicks(box, QStringLiteral("3"));
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    QTest::mouseClick(box, Qt::RightButton);
    QTest::qWait(50);
    QVERIFY(m_messages.isEmpty());
}

void TestGuiBrowser::noContextMenu()
{
    PaperWindow *w = open(113);
    QVERIFY(w);
    QTest::mouseClick(pageInput(w), Qt::RightButton, Qt::NoModifier, QPoint(150, 150));
    QTest::qWait(300);
    for (QWidget *top : QApplication::topLevelWidgets())
        QVERIFY(!(qobject_cast<QMenu *>(top) && top->isVisible()));
    QCOMPARE(m_messages.size(), 1);
}

void TestGuiBrowser::printsQuestionToPdf()
{
    PaperWindow *w = open(114);
    QVERIFY(w);
    const QString pdf = ws().file(QStringLiteral("question.pdf"));
    PaperWindow::setPrintDialogSeam([&](QPrinter *printer, QWidget *) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return true;
    });
    if (QPrinterInfo::availablePrinters().isEmpty())
        frmPopUp::setNextAnswer(true); // the notice when no printer is installed
    frmPopUp::setNextAnswer(true);     // where the file went
    QSignalSpy finished(w->browser(), &QuestionBrowser::printFinished);
    w->PrintQuestion();
    QVERIFY(w->isPrinting());
    w->PrintQuestion(); // a second print while one runs is ignored
    QVERIFY(finished.wait(20000));
    QCOMPARE(finished.count(), 1);
    QVERIFY(finished.first().at(0).toBool());
    QTRY_VERIFY(!w->isPrinting());
    QCOMPARE(frmPopUp::lastQuestion().message,
             QStringLiteral("The question was saved in the file:\n") + QDir::toNativeSeparators(pdf));
    const QByteArray bytes = TestFiles::read(pdf);
    QVERIFY(bytes.startsWith("%PDF"));
    QVERIFY(bytes.size() > 2000);
}

void TestGuiBrowser::pageShowsCurrentQuestion_data()
{
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<int>("question");
    // A double click on a load button opens the paper twice in a row.
    QTest::addRow("load twice at once") << QStringLiteral("open open") << 1;
    QTest::addRow("load of the open paper") << QStringLiteral("open wait open") << 1;
    QTest::addRow("double click on Next") << QStringLiteral("open wait next next") << 3;
    QTest::addRow("Next then Back at once") << QStringLiteral("open wait next back") << 1;
    QTest::addRow("Back and Next in turns")
        << QStringLiteral("open wait next next back next back back next") << 2;
}

// Whatever the clicks, the page ends up showing the current question.
void TestGuiBrowser::pageShowsCurrentQuestion()
{
    QFETCH(QString, clicks);
    QFETCH(int, question);
    m_host->choose(113, 1, 11, QStringLiteral("Electricity and Magnets"));
    PaperWindow *w = nullptr;
    for (const QString &click : clicks.split(QLatin1Char(' '))) {
        if (click == QLatin1String("open")) {
            w = m_windows->openPaper();
            QVERIFY(w);
        } else if (click == QLatin1String("wait")) {
            QSignalSpy shown(w, &PaperWindow::pageShown);
            QVERIFY(shown.wait(20000));
        } else {
            click == QLatin1String("next") ? w->NextQuestion() : w->PrevQuestion();
        }
    }
    // The windows of earlier openings are gone before the page is judged.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(w, m_windows->current());
    QCOMPARE(w->question(), question);
    QWidget *view = w->browser()->pageView();
    const QString title = QStringLiteral("Question %1").arg(16032 + question);
    QTRY_COMPARE_WITH_TIMEOUT(view->property("title").toString(), title, 20000);
    QVERIFY(QFile::exists(w->currentPageFile()));
    // Settled: no later load takes the page away.
    QTest::qWait(500);
    QCOMPARE(view->property("title").toString(), title);
}

void TestGuiBrowser::clickOnAnOption()
{
    m_host->choose(101, 1, 1, QStringLiteral("Human Body Systems"));
    PaperWindow *w = m_windows->openPaper();
    QVERIFY(w);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QSignalSpy shown(w, &PaperWindow::pageShown);
    QVERIFY(shown.wait(20000));
    const QString unchosen = optionColour(w, 1);
    QVERIFY(unchosen.startsWith(QStringLiteral("rgb")));
    QCOMPARE(optionColour(w, 2), unchosen);
    auto *box = w->findChild<QLineEdit *>(QStringLiteral("FA1"));

    // A click anywhere on the option's box: near its right end.
    QPoint at = optionCentre(w, 2);
    QVERIFY(!at.isNull());
    QTest::mouseClick(pageInput(w), Qt::LeftButton, Qt::NoModifier, at + QPoint(120, 0));
    QTRY_COMPARE(box->text(), QStringLiteral("2"));
    QTRY_COMPARE(chosenInPage(w), QStringLiteral("choice-2"));
    const QString chosen = optionColour(w, 2);
    QVERIFY(chosen != unchosen);
    QCOMPARE(optionColour(w, 1), unchosen);
    // The page stayed: no link was followed, no warning given.
    QCOMPARE(w->browser()->pageView()->property("title").toString(), QStringLiteral("Question 16001"));
    QVERIFY(m_messages.isEmpty());

    QTest::mouseClick(pageInput(w), Qt::LeftButton, Qt::NoModifier, optionCentre(w, 3));
    QTRY_COMPARE(box->text(), QStringLiteral("3"));
    QTRY_COMPARE(optionColour(w, 3), chosen);
    QCOMPARE(optionColour(w, 2), unchosen);

    // Shown again on return to the question.
    w->NextQuestion();
    QVERIFY(shown.wait(10000));
    QCOMPARE(chosenInPage(w), QString()); // nothing chosen there yet
    shown.clear();
    w->PrevQuestion();
    QVERIFY(shown.wait(10000));
    QTRY_COMPARE(optionColour(w, 3), chosen);

    // Marked: the answer stays drawn, and clicks change nothing.
    frmPopUp::setNextAnswer(true);
    w->MarkPaper();
    QVERIFY(w->isMarked());
    QCOMPARE(chosenInPage(w), QStringLiteral("choice-3"));
    QCOMPARE(optionColour(w, 3), chosen);
    QTest::mouseClick(pageInput(w), Qt::LeftButton, Qt::NoModifier, optionCentre(w, 1));
    QTest::qWait(300);
    QCOMPARE(box->text(), QStringLiteral("3"));
    QCOMPARE(chosenInPage(w), QStringLiteral("choice-3"));
    // The guard still answers on the page.
    QTest::mouseClick(pageInput(w), Qt::RightButton, Qt::NoModifier, optionCentre(w, 1));
    QTRY_COMPARE(m_messages.size(), 1);
}

void TestGuiBrowser::pageScrollsFromTheAnswerBox()
{
    // Question 1 of paper 102 has a picture: taller than the view.
    m_host->choose(102, 1, 1, QStringLiteral("Human Body Systems"));
    PaperWindow *w = m_windows->openPaper();
    QVERIFY(w);
    QSignalSpy shown(w, &PaperWindow::pageShown);
    QVERIFY(shown.wait(20000));
    auto *box = w->findChild<QLineEdit *>(QStringLiteral("FA1"));
    QCOMPARE(inPage(w, QStringLiteral("window.scrollY")).toInt(), 0);
    QTest::keyClick(box, Qt::Key_PageDown);
    QTRY_VERIFY(inPage(w, QStringLiteral("window.scrollY")).toInt() > 100);
    const int down = inPage(w, QStringLiteral("window.scrollY")).toInt();
    QTest::keyClick(box, Qt::Key_Up, Qt::ControlModifier);
    QTRY_VERIFY(inPage(w, QStringLiteral("window.scrollY")).toInt() < down);
    QTest::keyClick(box, Qt::Key_PageUp);
    QTRY_COMPARE(inPage(w, QStringLiteral("window.scrollY")).toInt(), 0);
    QVERIFY(box->text().isEmpty());
}

TESSALY_PAPER_TEST_MAIN(TestGuiBrowser)
#include "tst_gui_browser.moc"
