#include "ModuleCheck.h"
#include "ModuleFolder.h"
#include "ProgramConfig.h"
#include "Records.h"
#include "Resources.h"
#include "ResultsStore.h"
#include "TeacherModules.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

// Teachers' module folders in the workspace: checked, compiled and cached at
// start, beside the test content's own module 2 ("Practice", 15 papers).
class TestModules : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void validFolderBecomesModule();
    void addingAModuleKeepsOtherResults();
    void brokenFolderIsLeftOut_data();
    void brokenFolderIsLeftOut();
    void linkOutOfTheFolderIsRefused();
    void headerIsReadWithinBounds();
    void twoFoldersClaimingOneSlot();
    void changedPaperIsRebuiltAtNextStart();
    void damagedCacheIsRebuilt();
    void erasingWithThreeModules();
    void vanishedFolderLeavesResultsUntouched();
    void anotherFolderInTheSlotShelvesResults();
    void programResourcesAreNeverShadowed();
    void checkAndStartRefuseShadowingFolderAlike();
    void checkCommandExitStatus();

private:
    Workspace ws() const { return Workspace(m_dir->path()); }
    QString modules() const { return ws().file(QStringLiteral("Modules")); }
    // A copy of the example module as Modules/<name>, its slot changed when
    // given.
    QString addExample(const QString &name, int slot = 0);
    QString file(const QString &folder, const QString &name) const
    {
        return QDir(modules()).filePath(folder + QLatin1Char('/') + name);
    }
    void edit(const QString &path, const QByteArray &from, const QByteArray &to)
    {
        QByteArray bytes = TestFiles::read(path);
        QVERIFY2(bytes.contains(from), from.constData());
        TestFiles::write(path, bytes.replace(from, to));
    }
    // One start: the configuration, the folders, the results files.
    TeacherModules::Outcome start(ProgramConfig &config)
    {
        Module3::RemoveAddedResources();
        config = ProgramConfig::read(ws());
        TeacherModules::Outcome out = TeacherModules::load(ws(), config, QCoreApplication::applicationFilePath());
        TeacherModules::install(out);
        CheckResultsFiles(ws(), config);
        return out;
    }
    QString results(ResultsStore::Stem stem, int module) const
    {
        return ws().file(ResultsStore::fileName(stem, module, QStringLiteral("TY")));
    }
    // Marks paper 1 of `module` as done with `score`.
    void markFirstPaper(int module, int papers, const QString &score)
    {
        ResultsStore store(ws(), module, QStringLiteral("TY"), papers);
        MarksRows rows = store.readMarks();
        QStringList lines = store.readPaperLines(ResultsStore::FResults);
        // As a paper window stores it: one mark per slot of the paper.
        const int count = int(store.currentLines(ResultsStore::FResults).value(0).count(QLatin1Char('>')));
        QVERIFY(store.storeFirstAttempt(rows, lines, 1, QStringList(count, QString(QChar(0xFC))), count,
                                        score, "0:1:2", "08/12/2026"));
    }
    // The example as module 1, its paper 1 marked; its files' bytes.
    QByteArray startWithMarkedRevision(ProgramConfig &config);
    QByteArray moduleFiles(int module) const
    {
        QByteArray all;
        for (int k = ResultsStore::Marks; k <= ResultsStore::Trend; ++k)
            all += TestFiles::read(results(static_cast<ResultsStore::Stem>(k), module)) + '|';
        return all;
    }
    bool holdsTemplates(int module) const
    {
        for (int k = ResultsStore::Marks; k <= ResultsStore::Trend; ++k) {
            const auto stem = static_cast<ResultsStore::Stem>(k);
            if (TestFiles::read(results(stem, module)) != Module3::ResourceBytes(ResultsStore::templateId(stem, module)))
                return false;
        }
        return true;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {

void copyFolder(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QFileInfo &info : QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = QDir(to).filePath(info.fileName());
        if (info.isDir())
            copyFolder(info.filePath(), target);
        else
            QFile::copy(info.filePath(), target);
    }
}

QStringList valuesOf(int resource, const QString &key)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.txt"));
    TestFiles::write(path, Module3::ResourceBytes(resource));
    return Module1::ReadValuesForKeys(path, {key});
}

} // namespace

