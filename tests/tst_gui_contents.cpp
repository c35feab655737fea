#include "AboutPanel.h"
#include "HomePanel.h"
#include "PercentColumn.h"
#include "PictureButton.h"
#include "Resources.h"
#include "PictureCache.h"
#include "ShadedBox.h"
#include "SingleInstance.h"
#include "StartupWorker.h"
#include "TrashPanel.h"
#include "WebPageOpener.h"
#include "support/ContentsHarness.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>

using namespace ContentsHarness;

Q_DECLARE_METATYPE(ProgramConfig)

// The main window driven as a pupil drives it: tabs, toolbar, topics,
// paper rows, Trash and About.
class TestGuiContents : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_fx = std::make_unique<Fixture>(); }
    void cleanup()
    {
        m_fx.reset();
        WebPageOpener::setHandlerQuery({});
    }

    void startsOnTheFirstModule();
    void startsFromTheWorkersPreparation();
    void tabLayout_data();
    void tabLayout();
    void helpTabSwapsToolbarAndPanel();
    void topicThreeShowsPapersElevenToFifteen();
    void scoresSitAgainstThePercentColumn();
    void tryAgainButton_data();
    void tryAgainButton();
    void eightTopicsHideNineAndTen();
    void reportThenModuleTabReturnsToTopicOne();
    void refreshContentsKeepsTheTopic();
    void openPaperClosesThenOpens();
    void preparesOnThePupilsMovesOnly_data();
    void preparesOnThePupilsMovesOnly();
    void loadButtonsDoNothingWhileAPaperOpens();
    void trashStates();
    void trashNoTouchesNoFile();
    void trashYesErasesTheResults();
    void trashTellsWhatCouldNotBeErased();
    void printLeavesThePanel_data();
    void printLeavesThePanel();
    void closeClosesPaperWindowsFirst();
    void noModuleShowsHelpAndAMessage_data();
    void noModuleShowsHelpAndAMessage();
    void popUpAnswersLandInPopUpResponse();
    void openWebPage_data();
    void openWebPage();
    void repairsAreToldOnceTheWindowIsUp_data();
    void repairsAreToldOnceTheWindowIsUp();
    void aSecondCopyTouchesNoFile();
    void graphicsThatCannotBeUsedStillGivesPictures();

private:
    Contents &startWithMarks(const QByteArray &marks)
    {
        m_fx->prepareResults();
        writeFile(m_fx->file(ResultsStore::Marks), marks);
        return m_fx->start();
    }
    std::unique_ptr<Fixture> m_fx;
};

void TestGuiContents::startsOnTheFirstModule()
{
    Contents &c = m_fx->start();
    QCOMPARE(c.windowTitle(), QStringLiteral("Tessaly"));
    QCOMPARE(text(&c, "Title"), QStringLiteral("Tessaly"));
    // The About panel is made when first asked for, with the name in place.
    QCOMPARE(text(c.aboutPanel(), "ProgramName"), QStringLiteral("Tessaly"));
    QCOMPARE(c.field("lblCOD"), QStringLiteral("TY"));
    QCOMPARE(c.field("LChose"), QStringLiteral("2"));
    QCOMPARE(c.field("txtTabPos"), QStringLiteral("2"));
    QCOMPARE(c.field("txtToolBarPos"), QStringLiteral("1"));
    QCOMPARE(c.field("txtReportPos"), QStringLiteral("1"));
    QCOMPARE(c.field("TopicCount"), QStringLiteral("1"));
    QCOMPARE(c.field("TtPapersCon"), QStringLiteral("15"));
    QCOMPARE(c.field("RefreshLog"), QStringLiteral("off"));
    QCOMPARE(c.field("SubH1"), QStringLiteral("Human Body Systems"));
    QCOMPARE(visiblePanel(c), QStringLiteral("Body_Home"));
    QCOMPARE(text(&c, "Tab02lbl"), QStringLiteral("Practice"));
    QCOMPARE(text(&c, "Tab04lbl"), QStringLiteral("Help"));
    QCOMPARE(c.tab(2)->toolTip(), QStringLiteral("Load Practice Module"));
    QCOMPARE(c.tab(2)->caption()->toolTip(), QStringLiteral("Load Practice Module"));
    QCOMPARE(c.tab(4)->toolTip(), QStringLiteral("Help (F1)"));
    const QStringList captions{"Home", "Report", "Print", "Close"};
    for (int b = 1; b <= 4; ++b)
        QCOMPARE(text(&c, QStringLiteral("lblTB0%1").arg(b)), captions.at(b - 1));
    for (int k = 1; k <= 10; ++k)
        QCOMPARE(find(&c, QStringLiteral("Topic%1").arg(k))->isVisible(), k <= 3);
    QCOMPARE(text(&c, "Topic3"), QStringLiteral("Electricity and Magnets"));
    // The results files exist, and the configuration file was removed.
    QVERIFY(QFile::exists(m_fx->file(ResultsStore::Trend)));
    QVERIFY(!QFile::exists(m_fx->ws().file("temptext30000.txt")));
    QVERIFY(c.timer1()->isActive());
    QCOMPARE(c.timer1()->interval(), 100);
}

