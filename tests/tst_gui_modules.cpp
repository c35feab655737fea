#include "BrowserModule.h"
#include "Contents.h"
#include "ContentsPaperWindows.h"
#include "HomePanel.h"
#include "MarkingProgress.h"
#include "PaperWindow.h"
#include "PictureButton.h"
#include "ReportPanel.h"
#include "Resources.h"
#include "ResultsStore.h"
#include "TeacherModules.h"
#include "TrashPanel.h"
#include "frmPopUp.h"
#include "support/FakeBrowser.h"
#include "support/PaperTestMain.h"
#include "support/TestFiles.h"

#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

// The main window with a teacher's module folder beside the test content's
// own "Practice" module: its tab, topics and papers work as module 2's do.
class TestGuiModules : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void folderModuleWorksLikeTheProgramsOwn();
    void brokenFolderLeavesTheOtherModules();

private:
    Workspace ws() const { return Workspace(m_dir->path()); }
    QString folder() const { return ws().file(QStringLiteral("Modules/revision")); }
    // The start as the program makes it: folders loaded, then the window.
    std::unique_ptr<Contents> startWindow();
    QStringList marksRow(int module, int papers) const
    {
        return ResultsStore(ws(), module, QStringLiteral("TY"), papers).readMarks().FSE;
    }
    static QLineEdit *edit(QWidget *w, const QString &name) { return w->findChild<QLineEdit *>(name); }
    static void mark(PaperWindow *w)
    {
        frmPopUp::setNextAnswer(true);
        QTest::mouseClick(w->toolbarButton(2), Qt::LeftButton);
    }
    static void closePaper(PaperWindow *w)
    {
        frmPopUp::setNextAnswer(true);
        w->ClosePaper();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QLineEdit> m_response;
    TeacherModules::Outcome m_outcome;
};

void TestGuiModules::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QDir().mkpath(folder() + QStringLiteral("/pictures"));
    const QDir example(QStringLiteral(TESSALY_EXAMPLE_MODULE));
    for (const QString &name : example.entryList(QDir::Files))
        QVERIFY(QFile::copy(example.filePath(name), QDir(folder()).filePath(name)));
    QVERIFY(QFile::copy(example.filePath(QStringLiteral("pictures/flowering-plant.svg")),
                        QDir(folder()).filePath(QStringLiteral("pictures/flowering-plant.svg"))));
    MarkingProgress::setStepMilliseconds(1);
    BrowserModule::setFactory([](QWidget *parent) { return new FakeBrowser(parent); });
    frmPopUp::clearNextAnswers();
}

void TestGuiModules::cleanup()
{
    BrowserModule::setFactory({});
    Module3::RemoveAddedResources();
    m_dir.reset();
}

std::unique_ptr<Contents> TestGuiModules::startWindow()
{
    Module3::RemoveAddedResources();
    ProgramConfig config = ProgramConfig::read(ws());
    m_outcome = TeacherModules::load(ws(), config, QCoreApplication::applicationFilePath());
    TeacherModules::install(m_outcome);
    auto contents = std::make_unique<Contents>(ws(), config);
    contents->setPaperWindows(std::make_unique<ContentsPaperWindows>());
    contents->Form_Load();
    contents->show();
    if (!QTest::qWaitForWindowExposed(contents.get()))
        return nullptr;
    return contents;
}

