#include "AnswerFrame.h"
#include "AnswerSheet.h"
#include "BrowserModule.h"
#include "FrameMetrics.h"
#include "MarkingProgress.h"
#include "OptionChoice.h"
#include "PaperLayout.h"
#include "PaperStatusBar.h"
#include "PaperWindow.h"
#include "PaperWindows.h"
#include "PictureCache.h"
#include "PictureButton.h"
#include "ProgramConfig.h"
#include "ResultsStore.h"
#include "Startup.h"
#include "FocusMark.h"
#include "frmPopUp.h"
#include "support/FakeBrowser.h"
#include "support/FakePaperHost.h"
#include "support/PaperTestBed.h"
#include "support/PaperTestMain.h"
#include "support/TestFiles.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>

// The first-attempt paper window with a stand-in page browser: loading,
// the answer sheet and moving about, saving, closing, the page file, the
// keyboard, the layout and resizing.
class TestGuiPaper : public QObject, private PaperTestBed
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void loadsPaperOfTopic();
    void slotsOfQuestionTwo();
    void framesAndLetters_data();
    void framesAndLetters();
    void nextWritesAnswersFile();
    void typedTextIsCleared();
    void closingLosesOnlyUnsavedText();
    void closeDeclinedKeepsWindow();
    void saveCloseReopenResumes();
    void remainingQuestions();
    void backAndNextAtTheEnds();
    void onePageFileWhileOpen();
    void reopeningKeepsThePageFile();
    void pageThatCannotBeUnpacked();
    void loadFailures_data();
    void loadFailures();
    void busyUntilTheFirstPageIsPainted_data();
    void busyUntilTheFirstPageIsPainted();
    void preparedPicturesAreNotReadAgain_data();
    void preparedPicturesAreNotReadAgain();
    void failedStoreIsReported();
    void keyboard();
    void focusMarkFollowsScrollAndResize();
    void shortcutsInTooltips();
    void keysReachPageAndList();
    void clickToAnswer();
    void optionBoxKeys_data();
    void optionBoxKeys();
    void layoutAfterResizes();
    void sheetHiddenStaysHiddenAfterResize();
    void minimumSize();
    void cornerDrag();
    void edgePressSnapsWithoutResizing();
    void maximiseAndRestore();
    void printWithoutPrinterOffersPdf();

private:
    PaperWindow *open(int key, int take = 1, int topicFirst = 11,
                      const QString &topic = QStringLiteral("Electricity and Magnets"));
    static FakeBrowser *fake(PaperWindow *w) { return static_cast<FakeBrowser *>(w->browser()); }
    static QLineEdit *box(PaperWindow *w, int part)
    {
        return w->findChild<QLineEdit *>(QStringLiteral("FA%1").arg(part));
    }
    static QLabel *label(PaperWindow *w, const QString &name) { return w->findChild<QLabel *>(name); }
    static void type(PaperWindow *w, int part, const QString &text)
    {
        QLineEdit *b = box(w, part);
        b->clear();
        QTest::keyClicks(b, text);
    }
    static void click(PaperWindow *w, int button)
    {
        QTest::mouseClick(w->toolbarButton(button), Qt::LeftButton);
    }
    QStringList stored(ResultsStore::Stem stem, int paper, int count) const
    {
        return ResultsStore(ws(), 2, QStringLiteral("TY"), 15).readPaperValues(stem, paper, count);
    }
    QStringList pageFiles() const
    {
        return TestFiles::filesStartingWith(m_dir->path(), QStringLiteral("temppaper"));
    }
    bool noTempText() const { return !QFile::exists(ws().file(QStringLiteral("temptext.txt"))); }
    static void sendMouse(QWidget *target, QEvent::Type type, const QPoint &global,
                          Qt::MouseButtons buttons)
    {
        // The resize follows the cursor, not the event's own position.
        QCursor::setPos(global);
        const QPoint local = target->mapFromGlobal(global);
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, local, global, button, buttons, Qt::NoModifier);
        QApplication::sendEvent(target, &e);
    }
    void checkIdentity(PaperWindow *w);

    bool m_browserFails = false;
};

void TestGuiPaper::init()
{
    setUpBed();
    MarkingProgress::setStepMilliseconds(1);
    m_browserFails = false;
    BrowserModule::setFactory([this](QWidget *parent) -> QuestionBrowser * {
        return m_browserFails ? nullptr : new FakeBrowser(parent);
    });
    PaperWindow::setPrintDialogSeam({});
}

void TestGuiPaper::cleanup()
{
    m_windows->closePaperWindows();
    QTest::qWait(0);
    tearDownBed();
}

PaperWindow *TestGuiPaper::open(int key, int take, int topicFirst, const QString &topic)
{
    m_host->choose(key, take, topicFirst, topic);
    PaperWindow *w = m_windows->openPaper();
    if (w && !QTest::qWaitForWindowExposed(w))
        return nullptr;
    return w;
}