void TestGuiContents::startsFromTheWorkersPreparation()
{
    // The program's own start: the file work done on the worker's thread,
    // the pictures handed over already read.
    const Workspace ws = m_fx->ws();
    writeFile(ws.file(QStringLiteral("temppaper16001.mht")), "left over");
    StartupWorker worker(ws, Contents::picturesAtStart());
    StartupWorker::Result prepared = worker.take();
    QVERIFY(!QFile::exists(ws.file(QStringLiteral("temppaper16001.mht"))));
    QVERIFY(!QFile::exists(ws.file(QStringLiteral("temptext30000.txt"))));
    QCOMPARE(QDir(ws.graphicsFolder()).entryList(QDir::Files).size(), 89);
    QCOMPARE(prepared.config.name, QStringLiteral("Tessaly"));
    QCOMPARE(prepared.pictures.size(), Contents::picturesAtStart().size());
    for (auto it = prepared.pictures.constBegin(); it != prepared.pictures.constEnd(); ++it)
        QVERIFY2(!it.value().isNull(), qPrintable(it.key()));

    const std::shared_ptr<PictureCache> cache = PictureCache::forFolder(ws.graphicsFolder());
    cache->adopt(std::move(prepared.pictures));
    m_fx->window = std::make_unique<Contents>(ws, std::move(prepared.config),
                                              Contents::WorkspaceReady{});
    Contents &c = *m_fx->window;
    c.Form_Load();
    c.show();
    QVERIFY(QTest::qWaitForWindowExposed(&c));
    c.activateWindow();
    QTest::qWait(250); // a few ticks of Timer1

    // Every picture of the first screen, inactive and active, came from the
    // worker: the list is complete.
    QCOMPARE(cache->filesRead(), 0);
    QCOMPARE(c.field("LChose"), QStringLiteral("2"));
    QCOMPARE(c.config().name, QStringLiteral("Tessaly"));
    QVERIFY(!c.config().module(2).topicNames.value(0).isEmpty());
    QCOMPARE(c.homePanel()->findChild<QLabel *>(QStringLiteral("Topic1"))->text(),
             c.config().module(2).topicNames.value(0));
    // The results files were made as on any start.
    QVERIFY(QFile::exists(m_fx->file(ResultsStore::Marks)));
}

void TestGuiContents::tabLayout_data()
{
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QList<int>>("lefts");
    QTest::addColumn<int>("chosen");
    // Tabs are 79 wide and overlap by 2; absent modules lie at -79.
    QTest::addRow("module 2 only")
        << QStringList{"", "Practice", ""} << QList<int>{-79, 2, -79, 79} << 2;
    QTest::addRow("three modules")
        << QStringList{"Year 4", "Year 5", "Year 6"} << QList<int>{2, 79, 156, 233} << 1;
    QTest::addRow("modules 1 and 3")
        << QStringList{"Year 4", "", "Year 6"} << QList<int>{2, -79, 79, 156} << 1;
}

void TestGuiContents::tabLayout()
{
    QFETCH(QStringList, labels);
    QFETCH(QList<int>, lefts);
    QFETCH(int, chosen);
    Contents &c = m_fx->start(config(labels));
    QCOMPARE(c.field("txtTabPos"), QString::number(chosen));
    const QRect strip = c.tabStrip()->geometry();
    QCOMPARE(strip.x(), 2);
    for (int n = 1; n <= 4; ++n) {
        PictureButton *t = c.tab(n);
        QCOMPARE(t->x(), lefts.at(n - 1));
        if (n <= 3)
            QCOMPARE(text(&c, QStringLiteral("Tab0%1lbl").arg(n)), labels.at(n - 1));
        if (t->x() < 0)
            continue;
        // The chosen tab stands 2 pixels higher and lies over the strip.
        const int expectedBottom = n == chosen ? strip.top() + 1 : strip.top() + 3;
        QCOMPARE(t->geometry().bottom() + 1, expectedBottom);
        QCOMPARE(t->height(), n == chosen ? 27 : 26);
        QCOMPARE(t->isCurrentTab(), n == chosen);
        QWidget *client = t->parentWidget();
        QWidget *onTop = client->childAt(t->x() + 39, strip.top());
        QVERIFY(onTop);
        if (n == chosen)
            QVERIFY(onTop == t || onTop == t->caption());
        else
            QCOMPARE(onTop, static_cast<QWidget *>(c.tabStrip()));
    }
    // Every present module's tab loads its own module.
    for (int n = 1; n <= 3; ++n) {
        if (labels.at(n - 1).isEmpty())
            continue;
        click(c.tab(n)->caption());
        QCOMPARE(c.field("LChose"), QString::number(n));
        QCOMPARE(c.tab(n)->geometry().bottom() + 1, strip.top() + 1);
        QCOMPARE(c.tab(n)->caption()->toolTip(),
                 QStringLiteral("Load %1 Module").arg(labels.at(n - 1)));
    }
}