void TestModules::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestModules::cleanup()
{
    Module3::RemoveAddedResources();
    m_dir.reset();
}

QString TestModules::addExample(const QString &name, int slot)
{
    const QString folder = QDir(modules()).filePath(name);
    copyFolder(QStringLiteral(TESSALY_EXAMPLE_MODULE), folder);
    if (slot)
        edit(QDir(folder).filePath(QStringLiteral("module.txt")), "#SLT#>1", "#SLT#>" + QByteArray::number(slot));
    return folder;
}

void TestModules::validFolderBecomesModule()
{
    addExample(QStringLiteral("revision"));
    ProgramConfig config;
    const TeacherModules::Outcome out = start(config);
    QVERIFY(out.leftOut.isEmpty());
    QCOMPARE(config.firstPresentModule(), 1);
    const ModuleConfig &m = config.module(1);
    QCOMPARE(m.label, QStringLiteral("Revision"));
    QCOMPARE(m.topicNames, QStringList{QStringLiteral("Plants and Their Parts")});
    QCOMPARE(m.paperCount, 5);
    QCOMPARE(m.folder, QStringLiteral("revision"));
    QCOMPARE(config.module(2).label, QStringLiteral("Practice"));

    // Read through the program's own readers: paper 5's first question has
    // four slots, its page carries the diagram.
    QTemporaryDir scratch;
    const QString lists = scratch.filePath(QStringLiteral("lists.txt"));
    QCOMPARE(Module3::ExtractResource(30012, QStringLiteral("Custom"), lists), 0);
    const QStringList ids = Module1::ReadAllKeyValues(lists, QStringLiteral("105"));
    QCOMPARE(ids.size(), 4);
    QVERIFY(ids.first().toInt() >= ModuleFolder::firstQuestionId(1));
    QCOMPARE(valuesOf(30014, ids.first()), QStringList(4, QStringLiteral("M")));
    QVERIFY(Module3::ResourceBytes(ids.first().toInt()).contains("Content-Type: image/svg+xml"));
    // The start-up check made its six files from its own templates.
    QVERIFY(holdsTemplates(1));
    QVERIFY(!QFile::exists(QDir(modules()).filePath(QStringLiteral("revision-errors.txt"))));
}

void TestModules::addingAModuleKeepsOtherResults()
{
    ProgramConfig config;
    start(config);
    markFirstPaper(2, 15, QStringLiteral("80"));
    const QByteArray practice = moduleFiles(2);
    addExample(QStringLiteral("revision"));
    start(config);
    QVERIFY(config.module(1).present());
    QCOMPARE(moduleFiles(2), practice);
    QVERIFY(holdsTemplates(1));
}

void TestModules::brokenFolderIsLeftOut_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QString>("expected");

    QTest::addRow("option out of range") << "paper101.txt" << QByteArray("answer 3\n") << QByteArray("answer 7\n")
                                         << "revision/paper101.txt:9: 'answer' must name option 1, 2, 3 or 4";
    QTest::addRow("slot of the program") << "module.txt" << QByteArray("#SLT#>1") << QByteArray("#SLT#>2")
                                         << "revision/module.txt:10: SLT must be 1 or 3";
    QTest::addRow("paper count") << "module.txt" << QByteArray("#PAP#>5") << QByteArray("#PAP#>10")
                                 << "revision/module.txt:12: PAP must be 5";
    QTest::addRow("label too wide") << "module.txt" << QByteArray("#LBL#>Revision")
                                    << QByteArray("#LBL#>Revision for the test")
                                    << "revision/module.txt:9: the label \"Revision for the test\" has 21 characters";
    QTest::addRow("label as markup") << "module.txt" << QByteArray("#LBL#>Revision") << QByteArray("#LBL#>Rev<img")
                                     << "revision/module.txt:9: the label cannot hold '<'";
    QTest::addRow("picture name leaves") << "paper105.txt" << QByteArray("picture flowering-plant.svg")
                                         << QByteArray("picture ../../secret.svg")
                                         << "revision/paper105.txt:4: 'picture' needs the file name";
    QTest::addRow("script in a diagram") << "pictures/flowering-plant.svg" << QByteArray("<title>")
                                         << QByteArray("<script>alert(1)</script><title>")
                                         << "revision/paper105.txt:4: picture flowering-plant.svg holds a <script>";
    QTest::addRow("handler in a diagram") << "pictures/flowering-plant.svg" << QByteArray("<rect x=\"0\"")
                                          << QByteArray("<rect onload=\"go()\" x=\"0\"")
                                          << "picture flowering-plant.svg has an event attribute onload";
    QTest::addRow("link out of a diagram") << "pictures/flowering-plant.svg" << QByteArray("<title>")
                                           << QByteArray("<image href=\"file:///etc/passwd\"/><title>")
                                           << "picture flowering-plant.svg links to \"file:///etc/passwd\"";
    QTest::addRow("paper too large") << "paper102.txt" << QByteArray("% Plants")
                                     << QByteArray(600 * 1024, '%') + "\n% Plants"
                                     << "more than the 512 KB allowed";
}