void TestGuiPaper::loadsPaperOfTopic()
{
    PaperWindow *w = open(113);
    QVERIFY(w);
    QCOMPARE(w->objectName(), QStringLiteral("Test1"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Electricity and Magnets - Paper 3"));
    QCOMPARE(w->titleLabel()->text(), w->windowTitle());
    QCOMPARE(label(w, QStringLiteral("QnTitle"))->text(), QStringLiteral("Question 1"));
    QCOMPARE(w->findChild<QLineEdit *>(QStringLiteral("TopicCount"))->text(), QStringLiteral("11"));
    QCOMPARE(w->findChild<QLineEdit *>(QStringLiteral("QSCount"))->text(), QStringLiteral("1"));
    QCOMPARE(w->content().questionIds, (QStringList{"16033", "16034", "16035"}));
    QCOMPARE(w->content().totalMarks, 7);
    QCOMPARE(label(w, QStringLiteral("lblTotalQ"))->text(), QStringLiteral("7"));
    QCOMPARE(label(w, QStringLiteral("lblAnsweredQ"))->text(), QStringLiteral("0"));
    QCOMPARE(label(w, QStringLiteral("lblDate"))->text(),
             QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    const QString page = ws().file(QStringLiteral("temppaper16033.mht"));
    QCOMPARE(w->currentPageFile(), page);
    QCOMPARE(fake(w)->navigations, QStringList{page});
    QCOMPARE(pageFiles(), QStringList{QStringLiteral("temppaper16033.mht")});
    QVERIFY(noTempText());
    QVERIFY(w->startTime().isValid());
    QVERIFY(w->timer1()->isActive());
    QCOMPARE(w->timer1()->interval(), 100);
    // The middle 80 % of the screen.
    const QRect screen = w->screen()->geometry();
    QCOMPARE(w->geometry(), Module5::PaperStartGeometry(screen));

    // The answers go to the first-attempt file of module 2, code TY.
    type(w, 1, QStringLiteral("3"));
    click(w, 6);
    QCOMPARE(stored(ResultsStore::First, 13, 7).value(0), QStringLiteral("3"));
    QVERIFY(TestFiles::read(ws().file(QStringLiteral("first2TY.txt"))).contains("#113#>3>>>>>>"));
}

void TestGuiPaper::slotsOfQuestionTwo()
{
    PaperWindow *w = open(113);
    QVERIFY(w);
    click(w, 6);
    QCOMPARE(w->question(), 2);
    QCOMPARE(w->answerSheet()->partCount(), 4);
    const QStringList typed{"Bulb", "Closed", "Copper", "2"};
    for (int k = 1; k <= 4; ++k)
        type(w, k, typed.at(k - 1));
    click(w, 6);
    QCOMPARE(w->question(), 3);
    const QStringList values = stored(ResultsStore::First, 13, 7);
    QCOMPARE(values.mid(1, 4), typed);
    QCOMPARE(values.value(0), QString());
    QCOMPARE(values.mid(5), (QStringList{"", ""}));
    QCOMPARE(label(w, QStringLiteral("lblAnsweredQ"))->text(), QStringLiteral("4"));
}

void TestGuiPaper::framesAndLetters_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("parts");
    QTest::addColumn<int>("pitch"); // frame top to the next frame's top
    QTest::addColumn<int>("maxLength");
    QTest::addRow("one part") << 113 << 1 << 0 << 1;
    QTest::addRow("three parts") << 105 << 3 << 32 << 32767;
    QTest::addRow("sixteen parts") << 110 << 16 << 25 << 32767;
}

void TestGuiPaper::framesAndLetters()
{
    QFETCH(int, paper);
    QFETCH(int, parts);
    QFETCH(int, pitch);
    QFETCH(int, maxLength);
    PaperWindow *w = open(paper, 1, paper <= 105 ? 1 : 6, QStringLiteral("Topic"));
    QVERIFY(w);
    for (int k = 1; k <= 20; ++k) {
        AnswerFrame *f = w->answerSheet()->frame(k);
        QCOMPARE(f->objectName(), QStringLiteral("Frame%1").arg(k));
        QCOMPARE(f->isVisible(), k <= parts);
        QCOMPARE(f->letterLabel()->text(), QStringLiteral("(%1)").arg(QChar(u'a' + k - 1)));
    }
    // A one-part question shows no letter.
    QCOMPARE(w->answerSheet()->frame(1)->letterLabel()->isVisible(), parts >= 2);
    if (parts >= 2) {
        QVERIFY(w->answerSheet()->frame(2)->letterLabel()->isVisible());
        const int top1 = w->answerSheet()->frame(1)->y();
        QCOMPARE(w->answerSheet()->frame(2)->y() - top1, pitch);
    }
    QCOMPARE(box(w, 1)->maxLength(), maxLength);
    QVERIFY(!w->findChild<QLineEdit *>(QStringLiteral("M1"))->isVisible());
    QVERIFY(!label(w, QStringLiteral("FR1"))->isVisible());
    QVERIFY(!label(w, QStringLiteral("T1"))->isVisible());
    QCOMPARE(box(w, 1)->toolTip(), QStringLiteral("Enter your answer"));
}

void TestGuiPaper::nextWritesAnswersFile()
{
    PaperWindow *w = open(105, 1, 1, QStringLiteral("Human Body Systems"));
    QVERIFY(w);
    type(w, 1, QStringLiteral("Grass"));
    type(w, 3, QStringLiteral("steam"));
    // Typing alone counts nothing yet.
    QTest::qWait(150); // a tick of Timer1
    QCOMPARE(label(w, QStringLiteral("lblAnsweredQ"))->text(), QStringLiteral("0"));
    click(w, 6);
    QCOMPARE(stored(ResultsStore::First, 5, 8).mid(0, 3), (QStringList{"Grass", "", "steam"}));
    QCOMPARE(label(w, QStringLiteral("lblAnsweredQ"))->text(), QStringLiteral("2"));
    // Back stores too.
    type(w, 1, QStringLiteral("0.25"));
    click(w, 5);
    QCOMPARE(w->question(), 1);
    QCOMPARE(stored(ResultsStore::First, 5, 8).value(3), QStringLiteral("0.25"));
    QCOMPARE(box(w, 1)->text(), QStringLiteral("Grass"));
}

void TestGuiPaper::typedTextIsCleared()
{
    PaperWindow *w = open(105, 1, 1, QStringLiteral("Human Body Systems"));
    QVERIFY(w);
    box(w, 1)->setText(QStringLiteral("gr>as#s\nx"));
    click(w, 6);
    // The record format cannot hold '>' '#' or line breaks.
    QCOMPARE(stored(ResultsStore::First, 5, 8).value(0), QStringLiteral("grassx"));
    QCOMPARE(stored(ResultsStore::First, 5, 8).size(), 8);
}

void TestGuiPaper::closingLosesOnlyUnsavedText()
{
    QPointer<PaperWindow> w = open(113);
    QVERIFY(w);
    type(w, 1, QStringLiteral("3"));
    click(w, 6);
    type(w, 1, QStringLiteral("Bulb"));
    frmPopUp::setNextAnswer(true);
    click(w, 4);
    QCOMPARE(frmPopUp::lastQuestion().title, QStringLiteral("Close Practice"));
    QCOMPARE(frmPopUp::lastQuestion().message, QStringLiteral("Confirm?"));
    QCOMPARE(frmPopUp::lastQuestion().buttons, 2);
    QTRY_VERIFY(w.isNull());
    QCOMPARE(m_host->refreshes, 1);
    QCOMPARE(stored(ResultsStore::First, 13, 7).mid(0, 2), (QStringList{"3", ""}));
    QVERIFY(pageFiles().isEmpty());
    QVERIFY(noTempText());
}

void TestGuiPaper::closeDeclinedKeepsWindow()
{
    PaperWindow *w = open(113);
    QVERIFY(w);
    type(w, 1, QStringLiteral("3"));
    frmPopUp::setNextAnswer(false);
    w->findChild<PictureButton *>(QStringLiteral("imgProgClose"))->click();
    QCOMPARE(frmPopUp::lastQuestion().title, QStringLiteral("Close Practice"));
    QTest::qWait(50);
    QCOMPARE(m_windows->current(), w);
    QVERIFY(w->isVisible());
    QVERIFY(w->timer1()->isActive());
    QCOMPARE(box(w, 1)->text(), QStringLiteral("3"));
    QCOMPARE(m_host->refreshes, 0);
    QCOMPARE(pageFiles().size(), 1);
}

void TestGuiPaper::saveCloseReopenResumes()
{
    PaperWindow *w = open(113);
    QVERIFY(w);
    type(w, 1, QStringLiteral("3"));
    click(w, 6);
    type(w, 1, QStringLiteral("Bulb"));
    type(w, 2, QStringLiteral("Closed"));
    QTest::qWait(1100); // the clock has counted
    frmPopUp::setNextAnswer(true);
    click(w, 1);
    QCOMPARE(frmPopUp::lastQuestion().title, QStringLiteral("Quorvane"));
    QCOMPARE(frmPopUp::lastQuestion().message, QStringLiteral("Paper saved"));
    QCOMPARE(frmPopUp::lastQuestion().buttons, 1);
    QCOMPARE(w->question(), 2); // saving does not move
    m_windows->closePaperWindows();
    QCOMPARE(m_host->refreshes, 1);

    w = open(113);
    QVERIFY(w);
    QCOMPARE(w->question(), 1);
    QCOMPARE(box(w, 1)->text(), QStringLiteral("3"));
    // The first page is asked for once, already marked with the stored choice.
    const QString choice = OptionChoice::PageMark(true, QStringLiteral("3"));
    QVERIFY(!choice.isEmpty());
    QCOMPARE(fake(w)->navigatedMarks, QStringList{choice});
    QCOMPARE(fake(w)->mark, choice);
    QCOMPARE(w->answers().mid(0, 3), (QStringList{"3", "Bulb", "Closed"}));
    QCOMPARE(label(w, QStringLiteral("lblAnsweredQ"))->text(), QStringLiteral("3"));
    QTest::qWait(150); // a tick of Timer1
    QCOMPARE(label(w, QStringLiteral("lblClock"))->text(), QStringLiteral("0:0:0"));
    auto *rem = w->findChild<QComboBox *>(QStringLiteral("RemQns"));
    QCOMPARE(rem->count(), 2);
    QCOMPARE(rem->itemText(0), QStringLiteral("2"));
    QCOMPARE(rem->itemText(1), QStringLiteral("3"));
}

void TestGuiPaper::remainingQuestions()
{
    ResultsStore store(ws(), 2, QStringLiteral("TY"), 15);
    QStringList lines = store.readPaperLines(ResultsStore::First);
    QVERIFY(store.storePaperValues(ResultsStore::First, lines, 13,
                                   {"3", "Bulb", "", "Copper", "2", "Heat", "Light"}, 7));
    PaperWindow *w = open(113);
    QVERIFY(w);
    auto *rem = w->findChild<QComboBox *>(QStringLiteral("RemQns"));
    QCOMPARE(rem->toolTip(), QStringLiteral("Select a remaining question (Ctrl+G)"));
    QCOMPARE(rem->count(), 1);
    QCOMPARE(rem->itemText(0), QStringLiteral("2"));
    QCOMPARE(rem->currentIndex(), -1);
    QCOMPARE(label(w, QStringLiteral("lblAnsweredQ"))->text(), QStringLiteral("6"));

    // Choosing goes there, storing on the way.
    type(w, 1, QStringLiteral("4"));
    rem->activated(0);
    QCOMPARE(w->question(), 2);
    QCOMPARE(stored(ResultsStore::First, 13, 7).value(0), QStringLiteral("4"));
    type(w, 2, QStringLiteral("Closed"));
    click(w, 6);
    QCOMPARE(rem->count(), 0); // every slot answered
}

void TestGuiPaper::backAndNextAtTheEnds()
{
    PaperWindow *w = open(113);
    QVERIFY(w);
    PictureButton *back = w->toolbarButton(5), *next = w->toolbarButton(6);
    QVERIFY(!back->isAvailable());
    QCOMPARE(back->picture(), QStringLiteral("back_disabled.bmp"));
    QVERIFY(next->isAvailable());
    click(w, 5); // ignored
    QCOMPARE(w->question(), 1);
    click(w, 6);
    click(w, 6);
    QCOMPARE(w->question(), 3);
    QVERIFY(back->isAvailable());
    QVERIFY(!next->isAvailable());
    QCOMPARE(next->picture(), QStringLiteral("forward_disabled.bmp"));
    w->NextQuestion(); // nothing beyond the last question
    QCOMPARE(w->question(), 3);
    QCOMPARE(label(w, QStringLiteral("QnTitle"))->text(), QStringLiteral("Question 3"));
    // The first four stay available while the paper is not marked.
    for (int n = 1; n <= 4; ++n)
        QVERIFY(w->toolbarButton(n)->isAvailable());
}

void TestGuiPaper::onePageFileWhileOpen()
{
    QPointer<PaperWindow> w = open(113);
    QVERIFY(w);
    const QStringList expected{"temppaper16033.mht", "temppaper16034.mht", "temppaper16035.mht",
                               "temppaper16034.mht"};
    const QList<int> moves{0, 6, 6, 5};
    for (int i = 0; i < moves.size(); ++i) {
        if (moves.at(i))
            click(w, moves.at(i));
        QCOMPARE(pageFiles(), QStringList{expected.at(i)});
        QVERIFY(noTempText());
        // The page written is the page resource, byte for byte.
        QCOMPARE(TestFiles::read(ws().file(expected.at(i))),
                 TestFiles::read(QStringLiteral(":/res/") + expected.at(i).mid(9, 5)));
    }
    QCOMPARE(fake(w)->navigations.size(), 4);
    QSignalSpy shown(w.data(), &PaperWindow::pageShown);
    QVERIFY(shown.wait());
    m_windows->closePaperWindows();
    QTRY_VERIFY(w.isNull());
    QVERIFY(pageFiles().isEmpty());
}

void TestGuiPaper::reopeningKeepsThePageFile()
{
    // A double click on a load button, or a click on the load button of the
    // paper already open: the window going away must not take the new
    // window's page file (same paper, same name) with it.
    QPointer<PaperWindow> first = open(113);
    QVERIFY(first);
    PaperWindow *second = open(113);
    QVERIFY(second);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QCOMPARE(pageFiles(), QStringList{QStringLiteral("temppaper16033.mht")});
    QCOMPARE(second->currentPageFile(), ws().file(QStringLiteral("temppaper16033.mht")));
}

void TestGuiPaper::pageThatCannotBeUnpacked()
{
    PaperWindow *w = open(113);
    QVERIFY(w);
    // A folder where the next page file would go: it cannot be written.
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("temppaper16034.mht")));
    click(w, 6);
    QCOMPARE(w->question(), 2);
    // Never the previous page under the new number.
    QCOMPARE(fake(w)->notices.size(), 1);
    QCOMPARE(fake(w)->navigations.size(), 1);
    QVERIFY(!QFile::exists(ws().file(QStringLiteral("temppaper16033.mht"))));
}