void TestGuiContents::helpTabSwapsToolbarAndPanel()
{
    Contents &c = m_fx->start();
    click(c.tab(4)->caption());
    QCOMPARE(c.field("txtTabPos"), QStringLiteral("4"));
    QCOMPARE(c.field("LChose"), QStringLiteral("2"));
    QCOMPARE(visiblePanel(c), QStringLiteral("Body_About"));
    QCOMPARE(text(&c, "lblTB01"), QStringLiteral("About"));
    QCOMPARE(text(&c, "lblTB02"), QStringLiteral("Trash"));
    QCOMPARE(text(&c, "lblTB04"), QStringLiteral("Setup"));
    QVERIFY(c.toolbarButton(3)->isHidden());
    QCOMPARE(c.toolbarButton(1)->toolTip(), QStringLiteral("About Quorvane"));
    QCOMPARE(c.toolbarButton(4)->caption()->toolTip(), QStringLiteral("Printer Setup"));
    QCOMPARE(c.toolbarButton(2)->base(), QStringLiteral("trash"));

    click(c.toolbarButton(2)->caption());
    QCOMPARE(visiblePanel(c), QStringLiteral("Body_Trash"));
    click(c.toolbarButton(1));
    QCOMPARE(visiblePanel(c), QStringLiteral("Body_About"));
    QCOMPARE(c.field("txtToolBarPos"), QStringLiteral("1"));

    click(c.tab(2));
    QCOMPARE(text(&c, "lblTB01"), QStringLiteral("Home"));
    QVERIFY(c.toolbarButton(3)->isVisible());
    QCOMPARE(visiblePanel(c), QStringLiteral("Body_Home"));
}

void TestGuiContents::topicThreeShowsPapersElevenToFifteen()
{
    Contents &c = startWithMarks(marksFile(
        {{1, "10"}, {11, "55"}, {12, "66.7"}, {14, "100"}, {15, "0"}}, {{12, "80"}, {13, "40"}}));
    QCOMPARE(text(&c, "MSA1"), QStringLiteral("10"));
    click(find(&c, "Topic3"));
    QCOMPARE(c.field("TopicCount"), QStringLiteral("11"));
    QCOMPARE(c.field("SubH1"), QStringLiteral("Electricity and Magnets"));
    const QStringList first{"55", "66.7", "", "100", "0"};
    const QStringList second{"", "80", "40", "", ""};
    for (int r = 1; r <= 5; ++r) {
        QCOMPARE(text(&c, QStringLiteral("MSA%1").arg(r)), first.at(r - 1));
        QCOMPARE(text(&c, QStringLiteral("MSB%1").arg(r)), second.at(r - 1));
    }
    // The chosen topic shows inverted.
    const QColor grey(0x80, 0x80, 0x80);
    QCOMPARE(find(&c, "Topic3")->palette().color(QPalette::Window), grey);
    QCOMPARE(find(&c, "Topic3")->palette().color(QPalette::WindowText),
             find(&c, "Topic3")->palette().color(QPalette::HighlightedText));
    QVERIFY(find(&c, "Topic1")->palette().color(QPalette::Window) != grey);
    QCOMPARE(find(&c, "Topic1")->palette().color(QPalette::WindowText), QColor(Qt::black));

    PictureButton *load2 = c.homePanel()->loadButton(2, 1);
    QCOMPARE(load2->toolTip(), QStringLiteral("Load paper 2"));
    click(load2);
    QCOMPARE(c.field("PaperNum"), QStringLiteral("112"));
    QCOMPARE(c.field("TakeNum"), QStringLiteral("1"));
    click(c.homePanel()->loadButton(5, 2)->caption());
    QCOMPARE(c.field("PaperNum"), QStringLiteral("115"));
    QCOMPARE(c.field("TakeNum"), QStringLiteral("2"));
    QCOMPARE(c.homePanel()->loadButton(5, 2)->toolTip(), QStringLiteral("Try paper 5 again"));

    // A bullet chooses its topic too.
    click(find(&c, "Bullet1"));
    QCOMPARE(c.field("TopicCount"), QStringLiteral("1"));
    QCOMPARE(c.field("SubH1"), QStringLiteral("Human Body Systems"));
}

void TestGuiContents::scoresSitAgainstThePercentColumn()
{
    Contents &c = startWithMarks(marksFile({{1, "100"}, {2, "7"}, {3, "66.7"}}, {{1, "9.5"}}));
    const int column = c.homePanel()->percentColumn()->x();
    for (const char *name : {"MSA1", "MSA2", "MSA3", "MSB1"}) {
        QWidget *score = find(&c, name);
        // 20 twips: one pixel.
        QCOMPARE(score->geometry().right() + 1 + 1, column);
    }
    QCOMPARE(find(&c, "MSA4")->x(), column);
    QCOMPARE(find(&c, "MSB2")->x(), column);
    // A "%" beside each of the four scores only.
    QCOMPARE(c.homePanel()->percentColumn()->lines().size(), 4);
    QVERIFY(find(&c, "MSA1")->width() > find(&c, "MSA2")->width());
}

void TestGuiContents::tryAgainButton_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("offered");
    QTest::addRow("never marked") << ""
                                  << "" << false;
    QTest::addRow("second score alone") << ""
                                        << "50" << false;
    QTest::addRow("0") << "0"
                       << "" << true;
    QTest::addRow("99") << "99"
                        << "" << true;
    QTest::addRow("99 after a second try") << "99"
                                           << "100" << true;
    QTest::addRow("99.5") << "99.5"
                          << "" << false;
    QTest::addRow("100") << "100"
                         << "" << false;
}