void TestModules::brokenFolderIsLeftOut()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QString, expected);
    addExample(QStringLiteral("revision"));
    edit(file(QStringLiteral("revision"), name), from, to);

    ProgramConfig config;
    const TeacherModules::Outcome out = start(config);
    QVERIFY(!config.module(1).present());
    QVERIFY(out.resources.isEmpty());
    QCOMPARE(config.module(2).label, QStringLiteral("Practice"));
    QVERIFY(holdsTemplates(2));
    QVERIFY(!QFile::exists(results(ResultsStore::Marks, 1)));
    QCOMPARE(out.leftOut.size(), 1);
    QCOMPARE(out.leftOut.first().folder, QStringLiteral("revision"));
    QVERIFY(TeacherModules::notice(out.leftOut).contains(QStringLiteral("\"revision\"")));

    const QString errors = QString::fromUtf8(TestFiles::read(out.leftOut.first().errorFile));
    QCOMPARE(QFileInfo(out.leftOut.first().errorFile).dir().path(), modules());
    QVERIFY2(errors.contains(expected), qPrintable(errors));

    // The teacher corrects it: the module is there at the next start, the
    // list is gone.
    edit(file(QStringLiteral("revision"), name), to, from);
    start(config);
    QCOMPARE(config.module(1).label, QStringLiteral("Revision"));
    QVERIFY(!QFile::exists(out.leftOut.first().errorFile));
}

void TestModules::linkOutOfTheFolderIsRefused()
{
    addExample(QStringLiteral("revision"));
    const QString outside = m_dir->filePath(QStringLiteral("outside.svg"));
    QVERIFY(QFile::copy(file(QStringLiteral("revision"), QStringLiteral("pictures/flowering-plant.svg")), outside));
    QVERIFY(QFile::remove(file(QStringLiteral("revision"), QStringLiteral("pictures/flowering-plant.svg"))));
    QVERIFY(QFile::link(outside, file(QStringLiteral("revision"), QStringLiteral("pictures/flowering-plant.svg"))));
    const ModuleFolder::Result r = ModuleFolder::compile(QDir(modules()).filePath(QStringLiteral("revision")));
    QVERIFY(!r.ok);
    QCOMPARE(r.problems.size(), 1);
    QVERIFY(r.problems.first().message.contains(QStringLiteral("lies outside the module folder")));
    QVERIFY(r.problems.first().file.endsWith(QStringLiteral("paper105.txt")));
}