void TestGuiModules::folderModuleWorksLikeTheProgramsOwn()
{
    std::unique_ptr<Contents> c = startWindow();
    QVERIFY(c);
    QVERIFY(m_outcome.leftOut.isEmpty());
    // Its tab first, the program's own after it.
    QCOMPARE(c->tab(1)->caption()->text(), QStringLiteral("Revision"));
    QCOMPARE(c->tab(1)->toolTip(), QStringLiteral("Load Revision Module"));
    QCOMPARE(c->tab(1)->x(), 2);
    QCOMPARE(c->tab(2)->x(), 2 + c->tab(1)->width() - 2);
    QCOMPARE(c->field(QStringLiteral("LChose")), QStringLiteral("1"));
    QCOMPARE(c->homePanel()->topicLabel(1)->text(), QStringLiteral("Plants and Their Parts"));
    QVERIFY(!c->homePanel()->topicLabel(2)->isVisible());
    // Its six results files were made at start.
    for (int k = ResultsStore::Marks; k <= ResultsStore::Trend; ++k)
        QVERIFY(QFile::exists(ws().file(ResultsStore::fileName(static_cast<ResultsStore::Stem>(k), 1, "TY"))));
    const QStringList practice = marksRow(2, 15);

    auto *papers = static_cast<ContentsPaperWindows *>(c->paperWindows());
    QTest::mouseClick(c->homePanel()->loadButton(1, 1), Qt::LeftButton);
    PaperWindow *w = papers->current();
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Plants and Their Parts - Paper 1"));
    auto *browser = w->findChild<FakeBrowser *>();
    QVERIFY(browser);
    QVERIFY(browser->navigations.last().endsWith(QStringLiteral("temppaper20001.mht")));
    QCOMPARE(TestFiles::read(browser->navigations.last()), Module3::ResourceBytes(20001));
    edit(w, QStringLiteral("FA1"))->setText(QStringLiteral("3")); // right
    QTest::mouseClick(w->toolbarButton(6), Qt::LeftButton);
    edit(w, QStringLiteral("FA1"))->setText(QStringLiteral("2")); // wrong
    mark(w);
    QCOMPARE(w->score(), QStringLiteral("25"));
    closePaper(w);
    QTRY_VERIFY(!papers->current());
    QCOMPARE(marksRow(1, 5).first(), QStringLiteral("25"));
    QCOMPARE(marksRow(2, 15), practice);
    QCOMPARE(c->homePanel()->firstScore(1)->text().remove(QLatin1Char('%')).trimmed(), QStringLiteral("25"));

    // A second attempt, then the report of this module.
    QTest::mouseClick(c->homePanel()->loadButton(1, 2), Qt::LeftButton);
    w = papers->current();
    QVERIFY(w);
    QCOMPARE(w->objectName(), QStringLiteral("Test2"));
    for (const char *answer : {"1", "2", "4"}) {
        QTest::mouseClick(w->toolbarButton(6), Qt::LeftButton);
        edit(w, QStringLiteral("FA1"))->setText(QString::fromLatin1(answer));
    }
    mark(w);
    QCOMPARE(w->score(), QStringLiteral("100"));
    closePaper(w);
    QTRY_VERIFY(!papers->current());
    QCOMPARE(ResultsStore(ws(), 1, "TY", 5).readMarks().SSE.first(), QStringLiteral("100"));
    c->ToolBarClick(2);
    QCOMPARE(c->field(QStringLiteral("PCNum")), QStringLiteral("1 / 5"));
    QCOMPARE(c->field(QStringLiteral("TopLab1")), QStringLiteral("Plants and Their Parts"));

    // The Trash erases every present module's results, this one's too.
    c->TabClick(4);
    c->ToolBarClick(2);
    c->trashPanel()->ButTrash_Click();
    c->trashPanel()->ButTrash_Yes_Click();
    for (int n : {1, 2})
        QCOMPARE(TestFiles::read(ws().file(ResultsStore::fileName(ResultsStore::Marks, n, "TY"))),
                 Module3::ResourceBytes(ResultsStore::templateId(ResultsStore::Marks, n)));
}

void TestGuiModules::brokenFolderLeavesTheOtherModules()
{
    const QString paper = QDir(folder()).filePath(QStringLiteral("paper104.txt"));
    TestFiles::write(paper, TestFiles::read(paper).replace("answer 2\n", "answer two\n"));
    std::unique_ptr<Contents> c = startWindow();
    QVERIFY(c);
    QCOMPARE(m_outcome.leftOut.size(), 1);
    QVERIFY(TeacherModules::notice(m_outcome.leftOut).contains(QStringLiteral("\"revision\"")));
    QVERIFY(c->tab(1)->x() < 0);
    QCOMPARE(c->tab(2)->x(), 2);
    QCOMPARE(c->field(QStringLiteral("LChose")), QStringLiteral("2"));
    QCOMPARE(c->homePanel()->topicLabel(1)->text(), QStringLiteral("Human Body Systems"));
    QVERIFY(!QFile::exists(ws().file(ResultsStore::fileName(ResultsStore::Marks, 1, "TY"))));
    QVERIFY(TestFiles::read(m_outcome.leftOut.first().errorFile).contains("revision/paper104.txt:"));
}

TESSALY_PAPER_TEST_MAIN(TestGuiModules)
#include "tst_gui_modules.moc"