void TestGuiContents::tryAgainButton()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, offered);
    Scores f, s;
    if (!first.isEmpty())
        f[7] = first;
    if (!second.isEmpty())
        s[7] = second;
    Contents &c = startWithMarks(marksFile(f, s));
    click(find(&c, "Topic2"));
    PictureButton *again = c.homePanel()->loadButton(2, 2);
    QCOMPARE(again->isVisible(), offered);
    QCOMPARE(again->caption()->isVisible(), offered);
    QCOMPARE(text(&c, "MSA2"), first);
    QVERIFY(c.homePanel()->loadButton(2, 1)->isVisible());
    // The other rows have no score and offer nothing.
    QVERIFY(!c.homePanel()->loadButton(1, 2)->isVisible());
}

void TestGuiContents::eightTopicsHideNineAndTen()
{
    Contents &c = m_fx->start(config({"", "Practice", ""}, 8));
    for (int k = 1; k <= 10; ++k) {
        QCOMPARE(find(&c, QStringLiteral("Topic%1").arg(k))->isVisible(), k <= 8);
        QCOMPARE(find(&c, QStringLiteral("Bullet%1").arg(k))->isVisible(), k <= 8);
    }
    click(find(&c, "Topic8"));
    QCOMPARE(c.field("TopicCount"), QStringLiteral("36"));
    QCOMPARE(c.field("SubH1"), QStringLiteral("Topic name 8"));
    QCOMPARE(c.field("TtPapersCon"), QStringLiteral("40"));
}

void TestGuiContents::reportThenModuleTabReturnsToTopicOne()
{
    Contents &c = m_fx->start();
    click(find(&c, "Topic3"));
    click(c.toolbarButton(2)->caption());
    QCOMPARE(visiblePanel(c), QStringLiteral("Body_Report"));
    QCOMPARE(c.field("txtToolBarPos"), QStringLiteral("2"));
    click(find(&c, "lblRCBar3"));
    QCOMPARE(c.field("txtReportPos"), QStringLiteral("3"));
    click(c.tab(2));
    QCOMPARE(visiblePanel(c), QStringLiteral("Body_Home"));
    QCOMPARE(c.field("TopicCount"), QStringLiteral("1"));
    QCOMPARE(c.field("SubH1"), QStringLiteral("Human Body Systems"));
    QCOMPARE(c.field("txtReportPos"), QStringLiteral("1"));
    // The Home button re-reads the module and also returns to topic 1.
    click(find(&c, "Topic2"));
    click(c.toolbarButton(1));
    QCOMPARE(c.field("TopicCount"), QStringLiteral("1"));
}

void TestGuiContents::refreshContentsKeepsTheTopic()
{
    Contents &c = startWithMarks(marksFile({}));
    click(find(&c, "Topic2"));
    click(c.toolbarButton(2));
    QCOMPARE(visiblePanel(c), QStringLiteral("Body_Report"));
    // A paper window marks paper 7 and closes.
    writeFile(m_fx->file(ResultsStore::Marks), marksFile({{7, "70"}}));
    c.RefreshContents();
    QCOMPARE(c.field("TopicCount"), QStringLiteral("6"));
    QCOMPARE(c.field("SubH1"), QStringLiteral("Matter and Changes in States"));
    QCOMPARE(text(&c, "MSA2"), QStringLiteral("70"));
    QVERIFY(c.homePanel()->loadButton(2, 2)->isVisibleTo(c.homePanel()));
    QCOMPARE(find(&c, "Topic2")->palette().color(QPalette::Window), QColor(0x80, 0x80, 0x80));
    QCOMPARE(c.field("RefreshLog"), QStringLiteral("off"));
    // The refresh changes no panel.
    QCOMPARE(visiblePanel(c), QStringLiteral("Body_Report"));
}

void TestGuiContents::openPaperClosesThenOpens()
{
    Contents &c = m_fx->start();
    click(c.homePanel()->loadButton(1, 1)); // nothing registered: only the fields
    QCOMPARE(c.field("PaperNum"), QStringLiteral("101"));

    auto windows = std::make_unique<FakePaperWindows>();
    FakePaperWindows *fake = windows.get();
    c.setPaperWindows(std::move(windows));
    click(find(&c, "Topic3"));
    click(c.homePanel()->loadButton(2, 1));
    QCOMPARE(fake->calls.size(), 2);
    QCOMPARE(fake->calls.at(0).what, QStringLiteral("close"));
    QCOMPARE(fake->calls.at(1).what, QStringLiteral("open 1"));
    const Contents::Handover h = fake->calls.at(1).handover;
    QCOMPARE(h.paperKey, 112);
    QCOMPARE(h.take, 1);
    QCOMPARE(h.firstPaper, 11);
    QCOMPARE(h.topicName, QStringLiteral("Electricity and Magnets"));
    QCOMPARE(h.module, 2);
    QCOMPARE(h.code, QStringLiteral("TY"));
    QCOMPARE(h.paperCount, 15);
}