void TestModules::headerIsReadWithinBounds()
{
    const QString folder = addExample(QStringLiteral("revision"));
    const QString header = QDir(folder).filePath(QStringLiteral("module.txt"));
    const QByteArray good = TestFiles::read(header);
    const auto onlyProblem = [&](const QString &expected) {
        const ModuleFolder::Result r = ModuleFolder::compile(folder);
        QVERIFY(!r.ok);
        QVERIFY(r.resources.isEmpty());
        QCOMPARE(r.problems.size(), 1);
        QCOMPARE(r.problems.first().file, header);
        QVERIFY2(r.problems.first().message.contains(expected), qPrintable(r.problems.first().message));
    };

    // Too large: refused before it is parsed.
    TestFiles::write(header, good + QByteArray(ModuleFolder::kMaxHeaderBytes, '\n'));
    onlyProblem(QStringLiteral("module.txt is 17 KB, more than the 16 KB allowed"));
    TestFiles::write(header, good);
    QVERIFY(ModuleFolder::compile(folder).ok);

    // A link to a file outside the folder is not followed.
    const QString outside = m_dir->filePath(QStringLiteral("module.txt"));
    QVERIFY(QFile::rename(header, outside));
    QVERIFY(QFile::link(outside, header));
    onlyProblem(QStringLiteral("module.txt lies outside the module folder (it is a link)"));
    QVERIFY(QFile::remove(header));

    // Missing, with the name written differently pointed out.
    onlyProblem(QStringLiteral("module.txt is missing; it gives"));
    QVERIFY(QFile::rename(outside, QDir(folder).filePath(QStringLiteral("Module.TXT"))));
    onlyProblem(QStringLiteral("module.txt is missing (there is Module.TXT: the name is written in small letters)"));
}

void TestModules::twoFoldersClaimingOneSlot()
{
    addExample(QStringLiteral("b-exam"));
    addExample(QStringLiteral("a-revision"));
    edit(file(QStringLiteral("b-exam"), QStringLiteral("module.txt")), "#LBL#>Revision", "#LBL#>Exam");
    ProgramConfig config;
    TeacherModules::Outcome out = start(config);
    // The first by name keeps the slot.
    QCOMPARE(config.module(1).folder, QStringLiteral("a-revision"));
    QVERIFY(!config.module(3).present());
    QCOMPARE(out.leftOut.size(), 1);
    QCOMPARE(out.leftOut.first().folder, QStringLiteral("b-exam"));
    const QString errors = QString::fromUtf8(TestFiles::read(out.leftOut.first().errorFile));
    QVERIFY2(errors.contains(QStringLiteral("b-exam/module.txt:10: SLT is 1, but the folder \"a-revision\" already "
                                            "fills slot 1; give this module slot 3")),
             qPrintable(errors));

    edit(file(QStringLiteral("b-exam"), QStringLiteral("module.txt")), "#SLT#>1", "#SLT#>3");
    out = start(config);
    QVERIFY(out.leftOut.isEmpty());
    QCOMPARE(config.module(3).label, QStringLiteral("Exam"));
    QCOMPARE(config.module(1).label, QStringLiteral("Revision"));
    // Each module has its own pages.
    QVERIFY(Module3::ResourceExists(ModuleFolder::firstQuestionId(1)));
    QVERIFY(Module3::ResourceExists(ModuleFolder::firstQuestionId(3)));
    QVERIFY(holdsTemplates(3));
}

void TestModules::changedPaperIsRebuiltAtNextStart()
{
    addExample(QStringLiteral("revision"));
    ProgramConfig config;
    start(config);
    const QString cache = ws().file(QStringLiteral("ModuleCache/revision.cache"));
    QVERIFY(QFile::exists(cache));
    const int firstPage = ModuleFolder::firstQuestionId(1);
    QCOMPARE(valuesOf(30013, QString::number(firstPage)), QStringList{QStringLiteral("3")});

    // Same length and, as some editors leave it, the same modification
    // time: the change time still tells.
    const QString paper = file(QStringLiteral("revision"), QStringLiteral("paper101.txt"));
    const QDateTime modified = QFileInfo(paper).lastModified();
    QTest::qWait(20);
    edit(paper, "answer 3\n", "answer 4\n");
    QFile f(paper);
    QVERIFY(f.open(QIODevice::ReadWrite) && f.setFileTime(modified, QFileDevice::FileModificationTime));
    f.close();
    start(config);
    QCOMPARE(valuesOf(30013, QString::number(firstPage)), QStringList{QStringLiteral("4")});
    // Unchanged since: read from the cache, and still readable once the
    // start's own results are gone.
    const QDateTime cached = QFileInfo(cache).lastModified();
    start(config);
    QCOMPARE(QFileInfo(cache).lastModified(), cached);
    QCOMPARE(valuesOf(30013, QString::number(firstPage)), QStringList{QStringLiteral("4")});
    QVERIFY(Module3::ResourceBytes(firstPage).contains("Which part of a plant takes in water"));
}

