#include "PictureNames.h"
#include "ProgramConfig.h"
#include "Resources.h"
#include "ResultsStore.h"
#include "Startup.h"
#include "support/TestFiles.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

// Start-up in a fresh folder, pictures, configuration and the results files.
class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_dir.reset(new QTemporaryDir); }
    void cleanup() { m_dir.reset(); }

    void firstRunFillsEmptyFolder();
    void picturesAreRealImagesOfTheirFormat();
    void changedPictureIsRewritten();
    void extractResourceLeavesExactLength();
    void extractResourceReportsFailures();
    void missingTrendFileResetsEveryFile();
    void resetAfterMarkedPapersRestoresTemplates();
    void configurationWithoutModules();
    void leftoversOfAnInterruptedRunAreRemoved();
    void leftoversAreKnownByNameAlone_data();
    void leftoversAreKnownByNameAlone();
    void graphicsThatCannotBeUsedIsNeverWritten_data();
    void graphicsThatCannotBeUsedIsNeverWritten();
    void graphicsLinkedInsideTheFolderIsUsed();

private:
    Workspace ws() const { return Workspace(m_dir->path()); }
    void verifyTemplates(const ProgramConfig &config, int module)
    {
        for (int k = ResultsStore::Marks; k <= ResultsStore::Trend; ++k) {
            const auto stem = static_cast<ResultsStore::Stem>(k);
            const QString file = ws().file(ResultsStore::fileName(stem, module, config.code));
            QVERIFY2(QFile::exists(file), qPrintable(file));
            QCOMPARE(TestFiles::read(file), Module3::ResourceBytes(ResultsStore::templateId(stem, module)));
        }
    }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestStartup::firstRunFillsEmptyFolder()
{
    Startup::ExtractGraphics(ws());
    QCOMPARE(QDir(ws().graphicsFolder()).entryList(QDir::Files).size(), 89);

    const ProgramConfig config = ProgramConfig::read(ws());
    QCOMPARE(config.name, QStringLiteral("Tessaly"));
    QCOMPARE(config.code, QStringLiteral("TY"));
    QCOMPARE(config.firstPresentModule(), 2);
    QVERIFY(!config.module(1).present());
    QVERIFY(config.module(2).topicCount > 0);
    QCOMPARE(config.module(2).paperCount, 5 * config.module(2).topicCount);
    QCOMPARE(config.module(2).topicNames.size(), config.module(2).topicCount);
    QCOMPARE(config.module(2).topicNames.first(), QStringLiteral("Human Body Systems"));
    QVERIFY(!QFile::exists(ws().file(QStringLiteral("temptext30000.txt"))));

    CheckResultsFiles(ws(), config);
    verifyTemplates(config, 2);
    // The marks template holds one empty score and one "0" status per paper.
    ResultsStore store(ws(), 2, config.code, config.module(2).paperCount);
    const MarksRows rows = store.readMarks();
    QCOMPARE(rows.FSE, QStringList(config.module(2).paperCount, QString()));
    QCOMPARE(rows.SST, QStringList(config.module(2).paperCount, QStringLiteral("0")));
    QCOMPARE(store.readTrendLine(), QStringLiteral("#TRD#"));
}

void TestStartup::picturesAreRealImagesOfTheirFormat()
{
    Startup::ExtractGraphics(ws());
    for (const PictureEntry &p : kPictures) {
        const QString name = QString::fromLatin1(p.name.data(), qsizetype(p.name.size()));
        QImageReader reader(ws().graphic(name));
        QVERIFY2(reader.canRead(), qPrintable(name));
        QCOMPARE(reader.format(), name.section(QLatin1Char('.'), -1).toLower().toLatin1());
    }
}