void TestGuiContents::preparesOnThePupilsMovesOnly_data()
{
    QTest::addColumn<QString>("move");
    QTest::addColumn<bool>("prepares");
    QTest::addRow("start-up and its topic 1") << "" << false;
    QTest::addRow("Report panel") << "report" << false;
    QTest::addRow("Help tab") << "help" << false;
    QTest::addRow("refresh after a paper") << "refresh" << false;
    QTest::addRow("pointer over a topic") << "hover topic" << false;
    QTest::addRow("topic chosen") << "topic" << true;
    QTest::addRow("the first topic chosen again") << "topic 1" << true;
    QTest::addRow("pointer on a load button") << "hover button" << true;
    QTest::addRow("pointer on its caption") << "hover caption" << true;
    QTest::addRow("focus on a load button") << "focus button" << true;
}

void TestGuiContents::preparesOnThePupilsMovesOnly()
{
    QFETCH(QString, move);
    QFETCH(bool, prepares);
    auto windows = std::make_unique<FakePaperWindows>();
    FakePaperWindows *fake = windows.get();
    Contents &c = m_fx->start();
    c.setPaperWindows(std::move(windows));
    c.LoadModuleData(); // start-up's own choice of topic 1, again
    PictureButton *load = c.homePanel()->loadButton(2, 1);
    auto send = [](QWidget *w, QEvent::Type type) {
        QEvent event(type);
        QApplication::sendEvent(w, &event);
    };
    if (move == QLatin1String("report"))
        click(c.toolbarButton(2));
    else if (move == QLatin1String("help"))
        click(c.tab(4));
    else if (move == QLatin1String("refresh"))
        c.RefreshContents();
    else if (move == QLatin1String("hover topic"))
        send(find(&c, "Topic2"), QEvent::Enter);
    else if (move == QLatin1String("topic"))
        click(find(&c, "Topic2"));
    else if (move == QLatin1String("topic 1"))
        click(find(&c, "Topic1"));
    else if (move == QLatin1String("hover button"))
        send(load, QEvent::Enter);
    else if (move == QLatin1String("hover caption"))
        send(load->caption(), QEvent::Enter);
    else if (move == QLatin1String("focus button")) {
        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(load, &focus);
    }
    QCOMPARE(fake->preparations > 0, prepares);
    QVERIFY(fake->calls.isEmpty());
}

void TestGuiContents::loadButtonsDoNothingWhileAPaperOpens()
{
    auto windows = std::make_unique<FakePaperWindows>();
    FakePaperWindows *fake = windows.get();
    Contents &c = m_fx->start();
    c.setPaperWindows(std::move(windows));
    click(find(&c, "Topic2"));
    click(c.homePanel()->loadButton(1, 1));
    QCOMPARE(fake->calls.size(), 2);
    QCOMPARE(c.field("PaperNum"), QStringLiteral("106"));

    // A second click, or a click on another paper, before the first page is
    // painted: nothing closes, nothing opens, the handover stays.
    fake->opening = true;
    click(c.homePanel()->loadButton(1, 1));
    click(c.homePanel()->loadButton(3, 1));
    QCOMPARE(fake->calls.size(), 2);
    QCOMPARE(c.field("PaperNum"), QStringLiteral("106"));
    QCOMPARE(c.field("TakeNum"), QStringLiteral("1"));

    fake->opening = false;
    click(c.homePanel()->loadButton(3, 1));
    QCOMPARE(fake->calls.size(), 4);
    QCOMPARE(fake->calls.at(3).handover.paperKey, 108);
}

void TestGuiContents::trashStates()
{
    Contents &c = m_fx->start();
    click(c.tab(4));
    click(c.toolbarButton(2));
    auto shown = [&](const QStringList &names) {
        for (const char *n :
             {"Trashlbl1", "ButTrash", "Trashlbl2", "ButTrash_Yes", "ButTrash_No", "Trashlbl3"})
            if (find(&c, n)->isVisible() != names.contains(QLatin1String(n)))
                return QStringLiteral("%1 wrong").arg(n);
        return QString();
    };
    QCOMPARE(shown({"Trashlbl1", "ButTrash"}), QString());
    QCOMPARE(text(&c, "Trashlbl1"),
             QStringLiteral("Click on the button below if you wish to erase all "
                            "your past results and reset the program."));
    QCOMPARE(text(&c, "ButTrashlbl"), QStringLiteral("Trash"));
    click(find(&c, "ButTrashlbl"));
    QCOMPARE(shown({"Trashlbl2", "ButTrash_Yes", "ButTrash_No"}), QString());
    QCOMPARE(text(&c, "Trashlbl2"), QStringLiteral("Are you sure?"));
    QCOMPARE(text(&c, "ButTrash_Yeslbl"), QStringLiteral("Yes"));
    QCOMPARE(text(&c, "ButTrash_Nolbl"), QStringLiteral("No"));
    // Leaving in the Confirm state and coming back shows the offer again.
    click(c.toolbarButton(1));
    click(c.toolbarButton(2));
    QCOMPARE(shown({"Trashlbl1", "ButTrash"}), QString());
    click(find(&c, "ButTrash"));
    click(find(&c, "ButTrash_Yes"));
    QCOMPARE(shown({"Trashlbl3"}), QString());
    QCOMPARE(text(&c, "Trashlbl3"), QStringLiteral("All your past results have been erased."));
    click(c.toolbarButton(2));
    QCOMPARE(c.trashPanel()->state(), TrashPanel::State::Offer);
}