void TestGuiPaper::loadFailures_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("message"); // a part of it
    QTest::addRow("paper beyond the count") << "paper" << "did not say which paper";
    QTest::addRow("module without content") << "module" << "could not be unpacked";
    QTest::addRow("first page cannot be written") << "page" << "first question page";
    QTest::addRow("no page browser") << "browser" << "question pages cannot be shown";
}

void TestGuiPaper::loadFailures()
{
    QFETCH(QString, what);
    QFETCH(QString, message);
    m_host->choose(113, 1, 11, QStringLiteral("Electricity and Magnets"));
    if (what == QLatin1String("paper"))
        m_host->fields[QStringLiteral("PaperNum")] = QStringLiteral("116");
    if (what == QLatin1String("module"))
        m_host->fields[QStringLiteral("LChose")] = QStringLiteral("3");
    if (what == QLatin1String("page"))
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("temppaper16033.mht")));
    m_browserFails = what == QLatin1String("browser");
    frmPopUp::setNextAnswer(true);
    QVERIFY(!m_windows->openPaper());
    QVERIFY(!m_windows->current());
    QCOMPARE(frmPopUp::lastQuestion().title, QStringLiteral("Open Paper"));
    QVERIFY2(frmPopUp::lastQuestion().message.contains(message),
             qPrintable(frmPopUp::lastQuestion().message));
    QCOMPARE(frmPopUp::lastQuestion().buttons, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QApplication::topLevelWidgets().size() <= 1); // only the response field
    QVERIFY(pageFiles().isEmpty());
    QVERIFY(noTempText());
    QCOMPARE(m_host->refreshes, 0);
    QVERIFY(!m_windows->isOpening());
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestGuiPaper::busyUntilTheFirstPageIsPainted_data()
{
    QTest::addColumn<QString>("then");
    QTest::addRow("the page painted") << "";
    QTest::addRow("closed before") << "close";
    QTest::addRow("another paper opened before") << "reopen";
}