void TestStartup::changedPictureIsRewritten()
{
    Startup::ExtractGraphics(ws());
    const QString bullet = ws().graphic(QStringLiteral("bullet.bmp"));
    const QByteArray original = TestFiles::read(bullet);
    TestFiles::write(bullet, "scribbled");
    Startup::ExtractGraphics(ws());
    QCOMPARE(TestFiles::read(bullet), original);
    // A change that keeps the length must be caught as well.
    QByteArray flipped = original;
    flipped[flipped.size() / 2] = char(~flipped.at(flipped.size() / 2));
    TestFiles::write(bullet, flipped);
    Startup::ExtractGraphics(ws());
    QCOMPARE(TestFiles::read(bullet), original);
}

void TestStartup::extractResourceLeavesExactLength()
{
    const QString path = ws().file(QStringLiteral("temptext.txt"));
    const QByteArray bytes = Module3::ResourceBytes(30000);
    QVERIFY(!bytes.isEmpty());
    TestFiles::write(path, QByteArray(bytes.size() * 3, 'z'));
    QCOMPARE(Module3::ExtractResource(30000, QStringLiteral("Custom"), path), 0);
    QCOMPARE(TestFiles::read(path), bytes);
}

void TestStartup::extractResourceReportsFailures()
{
    const QString path = ws().file(QStringLiteral("x.txt"));
    QVERIFY(Module3::ExtractResource(29999, QStringLiteral("Custom"), path) != 0);
    QVERIFY(!QFile::exists(path));
    QVERIFY(Module3::ExtractResource(30000, QStringLiteral("Custom"),
                                     ws().file(QStringLiteral("no/such/folder/x.txt"))) != 0);
}

void TestStartup::missingTrendFileResetsEveryFile()
{
    const ProgramConfig config = ProgramConfig::read(ws());
    CheckResultsFiles(ws(), config);
    const QString marks = ws().file(ResultsStore::fileName(ResultsStore::Marks, 2, config.code));
    TestFiles::write(marks, "#FSE#>80\r\n");
    QVERIFY(QFile::remove(ws().file(ResultsStore::fileName(ResultsStore::Trend, 2, config.code))));
    CheckResultsFiles(ws(), config);
    verifyTemplates(config, 2);
}

void TestStartup::resetAfterMarkedPapersRestoresTemplates()
{
    const ProgramConfig config = ProgramConfig::read(ws());
    CheckResultsFiles(ws(), config);
    const int papers = config.module(2).paperCount;
    ResultsStore store(ws(), 2, config.code, papers);
    MarksRows rows = store.readMarks();
    QStringList lines = store.readPaperLines(ResultsStore::FResults);
    QVERIFY(store.storeFirstAttempt(rows, lines, 1, {QString(QChar(0xFC))}, 1, "100", "0:1:2",
                                    "08/12/2026"));
    QVERIFY(store.readTrendLine() != QStringLiteral("#TRD#"));
    QVERIFY(ResetResultsFiles(ws(), config));
    verifyTemplates(config, 2);
}

void TestStartup::configurationWithoutModules()
{
    const QString path = ws().file(QStringLiteral("config.txt"));
    TestFiles::write(path, "...\r\n#NME#>Tessaly\r\n#COD#>TY\r\n...");
    const ProgramConfig config = ProgramConfig::readFile(path);
    QCOMPARE(config.firstPresentModule(), 0);
    CheckResultsFiles(ws(), config); // nothing to check, nothing written
    QCOMPARE(QDir(ws().folder()).entryList(QDir::Files).size(), 1);
}

void TestStartup::leftoversOfAnInterruptedRunAreRemoved()
{
    const QStringList scratch{"temppaper16001.mht", "temptext.txt", "temptext30000.txt",
                              "marks2TY.txt.new-a1B2c3"};
    for (const QString &name : scratch)
        TestFiles::write(ws().file(name), "x");
    TestFiles::write(ws().file(QStringLiteral("marks2TY.txt")), "#FSE#>80\r\n");
    TestFiles::write(ws().file(QStringLiteral("notes.txt")), "mine");
    Startup::RemoveLeftovers(ws());
    for (const QString &name : scratch)
        QVERIFY2(!QFile::exists(ws().file(name)), qPrintable(name));
    QCOMPARE(TestFiles::read(ws().file(QStringLiteral("marks2TY.txt"))), QByteArray("#FSE#>80\r\n"));
    QVERIFY(QFile::exists(ws().file(QStringLiteral("notes.txt"))));
}