void TestGuiContents::trashNoTouchesNoFile()
{
    Contents &c = startWithMarks(marksFile({{1, "80"}}));
    QList<QByteArray> before;
    QList<QDateTime> times;
    for (int k = ResultsStore::Marks; k <= ResultsStore::Trend; ++k) {
        const QString path = m_fx->file(ResultsStore::Stem(k));
        before << readFile(path);
        times << QFileInfo(path).lastModified();
    }
    click(c.tab(4));
    click(c.toolbarButton(2));
    click(find(&c, "ButTrash"));
    click(find(&c, "ButTrash_Nolbl"));
    QCOMPARE(c.trashPanel()->state(), TrashPanel::State::Offer);
    for (int k = ResultsStore::Marks; k <= ResultsStore::Trend; ++k) {
        const QString path = m_fx->file(ResultsStore::Stem(k));
        QCOMPARE(readFile(path), before.at(k - 1));
        QCOMPARE(QFileInfo(path).lastModified(), times.at(k - 1));
    }
}

void TestGuiContents::trashYesErasesTheResults()
{
    Contents &c = startWithMarks(marksFile({{1, "80"}, {6, "60"}}));
    writeFile(m_fx->file(ResultsStore::Trend), "#TRD#>80>60\r\n");
    click(find(&c, "Topic2"));
    click(c.tab(4));
    click(c.toolbarButton(2));
    click(find(&c, "ButTrash"));
    click(find(&c, "ButTrash_Yes"));
    for (int k = ResultsStore::Marks; k <= ResultsStore::Trend; ++k)
        QCOMPARE(readFile(m_fx->file(ResultsStore::Stem(k))),
                 Module3::ResourceBytes(ResultsStore::templateId(ResultsStore::Stem(k), 2)));
    // Memory is not refreshed here; the module tab re-reads the erased files.
    click(c.tab(2));
    QCOMPARE(text(&c, "MSA1"), QString());
    QVERIFY(!c.homePanel()->loadButton(1, 2)->isVisible());
    click(c.toolbarButton(2));
    QCOMPARE(text(&c, "OScore1"), QStringLiteral("-"));
    QCOMPARE(text(&c, "PCNum"), QStringLiteral("0 / 15"));
}

void TestGuiContents::trashTellsWhatCouldNotBeErased()
{
    // Two present modules, but the content has templates for module 2 only:
    // module 2 is erased, module 1 cannot be, and the pupil is told.
    m_fx->prepareResults();
    writeFile(m_fx->file(ResultsStore::Marks), marksFile({{1, "80"}}));
    Contents &c = m_fx->start(config({"Year 4", "Practice", ""}));
    click(c.tab(4));
    click(c.toolbarButton(2));
    click(find(&c, "ButTrash"));
    click(find(&c, "ButTrash_Yes"));
    QVERIFY(find(&c, "Trashlbl3")->isVisible());
    QVERIFY(text(&c, "Trashlbl3").contains(QStringLiteral("could not be erased")));
    QCOMPARE(readFile(m_fx->file(ResultsStore::Marks)),
             Module3::ResourceBytes(ResultsStore::templateId(ResultsStore::Marks, 2)));
}

void TestGuiContents::printLeavesThePanel_data()
{
    QTest::addColumn<int>("panelButton");
    QTest::addColumn<QString>("panel");
    QTest::addRow("home") << 1 << "Body_Home";
    QTest::addRow("report") << 2 << "Body_Report";
}

void TestGuiContents::printLeavesThePanel()
{
    QFETCH(int, panelButton);
    QFETCH(QString, panel);
    Contents &c = m_fx->start();
    click(c.toolbarButton(panelButton));
    ResultsPrinter::setNextAnswer({false, {}});
    click(c.toolbarButton(3)->caption());
    QCOMPARE(c.field("txtToolBarPos"), QStringLiteral("3"));
    QCOMPARE(visiblePanel(c), panel);
    QVERIFY(c.isVisible());
    // The Setup button of the Help tab leaves its panel as well.
    click(c.tab(4));
    ResultsPrinter::setNextAnswer({false, {}});
    click(c.toolbarButton(4));
    QCOMPARE(c.field("txtToolBarPos"), QStringLiteral("4"));
    QCOMPARE(visiblePanel(c), QStringLiteral("Body_About"));
}

void TestGuiContents::closeClosesPaperWindowsFirst()
{
    Contents &c = m_fx->start();
    auto windows = std::make_unique<FakePaperWindows>();
    FakePaperWindows *fake = windows.get();
    c.setPaperWindows(std::move(windows));
    click(c.closeButton());
    QVERIFY(!c.isVisible());
    QCOMPARE(fake->calls.size(), 1);
    QCOMPARE(fake->calls.at(0).what, QStringLiteral("close"));

    // The Close toolbar button does the same.
    c.show();
    QVERIFY(QTest::qWaitForWindowExposed(&c));
    click(c.toolbarButton(4));
    QVERIFY(!c.isVisible());
    QCOMPARE(fake->calls.size(), 2);
}