void TestGuiPaper::busyUntilTheFirstPageIsPainted()
{
    QFETCH(QString, then);
    m_host->choose(113, 1, 11, QStringLiteral("Electricity and Magnets"));
    PaperWindow *w = m_windows->openPaper();
    QVERIFY(w);
    QVERIFY(m_windows->isOpening());
    QVERIFY(QGuiApplication::overrideCursor());
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
    if (then == QLatin1String("close")) {
        m_windows->closePaperWindows();
    } else {
        if (then == QLatin1String("reopen")) {
            m_host->choose(114, 1, 11, QStringLiteral("Electricity and Magnets"));
            w = m_windows->openPaper();
            QVERIFY(w);
            QVERIFY(m_windows->isOpening());
        }
        QSignalSpy painted(w, &PaperWindow::firstPagePainted);
        QVERIFY(painted.wait(3000));
        QCOMPARE(fake(w)->navigations.size(), 1);
    }
    QVERIFY(!m_windows->isOpening());
    // Every busy pointer taken back: none is left stacked.
    QVERIFY(!QGuiApplication::overrideCursor());
    if (then.isEmpty()) {
        // Later pages do not make the pointer busy.
        click(w, 6);
        QTest::qWait(20);
        QVERIFY(!m_windows->isOpening());
        QVERIFY(!QGuiApplication::overrideCursor());
    }
}

void TestGuiPaper::preparedPicturesAreNotReadAgain_data()
{
    QTest::addColumn<int>("take");
    QTest::addRow("first attempt") << 1;
    QTest::addRow("second attempt") << 2;
}