void TestStartup::leftoversAreKnownByNameAlone_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("leftover");
    QTest::newRow("page") << "temppaper16001.mht" << true;
    QTest::newRow("page, other case") << "TempPaper17289.MHT" << true;
    QTest::newRow("table") << "temptext.txt" << true;
    QTest::newRow("configuration") << "TEMPTEXT30000.txt" << true;
    QTest::newRow("half-written") << "trend2TY.txt.new-Zz09aB" << true;
    QTest::newRow("results") << "marks2TY.txt" << false;
    QTest::newRow("page of another kind") << "temppaper16001.html" << false;
    QTest::newRow("other table") << "temptext1.txt" << false;
    QTest::newRow("short suffix") << "marks2TY.txt.new-abc" << false;
    QTest::newRow("long suffix") << "marks2TY.txt.new-abcdefg" << false;
    QTest::newRow("pupil's file") << "notes.txt" << false;
}

void TestStartup::leftoversAreKnownByNameAlone()
{
    QFETCH(QString, name);
    QFETCH(bool, leftover);
    QCOMPARE(Startup::IsLeftover(name), leftover);
}

void TestStartup::graphicsThatCannotBeUsedIsNeverWritten_data()
{
    QTest::addColumn<QString>("kind"); // what stands in the place of Graphics
    QTest::addColumn<int>("expected");
    QTest::addRow("a file") << "file" << int(Startup::GraphicsFolder::NotAFolder);
    QTest::addRow("a link to a folder elsewhere") << "link out" << int(Startup::GraphicsFolder::LinkOutside);
    QTest::addRow("a link to nothing elsewhere") << "dangling out" << int(Startup::GraphicsFolder::LinkOutside);
    QTest::addRow("a link to a file inside") << "link to file" << int(Startup::GraphicsFolder::NotAFolder);
}

void TestStartup::graphicsThatCannotBeUsedIsNeverWritten()
{
    QFETCH(QString, kind);
    QFETCH(int, expected);
    QTemporaryDir elsewhere;
    const QString graphics = ws().graphicsFolder();
    if (kind == QLatin1String("file"))
        TestFiles::write(graphics, "not a folder");
    else if (kind == QLatin1String("link out"))
        QVERIFY(QFile::link(elsewhere.path(), graphics));
    else if (kind == QLatin1String("dangling out"))
        QVERIFY(QFile::link(elsewhere.filePath(QStringLiteral("pictures")), graphics));
    else {
        TestFiles::write(ws().file(QStringLiteral("notes.txt")), "mine");
        QVERIFY(QFile::link(ws().file(QStringLiteral("notes.txt")), graphics));
    }
    QCOMPARE(int(Startup::ExtractGraphics(ws())), expected);
    QCOMPARE(int(Startup::PrepareWorkspace(ws())), expected);
    // Nothing written through it, nothing made in its place.
    QVERIFY(QDir(elsewhere.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    if (kind == QLatin1String("file"))
        QCOMPARE(TestFiles::read(graphics), QByteArray("not a folder"));
    if (kind == QLatin1String("link to file"))
        QCOMPARE(TestFiles::read(ws().file(QStringLiteral("notes.txt"))), QByteArray("mine"));
    QVERIFY(!Startup::GraphicsNotice().isEmpty());
}

void TestStartup::graphicsLinkedInsideTheFolderIsUsed()
{
    QVERIFY(QDir(ws().folder()).mkdir(QStringLiteral("pictures")));
    QVERIFY(QFile::link(QStringLiteral("pictures"), ws().graphicsFolder()));
    QCOMPARE(Startup::ExtractGraphics(ws()), Startup::GraphicsFolder::Usable);
    QCOMPARE(QDir(ws().file(QStringLiteral("pictures"))).entryList(QDir::Files).size(), 89);
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