void TestModules::damagedCacheIsRebuilt()
{
    addExample(QStringLiteral("revision"));
    ProgramConfig config;
    start(config);
    const QString cache = ws().file(QStringLiteral("ModuleCache/revision.cache"));
    const QByteArray good = TestFiles::read(cache);
    TestFiles::write(cache, good.left(good.size() / 2));
    start(config);
    QCOMPARE(config.module(1).label, QStringLiteral("Revision"));
    QCOMPARE(TestFiles::read(cache), good);
}

void TestModules::erasingWithThreeModules()
{
    addExample(QStringLiteral("revision"));
    addExample(QStringLiteral("exam"), 3);
    ProgramConfig config;
    start(config);
    for (int n = 1; n <= 3; ++n) {
        QVERIFY(config.module(n).present());
        markFirstPaper(n, config.module(n).paperCount, QStringLiteral("50"));
        QVERIFY(!holdsTemplates(n));
    }
    QVERIFY(ResetResultsFiles(ws(), config));
    for (int n = 1; n <= 3; ++n)
        QVERIFY2(holdsTemplates(n), qPrintable(QString::number(n)));
}

QByteArray TestModules::startWithMarkedRevision(ProgramConfig &config)
{
    addExample(QStringLiteral("revision"));
    start(config);
    markFirstPaper(1, 5, QStringLiteral("75"));
    return moduleFiles(1);
}

void TestModules::vanishedFolderLeavesResultsUntouched()
{
    ProgramConfig config;
    const QByteArray revision = startWithMarkedRevision(config);
    const QString folder = QDir(modules()).filePath(QStringLiteral("revision"));

    QVERIFY(QDir(folder).removeRecursively());
    start(config);
    QVERIFY(!config.module(1).present());
    QVERIFY(ResetResultsFiles(ws(), config));
    QCOMPARE(moduleFiles(1), revision);
    QVERIFY(!QFile::exists(ws().file(QStringLiteral("ModuleCache/revision.cache"))));

    // Back again, with its results.
    addExample(QStringLiteral("revision"));
    start(config);
    QCOMPARE(moduleFiles(1), revision);
    QCOMPARE(ResultsStore(ws(), 1, config.code, 5).readMarks().FSE.first(), QStringLiteral("75"));
}

void TestModules::anotherFolderInTheSlotShelvesResults()
{
    ProgramConfig config;
    const QByteArray kept = startWithMarkedRevision(config);
    const QString revision = QDir(modules()).filePath(QStringLiteral("revision"));

    // Another module's papers must not show the former one's scores.
    QVERIFY(QDir(revision).removeRecursively());
    addExample(QStringLiteral("exam"));
    start(config);
    QCOMPARE(config.module(1).folder, QStringLiteral("exam"));
    QVERIFY(holdsTemplates(1));
    QCOMPARE(TestFiles::read(ws().file(QStringLiteral("ModuleResults/revision/marks1TY.txt"))),
             kept.left(kept.indexOf('|')));

    QVERIFY(QDir(QDir(modules()).filePath(QStringLiteral("exam"))).removeRecursively());
    addExample(QStringLiteral("revision"));
    start(config);
    QCOMPARE(moduleFiles(1), kept);
}

void TestModules::programResourcesAreNeverShadowed()
{
    const QByteArray own = Module3::ResourceBytes(30022);
    QVERIFY(!own.isEmpty());
    QVERIFY(!Module3::AddResources({{30022, "#101#>1\r\n"}, {20001, "page"}}));
    QCOMPARE(Module3::ResourceBytes(30022), own);
    QVERIFY(!Module3::ResourceExists(20001));
}