void TestGuiPaper::preparedPicturesAreNotReadAgain()
{
    QFETCH(int, take);
    // Held as the main window holds it for the whole run.
    const std::shared_ptr<PictureCache> cache = PictureCache::forFolder(ws().graphicsFolder());
    m_windows->prepare();
    const QStringList names = PaperWindow::picturesAtOpen();
    QTRY_VERIFY(std::all_of(names.begin(), names.end(),
                            [&](const QString &name) { return cache->holds(name); }));
    const int read = cache->filesRead();
    PaperWindow *w = open(113, take);
    QVERIFY(w);
    QSignalSpy painted(w, &PaperWindow::firstPagePainted);
    QVERIFY(painted.wait(3000));
    QTest::qWait(250); // a few ticks of Timer1
    QCOMPARE(cache->filesRead(), read);
}

void TestGuiPaper::failedStoreIsReported()
{
    PaperWindow *w = open(113);
    QVERIFY(w);
    const QString file = ws().file(QStringLiteral("first2TY.txt"));
    QVERIFY(QFile::remove(file));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("first2TY.txt")));
    type(w, 1, QStringLiteral("3"));
    frmPopUp::setNextAnswer(true);
    click(w, 1);
    QCOMPARE(frmPopUp::lastQuestion().title, QStringLiteral("Quorvane"));
    QVERIFY(frmPopUp::lastQuestion().message.contains(QStringLiteral("could not be saved")));
    // A move tells too, and still moves.
    frmPopUp::setNextAnswer(true);
    click(w, 6);
    QVERIFY(frmPopUp::lastQuestion().message.contains(QStringLiteral("could not be saved")));
    QCOMPARE(w->question(), 2);
}

