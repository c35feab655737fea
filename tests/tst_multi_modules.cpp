#include "ProgramConfig.h"
#include "Resources.h"
#include "ResultsStore.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

// Configuration and results files with all three modules present.
class TestMultiModules : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_dir.reset(new QTemporaryDir); }
    void cleanup() { m_dir.reset(); }

    void everyModuleIsRead();
    void oneEraseResetsEveryModule();
    void missingFileOfOneModuleResetsAll();

private:
    Workspace ws() const { return Workspace(m_dir->path()); }
    QString file(ResultsStore::Stem stem, int module) const
    {
        return ws().file(ResultsStore::fileName(stem, module, QStringLiteral("TY")));
    }
    void verifyAllTemplates()
    {
        for (int n = 1; n <= 3; ++n)
            for (int k = ResultsStore::Marks; k <= ResultsStore::Trend; ++k) {
                const auto stem = static_cast<ResultsStore::Stem>(k);
                QCOMPARE(TestFiles::read(file(stem, n)),
                         Module3::ResourceBytes(ResultsStore::templateId(stem, n)));
            }
    }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestMultiModules::everyModuleIsRead()
{
    const ProgramConfig config = ProgramConfig::read(ws());
    QCOMPARE(config.firstPresentModule(), 1);
    const QStringList labels{"Revision", "Practice", "Exam"};
    for (int n = 1; n <= 3; ++n) {
        QCOMPARE(config.module(n).label, labels.at(n - 1));
        QCOMPARE(config.module(n).topicCount, 1);
        QCOMPARE(config.module(n).paperCount, 5);
    }
    QCOMPARE(config.module(3).topicNames, QStringList{"Mock Examination"});
    // Each module has its own tables.
    for (int n = 1; n <= 3; ++n)
        for (int id = 30002; id <= 30005; ++id)
            QVERIFY(Module3::ResourceExists(id + 10 * n));
}

void TestMultiModules::oneEraseResetsEveryModule()
{
    const ProgramConfig config = ProgramConfig::read(ws());
    CheckResultsFiles(ws(), config);
    for (int n = 1; n <= 3; ++n) {
        ResultsStore store(ws(), n, config.code, 5);
        MarksRows rows = store.readMarks();
        QStringList lines = store.readPaperLines(ResultsStore::FResults);
        QVERIFY(store.storeFirstAttempt(rows, lines, 1, {QString(QChar(0xFC))}, 1, "100", "0:0:5",
                                        "08/12/2026"));
    }
    QVERIFY(ResetResultsFiles(ws(), config));
    verifyAllTemplates();
}

void TestMultiModules::missingFileOfOneModuleResetsAll()
{
    const ProgramConfig config = ProgramConfig::read(ws());
    CheckResultsFiles(ws(), config);
    verifyAllTemplates();
    TestFiles::write(file(ResultsStore::Marks, 1), "#FSE#>50\r\n");
    QVERIFY(QFile::remove(file(ResultsStore::SResults, 3)));
    CheckResultsFiles(ws(), config);
    verifyAllTemplates();
}

QTEST_GUILESS_MAIN(TestMultiModules)
#include "tst_multi_modules.moc"