void TestModules::checkAndStartRefuseShadowingFolderAlike()
{
    // A program whose own pages hold the first page id of slot 3, though its
    // configuration leaves the slot empty.
    struct Registered {
        bool ok = QResource::registerResource(QStringLiteral(TESSALY_CLASH_RCC));
        ~Registered() { QResource::unregisterResource(QStringLiteral(TESSALY_CLASH_RCC)); }
    } registered;
    QVERIFY(registered.ok);
    QVERIFY(Module3::InProgramFile(ModuleFolder::firstQuestionId(3)));
    const QString folder = addExample(QStringLiteral("exam"), 3);

    QString output;
    QTextStream out(&output);
    QCOMPARE(ModuleCheck::run(folder, out), 1);
    const QString expected = QStringLiteral("this program already uses the page numbers of slot 3");
    QVERIFY2(output.startsWith(folder + QStringLiteral(": ") + expected), qPrintable(output));
    QVERIFY2(!output.contains(QStringLiteral("no mistakes")), qPrintable(output));

    ProgramConfig config;
    const TeacherModules::Outcome started = start(config);
    QVERIFY(!config.module(3).present());
    QVERIFY(started.resources.isEmpty());
    QCOMPARE(started.leftOut.size(), 1);
    QCOMPARE(started.leftOut.first().reason, QStringLiteral("they clash with the program's own papers"));
    const QString errors = QString::fromUtf8(TestFiles::read(started.leftOut.first().errorFile));
    QVERIFY2(errors.contains(QStringLiteral("\nexam: ") + expected), qPrintable(errors));

    // In slot 1 it shadows nothing: both take it.
    edit(QDir(folder).filePath(QStringLiteral("module.txt")), "#SLT#>3", "#SLT#>1");
    output.clear();
    QCOMPARE(ModuleCheck::run(folder, out), 0);
    QVERIFY2(output.contains(QStringLiteral("no mistakes")), qPrintable(output));
    QVERIFY(start(config).leftOut.isEmpty());
    QCOMPARE(config.module(1).folder, QStringLiteral("exam"));
}

void TestModules::checkCommandExitStatus()
{
    // A valid folder's status is checked on the real program (check-module.sh);
    // a doubtful one is still valid, its doubts listed.
    const QString folder = addExample(QStringLiteral("revision"));
    QString output;
    QTextStream out(&output);
    edit(QDir(folder).filePath(QStringLiteral("paper105.txt")), "Roots; Root; The roots; The root", "Roots");
    QCOMPARE(ModuleCheck::run(folder, out), 0);
    QVERIFY2(output.startsWith(folder + QStringLiteral("/paper105.txt:13: warning: 'Roots' is accepted without "
                                                       "its singular")),
             qPrintable(output));
    output.clear();
    edit(QDir(folder).filePath(QStringLiteral("paper103.txt")), "4) Pea\n", "");
    edit(QDir(folder).filePath(QStringLiteral("module.txt")), "#SLT#>1", "#SLT#>2");
    QCOMPARE(ModuleCheck::run(folder, out), 1);
    const QStringList lines = output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines.at(0).startsWith(folder + QStringLiteral("/module.txt:10: SLT must be 1 or 3")), qPrintable(output));
    QVERIFY2(lines.at(1).startsWith(folder + QStringLiteral("/paper103.txt:3: multiple-choice question has 3 options")),
             qPrintable(output));

    output.clear();
    QCOMPARE(ModuleCheck::run(m_dir->filePath(QStringLiteral("nowhere")), out), 1);
    QVERIFY(output.startsWith(m_dir->filePath(QStringLiteral("nowhere: no such folder"))));
    QCOMPARE(ModuleCheck::run(QString(), out), 2);

    const char *argv[] = {"tessaly", "--check-module", "Modules/x"};
    QVERIFY(ModuleCheck::requested(3, const_cast<char **>(argv)) == QStringLiteral("Modules/x"));
    QVERIFY(!ModuleCheck::requested(1, const_cast<char **>(argv)));
}

QTEST_GUILESS_MAIN(TestModules)
#include "tst_modules.moc"