void TestGuiContents::noModuleShowsHelpAndAMessage_data()
{
    QTest::addColumn<ProgramConfig>("configuration");
    QTest::addRow("unreadable configuration") << ProgramConfig{};
    QTest::addRow("no module labels") << config({"", "", ""});
}

void TestGuiContents::noModuleShowsHelpAndAMessage()
{
    QFETCH(ProgramConfig, configuration);
    Contents &c = m_fx->start(configuration);
    QCOMPARE(c.windowTitle(), QStringLiteral("Tessaly"));
    for (int n = 1; n <= 3; ++n)
        QCOMPARE(c.tab(n)->x(), -79);
    QCOMPARE(c.tab(4)->x(), 2);
    QCOMPARE(c.field("txtTabPos"), QStringLiteral("4"));
    QCOMPARE(visiblePanel(c), QStringLiteral("Body_Home"));
    QLabel *message = find<QLabel>(&c, "lblHomeMessage");
    QVERIFY(message->isVisible());
    QVERIFY(message->text().contains(QStringLiteral("no practice papers")));
    QVERIFY(!find(&c, "Topic1")->isVisible());
    QVERIFY(!find(&c, "P1a")->isVisible());
    QCOMPARE(text(&c, "lblTB01"), QStringLiteral("About"));
    click(c.tab(4));
    QCOMPARE(visiblePanel(c), QStringLiteral("Body_About"));
    click(c.toolbarButton(2));
    click(find(&c, "ButTrash"));
    click(find(&c, "ButTrash_Yes")); // nothing to erase; must not fail
    QVERIFY(find(&c, "Trashlbl3")->isVisible());
    c.RefreshContents();
}

void TestGuiContents::popUpAnswersLandInPopUpResponse()
{
    Contents &c = m_fx->start();
    frmPopUp::setNextAnswer(false);
    QVERIFY(!frmPopUp::CallPop("Close Practice", "Confirm?", 2, &c));
    QCOMPARE(c.field("PopUpResponse"), QStringLiteral("False"));
    frmPopUp::setNextAnswer(true);
    frmPopUp::CallPop("Close Practice", "Confirm?", 2, &c);
    QCOMPARE(c.field("PopUpResponse"), QStringLiteral("True"));
}

void TestGuiContents::openWebPage_data()
{
    QTest::addColumn<QString>("exec");  // Exec line of the handler; "" for no handler
    QTest::addColumn<QString>("title"); // the message's title, "" for none
    QTest::addColumn<bool>("started");
    QTest::addRow("no handler") << ""
                                << "Browser Not Found" << false;
    QTest::addRow("handler's program missing") << "no-such-browser-xyz %u"
                                               << "Browser Not Found" << false;
    QTest::addRow("program that cannot start") << "@DIR@/notaprogram.txt %U"
                                               << "URL Failed" << false;
    QTest::addRow("browser started") << "\"@DIR@/browser.sh\" --new-window %u"
                                     << "" << true;
}

void TestGuiContents::openWebPage()
{
    QFETCH(QString, exec);
    QFETCH(QString, title);
    QFETCH(bool, started);
    Contents &c = m_fx->start();
    const QString dir = m_fx->dir.path();
    // A desktop of our own: its applications folder and a browser that
    // writes down its arguments.
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir + "/data"));
    QDir().mkpath(dir + "/data/applications");
    writeFile(dir + "/browser.sh",
              "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$(dirname \"$0\")/args.txt\"\n");
    QFile::setPermissions(dir + "/browser.sh",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    writeFile(dir + "/notaprogram.txt", "not a program\n");
    writeFile(dir + "/data/applications/tessaly-test-browser.desktop",
              "[Desktop Entry]\nType=Application\nName=Test\nExec=" +
                  QString(exec).replace("@DIR@", dir).toUtf8() +
                  "\n[Desktop Action new]\nExec=wrong\n");
    QString asked;
    WebPageOpener::setHandlerQuery([&](const QString &mime) {
        asked = mime;
        // The probe file is there while its program is looked for.
        if (!QFile::exists(WebPageOpener::probePath()))
            return QString();
        return exec.isEmpty() ? QString() : QStringLiteral("tessaly-test-browser.desktop");
    });

    click(c.toolbarButton(1)); // Home: nothing of About yet
    click(c.tab(4));
    QCOMPARE(c.aboutPanel()->link()->toolTip(), QStringLiteral("Go to Quorvane home page"));
    QCOMPARE(text(&c, "Label36"), QStringLiteral("For Linux"));
    QCOMPARE(text(&c, "Label39"), QStringLiteral("Version 2.0"));
    click(c.aboutPanel()->link());
    qunsetenv("XDG_DATA_HOME");

    QCOMPARE(asked, QStringLiteral("text/html"));
    QVERIFY(!QFile::exists(WebPageOpener::probePath()));
    const QList<SystemMessageBox::Message> messages = SystemMessageBox::takeRecorded();
    if (title.isEmpty()) {
        QVERIFY(messages.isEmpty());
    } else {
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.first().title, title);
        QCOMPARE(messages.first().icon, QMessageBox::Warning);
        QCOMPARE(messages.first().text, title == "URL Failed"
                                            ? QStringLiteral("Web Page not Opened")
                                            : QStringLiteral("Could not find associated Browser"));
    }
    if (started) {
        QTRY_VERIFY(QFile::exists(dir + "/args.txt"));
        QTRY_COMPARE(readFile(dir + "/args.txt"),
                     QByteArray("--new-window\nwww.tessaly-learning.org/eduprog.html\n"));
    } else {
        QTest::qWait(100);
        QVERIFY(!QFile::exists(dir + "/args.txt"));
    }
}