void TestGuiPaper::keyboard()
{
    PaperWindow *w = open(113);
    QVERIFY(w);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(QApplication::focusWidget(), box(w, 1));
    QTest::keyClicks(box(w, 1), QStringLiteral("3"));
    QTest::keyClick(box(w, 1), Qt::Key_Return); // the last box of question 1
    QCOMPARE(w->question(), 2);
    QCOMPARE(QApplication::focusWidget(), box(w, 1));
    QTest::keyClick(box(w, 1), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), box(w, 2));
    QTest::keyClick(box(w, 2), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), box(w, 3));
    QTest::keyClick(box(w, 3), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), box(w, 2));
    QTest::keyClick(box(w, 2), Qt::Key_Tab);
    QTest::keyClick(box(w, 3), Qt::Key_Tab);
    QTest::keyClick(box(w, 4), Qt::Key_Tab); // round the question
    QCOMPARE(QApplication::focusWidget(), box(w, 1));
    QCOMPARE(w->question(), 2);

    QTest::keyClick(box(w, 1), Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(w->question(), 1);
    QTest::keyClick(box(w, 1), Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(w->question(), 2);
    QTest::keyClicks(box(w, 1), QStringLiteral("Bulb"));
    frmPopUp::setNextAnswer(true);
    QTest::keyClick(box(w, 1), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(frmPopUp::lastQuestion().message, QStringLiteral("Paper saved"));
    QCOMPARE(stored(ResultsStore::First, 13, 7).mid(0, 2), (QStringList{"3", "Bulb"}));
}

// The mark goes with the focused box when the sheet scrolls under it or the
// window's layout moves the sheet: neither moves the box within its parent.
void TestGuiPaper::focusMarkFollowsScrollAndResize()
{
    PaperWindow *w = open(110, 1, 6, QStringLiteral("Topic")); // sixteen parts
    QVERIFY(w);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    w->resize(Module5::MinimumPaperSize());
    QLineEdit *sixth = box(w, 6);
    sixth->setFocus(Qt::OtherFocusReason);
    QCOMPARE(QApplication::focusWidget(), sixth);
    FocusMark *mark = w->focusMark();
    // Round what shows of the box, a few pixels out.
    const auto follows = [&](const char *when) {
        const QRect shown = sixth->visibleRegion().boundingRect().translated(
            sixth->mapTo(w, QPoint(0, 0)));
        const QRect at = mark->geometry();
        const bool ok = mark->isVisible() && mark->target() == sixth && !shown.isEmpty()
                        && at.contains(shown) && shown.top() - at.top() <= 4
                        && at.bottom() - shown.bottom() <= 4 && shown.left() - at.left() <= 4;
        if (!ok)
            qWarning() << when << "mark" << at << "box" << shown;
        return ok;
    };
    QVERIFY(follows("focused"));

    auto *scroll = w->answerSheet()->findChild<QScrollArea *>(QStringLiteral("AnsScroll"));
    QVERIFY(scroll);
    QScrollBar *bar = scroll->verticalScrollBar();
    QVERIFY2(bar->maximum() >= 20, "the sheet does not scroll in the smallest window");
    const QPoint before = sixth->mapTo(w, QPoint(0, 0));
    bar->setValue(bar->value() + (bar->value() == 0 ? 20 : -20));
    QVERIFY(sixth->mapTo(w, QPoint(0, 0)) != before);
    QVERIFY(follows("scrolled"));
    QWheelEvent wheel(QPointF(5, 5), scroll->viewport()->mapToGlobal(QPointF(5, 5)), QPoint(),
                      QPoint(0, bar->value() < bar->maximum() ? -120 : 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    const int value = bar->value();
    QApplication::sendEvent(scroll->viewport(), &wheel);
    QVERIFY(bar->value() != value);
    QVERIFY(follows("wheel"));

    // A wider window moves the sheet, the box stays where it is in it.
    const QPoint inSheet = sixth->mapTo(w->answerSheet(), QPoint(0, 0));
    w->resize(w->width() + 120, w->height());
    QCOMPARE(sixth->mapTo(w->answerSheet(), QPoint(0, 0)), inSheet);
    QVERIFY(follows("resized"));
}

void TestGuiPaper::shortcutsInTooltips()
{
    PaperWindow *w = open(113);
    QVERIFY(w);
    const QStringList tips{"Save paper (Ctrl+S)", "Mark paper (Ctrl+M)", "Print question (Ctrl+P)",
                           "Close paper (Ctrl+W)", "Previous question (Alt+Left)",
                           "Next question (Alt+Right)"};
    const QStringList captions{"Save", "Mark", "Print", "Close", "Back", "Next"};
    for (int n = 1; n <= 6; ++n) {
        PictureButton *b = w->toolbarButton(n);
        QCOMPARE(b->objectName(), QStringLiteral("ToolBar0%1").arg(n));
        QCOMPARE(b->toolTip(), tips.at(n - 1));
        QCOMPARE(b->caption()->objectName(), QStringLiteral("lblTB0%1").arg(n));
        QCOMPARE(b->caption()->text(), captions.at(n - 1));
        QCOMPARE(b->caption()->toolTip(), tips.at(n - 1));
        // What accessibility tools read.
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(b);
        QCOMPARE(a->role(), QAccessible::Button);
        QCOMPARE(a->text(QAccessible::Name), captions.at(n - 1));
        QCOMPARE(a->text(QAccessible::Description), tips.at(n - 1));
    }
    QAccessibleInterface *handle =
        QAccessible::queryAccessibleInterface(w->findChild<QWidget *>(QStringLiteral("ImgHandle")));
    QCOMPARE(handle->role(), QAccessible::Button);
    QCOMPARE(handle->text(QAccessible::Name), QStringLiteral("Hide answer sheet"));
    QAccessibleInterface *max = QAccessible::queryAccessibleInterface(w->maxButton());
    QCOMPARE(max->text(QAccessible::Name), QStringLiteral("Maximize"));
    w->setMaximised(true);
    QCOMPARE(max->text(QAccessible::Name), QStringLiteral("Restore"));
    w->setMaximised(false);
    // The caption does what its button does.
    QTest::mouseClick(w->toolbarButton(6)->caption(), Qt::LeftButton);
    QCOMPARE(w->question(), 2);
}

// With the keys in the answer boxes, the page still scrolls, and Ctrl+G
// opens the list of remaining questions.
void TestGuiPaper::keysReachPageAndList()
{
    using Scroll = QuestionBrowser::Scroll;
    PaperWindow *w = open(113);
    QVERIFY(w);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTest::keyClick(box(w, 1), Qt::Key_PageDown);
    QTest::keyClick(box(w, 1), Qt::Key_Down, Qt::ControlModifier);
    QTest::keyClick(box(w, 1), Qt::Key_Down, Qt::AltModifier);
    QTest::keyClick(box(w, 1), Qt::Key_Up, Qt::ControlModifier);
    QTest::keyClick(box(w, 1), Qt::Key_PageUp);
    QTest::keyClick(box(w, 1), Qt::Key_Down); // a plain arrow stays in the box
    QCOMPARE(fake(w)->scrolls, (QList<Scroll>{Scroll::PageDown, Scroll::LineDown, Scroll::LineDown,
                                              Scroll::LineUp, Scroll::PageUp}));
    QCOMPARE(QApplication::focusWidget(), box(w, 1));

    auto *rem = w->findChild<QComboBox *>(QStringLiteral("RemQns"));
    QTest::keyClick(box(w, 1), Qt::Key_G, Qt::ControlModifier);
    QTRY_VERIFY(rem->view()->isVisible());
    QCOMPARE(QApplication::focusWidget(), rem->view());
    // The list holds 1, 2, 3: the second entry is question 2.
    QTest::keyClick(rem->view(), Qt::Key_Down);
    QTest::keyClick(rem->view(), Qt::Key_Return);
    QCOMPARE(w->question(), 2);
    QCOMPARE(QApplication::focusWidget(), box(w, 1));
}

void TestGuiPaper::clickToAnswer()
{
    PaperWindow *w = open(101, 1, 1, QStringLiteral("Human Body Systems"));
    QVERIFY(w);
    FakeBrowser *page = fake(w);
    const QString page1 = ws().file(QStringLiteral("temppaper16001.mht"));
    QCOMPARE(page->markedFile, page1);
    QCOMPARE(page->mark, QStringLiteral("choice-0"));

    // A click puts the option's number in the box as typing would, and the
    // page draws it chosen; another click changes it.
    QSignalSpy edited(box(w, 1), &QLineEdit::textEdited);
    page->clickOption(2);
    QCOMPARE(box(w, 1)->text(), QStringLiteral("2"));
    QCOMPARE(edited.count(), 1);
    QCOMPARE(page->mark, QStringLiteral("choice-2"));
    page->clickOption(4);
    QCOMPARE(box(w, 1)->text(), QStringLiteral("4"));
    QCOMPARE(page->mark, QStringLiteral("choice-4"));

    // Stored by Next like a typed answer; shown chosen again on return.
    click(w, 6);
    QCOMPARE(stored(ResultsStore::First, 1, 3), (QStringList{"4", "", ""}));
    QCOMPARE(page->markedFile, ws().file(QStringLiteral("temppaper16002.mht")));
    QCOMPARE(page->mark, QStringLiteral("choice-0"));
    click(w, 5);
    QCOMPARE(page->navigations.last(), page1);
    QCOMPARE(page->markedFile, page1);
    QCOMPARE(page->mark, QStringLiteral("choice-4"));
    // A digit typed is drawn too, and replaces the option held.
    QTest::keyClicks(box(w, 1), QStringLiteral("1"));
    QCOMPARE(box(w, 1)->text(), QStringLiteral("1"));
    QCOMPARE(page->mark, QStringLiteral("choice-1"));

    // A question answered in words takes no option from its page.
    closeAll();
    w = open(113);
    QVERIFY(w);
    click(w, 6);
    QCOMPARE(fake(w)->mark, QString());
    fake(w)->clickOption(2);
    QCOMPARE(box(w, 1)->text(), QString());
}

void TestGuiPaper::optionBoxKeys_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("held");
    QTest::addColumn<bool>("hint");
    QTest::addRow("an option") << "3" << "3" << false;
    QTest::addRow("the last option") << "4" << "4" << false;
    QTest::addRow("zero") << "0" << "2" << true;
    QTest::addRow("past the options") << "5" << "2" << true;
    QTest::addRow("a letter") << "b" << "2" << true;
    QTest::addRow("a blank") << " " << "2" << true;
    QTest::addRow("a sign") << "-" << "2" << true;
    QTest::addRow("refused, then an option") << "x1" << "1" << false;
}

// A multiple-choice box holds the digit of an option and nothing else.
void TestGuiPaper::optionBoxKeys()
{
    QFETCH(QString, keys);
    QFETCH(QString, held);
    QFETCH(bool, hint);
    PaperWindow *w = open(101, 1, 1, QStringLiteral("Human Body Systems"));
    QVERIFY(w);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTest::keyClicks(box(w, 1), QStringLiteral("2"));
    QTest::keyClicks(box(w, 1), keys);
    QCOMPARE(box(w, 1)->text(), held);
    QLabel *tip = w->answerSheet()->optionHint();
    QCOMPARE(tip->isVisible(), hint);
    if (hint) {
        // Beside the box, on its line.
        QCOMPARE(tip->text(), QStringLiteral("Type 1, 2, 3 or 4"));
        const QRect at(tip->mapTo(w, QPoint(0, 0)), tip->size());
        const QRect boxAt(box(w, 1)->mapTo(w, QPoint(0, 0)), box(w, 1)->size());
        QVERIFY(at.left() > boxAt.right());
        QVERIFY(at.top() < boxAt.bottom() && at.bottom() > boxAt.top());
    }
    frmPopUp::setNextAnswer(true);
    click(w, 1);
    QCOMPARE(stored(ResultsStore::First, 1, 3).first(), held);
}

void TestGuiPaper::checkIdentity(PaperWindow *w)
{
    const int client = w->width();
    QWidget *page = w->browser();
    QWidget *strip = w->findChild<QWidget *>(QStringLiteral("PicHideAns"));
    QWidget *sheet = w->answerSheet();
    const int edges = 2 * Module5::kEdgeWidth;
    if (w->sheetShown())
        QCOMPARE(page->width() + strip->width() + sheet->width() + edges, client);
    else
        QCOMPARE(page->width() + strip->width() + edges, client);
    QCOMPARE(page->x(), Module5::kEdgeWidth);
    QCOMPARE(strip->x(), page->x() + page->width());
    QWidget *bar = w->statusBar();
    QCOMPARE(bar->width(), page->width());
    QCOMPARE(bar->y(), page->y() + page->height());
    QCOMPARE(bar->y() + bar->height(), w->height() - Module5::kBottomHeight);
    QWidget *strip2 = w->findChild<QWidget *>(QStringLiteral("ScnTabBG"));
    QCOMPARE(strip2->width(), client - edges);
    // Back and Next stay 120 twips from the strip's right end.
    QCOMPARE(w->toolbarButton(6)->geometry().right() + 1 + 8, strip2->width());
    QCOMPARE(w->piece(SkinnedWindow::Piece::BottomRight)->geometry().bottomRight(),
             QPoint(w->width() - 1, w->height() - 1));
    QCOMPARE(w->outline().boundingRect(), QRect(QPoint(0, 0), w->size()));
}

void TestGuiPaper::layoutAfterResizes()
{
    PaperWindow *w = open(113);
    QVERIFY(w);
    checkIdentity(w);
    for (const QSize s : {QSize(700, 500), QSize(487, 334), QSize(760, 590), QSize(600, 420)}) {
        w->resize(s);
        QCOMPARE(w->size(), s);
        checkIdentity(w);
    }
    QCOMPARE(w->findChild<QWidget *>(QStringLiteral("ImgHandle"))->toolTip(),
             QStringLiteral("Hide answer sheet"));
    const int shownWidth = w->browser()->width();
    QTest::mouseClick(w->findChild<QWidget *>(QStringLiteral("ImgHandle")), Qt::LeftButton);
    QVERIFY(!w->sheetShown());
    QVERIFY(!w->answerSheet()->isVisible());
    QCOMPARE(w->answerSheet()->x(), w->width());
    QCOMPARE(w->browser()->width(), shownWidth + Module5::kSheetWidth);
    QCOMPARE(w->findChild<QWidget *>(QStringLiteral("ImgHandle"))->toolTip(),
             QStringLiteral("Show answer sheet"));
    checkIdentity(w);
    w->ImgHandle_Click();
    QVERIFY(w->sheetShown());
    QVERIFY(w->answerSheet()->isVisible());
    QCOMPARE(w->browser()->width(), shownWidth);
    checkIdentity(w);
}

void TestGuiPaper::sheetHiddenStaysHiddenAfterResize()
{
    PaperWindow *w = open(113);
    QVERIFY(w);
    w->ImgHandle_Click();
    w->resize(720, 520);
    // The sheet stays hidden: what the handle shows and the layout agree.
    QVERIFY(!w->sheetShown());
    QVERIFY(!w->answerSheet()->isVisible());
    QCOMPARE(w->answerSheet()->x(), w->width());
    checkIdentity(w);
    w->ImgHandle_Click();
    QVERIFY(w->answerSheet()->isVisible());
    checkIdentity(w);
}

void TestGuiPaper::minimumSize()
{
    PaperWindow *w = open(113);
    QVERIFY(w);
    QCOMPARE(w->minimumSize(), Module5::MinimumPaperSize());
    QVERIFY(w->minimumWidth() * 15 > 7300 && (w->minimumWidth() - 1) * 15 <= 7300);
    QVERIFY(w->minimumHeight() * 15 > 5000 && (w->minimumHeight() - 1) * 15 <= 5000);
    w->resize(300, 200);
    QCOMPARE(w->size(), Module5::MinimumPaperSize());
    checkIdentity(w);
}

void TestGuiPaper::cornerDrag()
{
    PaperWindow *w = open(113);
    QVERIFY(w);
    auto *sizer = w->findChild<QWidget *>(QStringLiteral("Sizer"));
    const QPoint origin = w->mapToGlobal(QPoint(0, 0));
    const QSize start = w->size();
    // The part of the grip within 6 pixels of both edges resizes.
    const QPoint corner = sizer->mapToGlobal(QPoint(sizer->width() - 3, sizer->height() - 3));
    sendMouse(sizer, QEvent::MouseButtonPress, corner, Qt::LeftButton);
    // The press puts the cursor on the corner.
    QCOMPARE(QCursor::pos(), origin + QPoint(start.width() - 1, start.height() - 1));
    sendMouse(sizer, QEvent::MouseMove, origin + QPoint(559, 399), Qt::LeftButton);
    QCOMPARE(w->size(), QSize(560, 400));
    checkIdentity(w);
    // Far up and left: each dimension stops just over its limit.
    sendMouse(sizer, QEvent::MouseMove, origin + QPoint(486, 380), Qt::LeftButton);
    QCOMPARE(w->size(), QSize(487, 381));
    sendMouse(sizer, QEvent::MouseMove, origin + QPoint(200, 150), Qt::LeftButton);
    QCOMPARE(w->size(), QSize(487, 381));
    sendMouse(sizer, QEvent::MouseButtonRelease, origin + QPoint(200, 150), Qt::NoButton);
    sendMouse(sizer, QEvent::MouseMove, origin + QPoint(300, 300), Qt::NoButton);
    QCOMPARE(w->size(), QSize(487, 381));

    // The rest of the grip does not resize.
    const QSize now = w->size();
    const QPoint inner = sizer->mapToGlobal(QPoint(0, 0));
    sendMouse(sizer, QEvent::MouseButtonPress, inner, Qt::LeftButton);
    sendMouse(sizer, QEvent::MouseMove, inner + QPoint(60, 60), Qt::LeftButton);
    sendMouse(sizer, QEvent::MouseButtonRelease, inner + QPoint(60, 60), Qt::NoButton);
    QCOMPARE(w->size(), now);
    QCOMPARE(sizer->cursor().shape(), Qt::ArrowCursor);
}

void TestGuiPaper::edgePressSnapsWithoutResizing()
{
    PaperWindow *w = open(113);
    QVERIFY(w);
    QWidget *left = w->piece(SkinnedWindow::Piece::Left);
    const QPoint origin = w->mapToGlobal(QPoint(0, 0));
    const QSize size = w->size();
    const QPoint at = left->mapToGlobal(QPoint(2, 100));
    sendMouse(left, QEvent::MouseMove, at, Qt::NoButton);
    QCOMPARE(left->cursor().shape(), Qt::SizeHorCursor);
    sendMouse(left, QEvent::MouseButtonPress, at, Qt::LeftButton);
    QCOMPARE(QCursor::pos(), QPoint(origin.x(), at.y()));
    sendMouse(left, QEvent::MouseMove, at + QPoint(50, 0), Qt::LeftButton);
    sendMouse(left, QEvent::MouseButtonRelease, at + QPoint(50, 0), Qt::NoButton);
    QCOMPARE(w->size(), size);
    QCOMPARE(w->mapToGlobal(QPoint(0, 0)), origin);
    QWidget *corner = w->piece(SkinnedWindow::Piece::BottomRight);
    sendMouse(corner, QEvent::MouseMove, corner->mapToGlobal(QPoint(5, 3)), Qt::NoButton);
    QCOMPARE(corner->cursor().shape(), Qt::SizeFDiagCursor);
}

void TestGuiPaper::maximiseAndRestore()
{
    PaperWindow *w = open(113);
    QVERIFY(w);
    const QRect normal = w->geometry();
    w->findChild<PictureButton *>(QStringLiteral("imgProgMax"))->click();
    QTRY_COMPARE(w->geometry(), w->screen()->availableGeometry());
    checkIdentity(w);
    w->findChild<PictureButton *>(QStringLiteral("imgProgMax"))->click();
    QTRY_COMPARE(w->geometry(), normal);
    QVERIFY(!w->isMaximized());
    checkIdentity(w);
}

void TestGuiPaper::printWithoutPrinterOffersPdf()
{
    PaperWindow *w = open(113);
    QVERIFY(w);
    QString dialogFile;
    int dialogs = 0;
    PaperWindow::setPrintDialogSeam([&](QPrinter *printer, QWidget *parent) {
        ++dialogs;
        dialogFile = printer->outputFileName();
        return parent == w;
    });
    const bool noPrinter = QPrinterInfo::availablePrinters().isEmpty();
    frmPopUp::setNextAnswer(true);
    click(w, 3);
    QCOMPARE(dialogs, 1);
    if (noPrinter) {
        QCOMPARE(frmPopUp::lastQuestion().title, QStringLiteral("Print Question"));
        QVERIFY(frmPopUp::lastQuestion().message.contains(QStringLiteral("No printer")));
        QVERIFY(dialogFile.endsWith(QStringLiteral(".pdf")));
    }
    QCOMPARE(fake(w)->printedTo, QStringList{dialogFile});
    if (noPrinter)
        frmPopUp::setNextAnswer(true); // where the file went
    QVERIFY(w->isPrinting());
    QTRY_VERIFY(!w->isPrinting());
    if (noPrinter) {
        // Saved, not printed: the notice says where.
        QCOMPARE(frmPopUp::lastQuestion().title, QStringLiteral("Print Question"));
        QVERIFY2(frmPopUp::lastQuestion().message.endsWith(QDir::toNativeSeparators(dialogFile)),
                 qPrintable(frmPopUp::lastQuestion().message));
    }
    // A failed print is reported.
    fake(w)->printOk = false;
    frmPopUp::setNextAnswer(true);
    frmPopUp::setNextAnswer(true);
    click(w, 3);
    QTRY_COMPARE(frmPopUp::lastQuestion().message, QStringLiteral("The question could not be printed."));
    QTRY_VERIFY(!w->isPrinting());
    // Cancelling the dialog prints nothing.
    PaperWindow::setPrintDialogSeam([](QPrinter *, QWidget *) { return false; });
    frmPopUp::setNextAnswer(true);
    click(w, 3);
    QCOMPARE(fake(w)->printedTo.size(), 2);
}

TESSALY_PAPER_TEST_MAIN(TestGuiPaper)
#include "tst_gui_paper.moc"