void TestGuiContents::repairsAreToldOnceTheWindowIsUp_data()
{
    QTest::addColumn<bool>("worker");
    QTest::addRow("checked by the start-up worker") << true;
    QTest::addRow("checked by Form_Load") << false;
}

void TestGuiContents::repairsAreToldOnceTheWindowIsUp()
{
    QFETCH(bool, worker);
    m_fx->prepareResults();
    const Workspace ws = m_fx->ws();
    const ResultsStore store(ws, 2, QStringLiteral("TY"), 15);
    QStringList lines;
    QVERIFY(store.storePaperValues(ResultsStore::First, lines, 3, {"1", "4"}, 2));
    const QString first = m_fx->file(ResultsStore::First);
    writeFile(first, "junk\r\n" + readFile(first));

    frmPopUp::setNextAnswer(true);
    frmPopUp::CallPop(QStringLiteral("sentinel"), QString(), 1, nullptr);
    frmPopUp::setNextAnswer(true);
    if (worker) {
        StartupWorker files(ws, Contents::picturesAtStart());
        StartupWorker::Result prepared = files.take();
        QCOMPARE(prepared.check.repaired.size(), 1);
        m_fx->window = std::make_unique<Contents>(ws, std::move(prepared.config),
                                                  Contents::WorkspaceReady{});
        m_fx->window->setResultsCheck(prepared.check);
        m_fx->window->Form_Load();
        // Not before the window is there.
        QCOMPARE(frmPopUp::lastQuestion().title, QStringLiteral("sentinel"));
        m_fx->window->show();
    } else {
        m_fx->start();
    }
    QTRY_COMPARE(frmPopUp::lastQuestion().title, QStringLiteral("Saved Results"));
    QVERIFY(frmPopUp::lastQuestion().message.contains(QStringLiteral("answers")));
    QCOMPARE(frmPopUp::lastQuestion().buttons, 1);
    QCOMPARE(store.readPaperValues(ResultsStore::First, 3, 2), QStringList({"1", "4"}));
    QCOMPARE(TestFiles::filesStartingWith(ws.folder(), QStringLiteral("first2TY.txt.damaged-")).size(), 1);

    // Told once: the next start finds nothing to tell.
    m_fx->window.reset();
    frmPopUp::setNextAnswer(true);
    frmPopUp::CallPop(QStringLiteral("sentinel"), QString(), 1, nullptr);
    frmPopUp::setNextAnswer(true); // a wrong notice fails rather than waits
    m_fx->start();
    QTest::qWait(50);
    QCOMPARE(frmPopUp::lastQuestion().title, QStringLiteral("sentinel"));
    frmPopUp::clearNextAnswers();
}

void TestGuiContents::aSecondCopyTouchesNoFile()
{
    m_fx->prepareResults();
    const Workspace ws = m_fx->ws();
    const QString marks = m_fx->file(ResultsStore::Marks);
    writeFile(marks, "#FSE#>80"); // damaged: the running copy's to heal, not this one's
    writeFile(ws.file(QStringLiteral("temppaper16001.mht")), "the running copy's page");
    const WorkspaceLock running(ws);
    QCOMPARE(running.state(), WorkspaceLock::State::Held);

    StartupWorker files(ws, Contents::picturesAtStart());
    const StartupWorker::Result prepared = files.take();
    QVERIFY(prepared.anotherCopyRuns());
    QCOMPARE(readFile(marks), QByteArray("#FSE#>80"));
    QVERIFY(QFile::exists(ws.file(QStringLiteral("temppaper16001.mht"))));
    QVERIFY(!QFileInfo::exists(ws.graphicsFolder()));
}

void TestGuiContents::graphicsThatCannotBeUsedStillGivesPictures()
{
    const Workspace ws = m_fx->ws();
    writeFile(ws.graphicsFolder(), "a file where the folder should be");
    StartupWorker files(ws, Contents::picturesAtStart());
    const StartupWorker::Result prepared = files.take();
    QCOMPARE(prepared.graphics, Startup::GraphicsFolder::NotAFolder);
    QCOMPARE(readFile(ws.graphicsFolder()), QByteArray("a file where the folder should be"));
    // The window's first pictures come from the program itself.
    QCOMPARE(prepared.pictures.size(), Contents::picturesAtStart().size());
    for (auto it = prepared.pictures.constBegin(); it != prepared.pictures.constEnd(); ++it)
        QVERIFY2(!it.value().isNull(), qPrintable(it.key()));
    // The results files are made all the same.
    QVERIFY(QFile::exists(m_fx->file(ResultsStore::Marks)));
}

QTEST_MAIN(TestGuiContents)
#include "tst_gui_contents.moc"
