#include "ContentCompiler.h"
#include "ContentWarnings.h"
#include "PageArchive.h"
#include "PageHtml.h"
#include "PaperParser.h"
#include "Records.h"
#include "Resources.h"
#include "TextCodec.h"
#include "support/MhtmlReader.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using Files = QMap<QString, QByteArray>;

// The content compiler: parsing, slot encoding, every check, the page
// archives and the resources the build embeds.
class TestQuizc : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_dir.reset(new QTemporaryDir); }
    void cleanup() { m_dir.reset(); }

    void testContentMatchesEmbeddedBundle();
    void testContentKeepsCatalogueInvariants();
    void encodesEachKind_data();
    void encodesEachKind();
    void templatesAreExact();
    void configurationIsCp1252WithCrLf();
    void rejectsBrokenPaper_data();
    void rejectsBrokenPaper();
    void rejectsBrokenConfiguration_data();
    void rejectsBrokenConfiguration();
    void shippedStructure_data();
    void shippedStructure();
    void papersBeyondConfigurationAreCheckedNotEmitted();
    void archiveDecodesToPageAndPictures_data();
    void archiveDecodesToPageAndPictures();
    void quotedPrintableRoundTrip_data();
    void quotedPrintableRoundTrip();
    void pageLabelsAndEscaping();
    void writesOneFilePerResourceAndQrc();
    void contentWarnings_data();
    void contentWarnings();

private:
    QString tree(const Files &files);
    static Files smallTree();
    static QByteArray mcq(int n);
    QStringList warningsOf(const Files &files);
    static Files shippedTopic(int topic);
    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {

const QByteArray kConfig1 = "...\n#NME#>Tessaly\n#COD#>TY\n-------------------------------\n"
                            "#LBH#>Practice\n#TT2#>1\n#TP2#>5\n#TN2#>Human Body Systems\n...\n";

const QByteArray kOneMcq = "question\nWhich organ pumps blood?\n1) Lungs\n2) Heart\n3) Skin\n4) Brain\nanswer 2\n";

QByteArray resource(const ContentCompiler &c, int id) { return c.resources().value(id); }

QStringList diagnosticTexts(const ContentCompiler &c)
{
    QStringList out;
    for (const auto &e : c.diagnostics().entries())
        out.append(e.text());
    return out;
}

// The values of a per-question resource line, read as the program reads it.
QStringList valuesOf(const QByteArray &resourceBytes, const QString &id, QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("temptext.txt"));
    TestFiles::write(path, resourceBytes);
    return Module1::ReadValuesForKeys(path, {id});
}

} // namespace

QString TestQuizc::tree(const Files &files)
{
    const QString root = m_dir->filePath(QStringLiteral("quiz"));
    QDir().mkpath(root + QStringLiteral("/pictures"));
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const QString path = root + QLatin1Char('/') + it.key();
        QDir().mkpath(QFileInfo(path).path());
        TestFiles::write(path, it.value());
    }
    return root;
}

// Keys 1, 2, 3, 4, 1, ...: as balanced as n questions allow.
QByteArray TestQuizc::mcq(int n)
{
    QByteArray out;
    for (int i = 0; i < n; ++i)
        out += "question\nQuestion " + QByteArray::number(i + 1) + "?\n1) A\n2) B\n3) C\n4) D\nanswer " +
               QByteArray::number(i % 4 + 1) + "\n\n";
    return out;
}

// One topic of five one-question papers.
Files TestQuizc::smallTree()
{
    Files f{{"config.txt", kConfig1}};
    for (int key = 101; key <= 105; ++key)
        f.insert(QStringLiteral("module2/paper%1.txt").arg(key), kOneMcq);
    return f;
}

// The five papers of a shipped topic in their required shapes.
Files TestQuizc::shippedTopic(int topic)
{
    static const QMap<int, QPair<int, int>> typed{{105, {24, 79}}, {110, {19, 77}}, {115, {19, 78}}};
    Files f;
    for (int j = 1; j <= 5; ++j) {
        const int key = 100 + 5 * (topic - 1) + j;
        QByteArray text;
        if (typed.contains(key)) {
            const auto [questions, slotTotal] = typed.value(key);
            int left = slotTotal;
            for (int q = questions; q >= 1; --q) {
                const int n = q == 1 ? left : qMin(left - (q - 1), 4);
                text += "question\nName the parts.\n";
                for (int s = 0; s < n; ++s)
                    text += "part Part " + QByteArray::number(s + 1) + "\n= T 1 Word\n";
                left -= n;
            }
        } else {
            text = mcq(30);
        }
        f.insert(QStringLiteral("module2/paper%1.txt").arg(key), text);
    }
    return f;
}

void TestQuizc::testContentMatchesEmbeddedBundle()
{
    ContentCompiler compiler({});
    QVERIFY2(compiler.compile(QStringLiteral(TESSALY_TEST_CONTENT_DIR)),
             qPrintable(diagnosticTexts(compiler).join(u'\n')));
    // Every resource the tests embed is what the compiler makes now.
    QCOMPARE(compiler.resources().size(), 11 + 40);
    for (auto it = compiler.resources().cbegin(); it != compiler.resources().cend(); ++it)
        QVERIFY2(Module3::ResourceBytes(it.key()) == it.value(), qPrintable(QString::number(it.key())));
}

void TestQuizc::testContentKeepsCatalogueInvariants()
{
    ContentCompiler compiler({});
    QVERIFY(compiler.compile(QStringLiteral(TESSALY_TEST_CONTENT_DIR)));
    const QString lists = m_dir->filePath(QStringLiteral("lists.txt"));
    const QString keys = m_dir->filePath(QStringLiteral("keys.txt"));
    const QString kinds = m_dir->filePath(QStringLiteral("kinds.txt"));
    const QString values = m_dir->filePath(QStringLiteral("values.txt"));
    const QString first = m_dir->filePath(QStringLiteral("first.txt"));
    TestFiles::write(lists, resource(compiler, 30022));
    TestFiles::write(keys, resource(compiler, 30023));
    TestFiles::write(kinds, resource(compiler, 30024));
    TestFiles::write(values, resource(compiler, 30025));
    TestFiles::write(first, resource(compiler, 30122));

    const QStringList firstLines = Module1::ReadPaperLines(first, 15);
    int expectedId = ContentCompiler::kFirstQuestionId;
    for (int p = 1; p <= 15; ++p) {
        const QStringList ids = Module1::ReadAllKeyValues(lists, QString::number(100 + p));
        QVERIFY(!ids.isEmpty());
        for (const QString &id : ids)
            QCOMPARE(id.toInt(), expectedId++);
        // One forward scan per resource finds the paper's lines.
        const QList<int> perQuestion = Module1::CountValuesPerKey(keys, ids);
        QCOMPARE(Module1::CountValuesPerKey(kinds, ids), perQuestion);
        QCOMPARE(Module1::CountValuesPerKey(values, ids), perQuestion);
        const int slotCount = int(Module1::ReadValuesForKeys(keys, ids).size());
        QCOMPARE(int(Module1::ReadValuesForKeys(kinds, ids).size()), slotCount);
        QCOMPARE(firstLines.value(p - 1).count(u'>'), slotCount);
        for (int n : perQuestion)
            QVERIFY(n >= 1 && n <= 20);
    }
    QCOMPARE(expectedId, 16041);

    // Paper 113: questions of 1, 4 and 2 slots; paper 110 has a 16-slot question.
    const QStringList ids113 = Module1::ReadAllKeyValues(lists, QStringLiteral("113"));
    QCOMPARE(Module1::CountValuesPerKey(keys, ids113), (QList<int>{1, 4, 2}));
    QCOMPARE(Module1::CountValuesPerKey(keys, Module1::ReadAllKeyValues(lists, QStringLiteral("110"))),
             (QList<int>{16, 1}));
}

void TestQuizc::encodesEachKind_data()
{
    QTest::addColumn<QByteArray>("question");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("kinds");
    QTest::addColumn<QString>("values");

    QTest::addRow("multiple choice") << kOneMcq << "2" << "Q" << "1";
    QTest::addRow("multiple choice, two marks")
        << QByteArray("question 2\nPick.\n1) a\n2) b\n3) c\n4) d\nanswer 4\n") << "4" << "Q" << "2";
    QTest::addRow("T") << QByteArray("question\nStem.\npart Producer?\n= T 1 Grass\n") << "Grass" << "T" << "1";
    QTest::addRow("T phrase, true/false")
        << QByteArray("question\nStem.\npart A\n= T 2 Water vapour\npart B\n= T 1 F\n") << "Water vapour>F"
        << "T>T" << "2>1";
    QTest::addRow("N") << QByteArray("question\nStem.\npart A\n= N 3 0.25\n") << "0.25" << "N" << "3";
    QTest::addRow("M, blanks trimmed")
        << QByteArray("question\nStem.\npart A\n= M 1 Steam ;  Water vapour;Gas \n") << ";Steam;Water vapour;Gas"
        << "M" << "1";
    QTest::addRow("G group of three")
        << QByteArray("question\nStem.\npart A\n= G 3x1 Flour; Seed; Chalk; Sand\n") << ";Flour;Seed;Chalk;Sand> > "
        << "G>G>G" << "1>1>1";
    QTest::addRow("G of two worth 2 each")
        << QByteArray("question\nStem.\npart A\n= G 2x2 Heat; Sound\n") << ";Heat;Sound> " << "G>G" << "2>2";
    QTest::addRow("parts in order, several lines in a part")
        << QByteArray("question\nStem.\npart A\n= T 1 Grass\n= N 1 3\npart B\n= G 2x1 Frog; Heron\npart C\n"
                      "= M 1 Gas; Steam\n")
        << "Grass>3>;Frog;Heron> >;Gas;Steam" << "T>N>G>G>M" << "1>1>1>1>1";
    QTest::addRow("Windows-1252 characters in a key")
        << QByteArray("question\nStem.\npart A\n= T 1 Caf\xc3\xa9 \xe2\x82\xac\n") << QStringLiteral("Café €")
        << "T" << "1";
}

void TestQuizc::encodesEachKind()
{
    QFETCH(QByteArray, question);
    QFETCH(QString, keys);
    QFETCH(QString, kinds);
    QFETCH(QString, values);
    Files files = smallTree();
    files.insert(QStringLiteral("module2/paper101.txt"), question);
    ContentCompiler compiler({});
    QVERIFY2(compiler.compile(tree(files)), qPrintable(diagnosticTexts(compiler).join(u'\n')));
    const QString id = QStringLiteral("16001");
    QCOMPARE(valuesOf(resource(compiler, 30023), id, *m_dir).join(u'>'), keys);
    QCOMPARE(valuesOf(resource(compiler, 30024), id, *m_dir).join(u'>'), kinds);
    QCOMPARE(valuesOf(resource(compiler, 30025), id, *m_dir).join(u'>'), values);
    // The key resource holds Windows-1252 bytes.
    QVERIFY(resource(compiler, 30023).contains(TextCodec::toCp1252(keys.section(u'>', 0, 0))));
}

void TestQuizc::templatesAreExact()
{
    Files files = smallTree();
    files.insert(QStringLiteral("module2/paper102.txt"), "question\nStem.\npart A\n= T 1 x\n= G 2x1 a; b\n");
    ContentCompiler compiler({});
    QVERIFY(compiler.compile(tree(files)));
    QCOMPARE(resource(compiler, 30121), QByteArray("...\r\n#FSE#>>>>>\r\n#SSE#>>>>>\r\n#LTM#>>>>>\r\n"
                                                   "#CDD#>>>>>\r\n#FST#>0>0>0>0>0\r\n#SST#>0>0>0>0>0\r\n..."));
    const QByteArray perPaper("...\r\n#101#>\r\n#102#>>>\r\n#103#>\r\n#104#>\r\n#105#>\r\n...");
    for (int id = 30122; id <= 30125; ++id)
        QCOMPARE(resource(compiler, id), perPaper);
    QCOMPARE(resource(compiler, 30126), QByteArray("#TRD#"));
    QCOMPARE(resource(compiler, 30022),
             QByteArray("...\r\n#101#>16001\r\n#102#>16002\r\n#103#>16003\r\n#104#>16004\r\n#105#>16005\r\n...\r\n"));
    QCOMPARE(resource(compiler, 30024),
             QByteArray("...\r\n#16001#>Q\r\n#16002#>T>G>G\r\n#16003#>Q\r\n#16004#>Q\r\n#16005#>Q\r\n...\r\n"));
    // No other module exists.
    QVERIFY(!compiler.resources().contains(30012));
    QVERIFY(!compiler.resources().contains(30131));
}

void TestQuizc::configurationIsCp1252WithCrLf()
{
    Files files = smallTree();
    files.insert(QStringLiteral("config.txt"),
                 QByteArray(kConfig1).replace("#NME#>Tessaly", "#NME#>Tessaly \xc3\xa9t\xc3\xa9").replace('\n', "\r\n"));
    ContentCompiler compiler({});
    QVERIFY(compiler.compile(tree(files)));
    QByteArray expected = kConfig1;
    expected.replace("#NME#>Tessaly", "#NME#>Tessaly \xe9t\xe9").replace("\n", "\r\n");
    QCOMPARE(resource(compiler, 30000), expected);
}

void TestQuizc::rejectsBrokenPaper_data()
{
    QTest::addColumn<QByteArray>("paper");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("message");

    const QByteArray stem = "question\nStem.\npart A\n";
    QTest::addRow("three options") << QByteArray("question\nQ?\n1) a\n2) b\n3) c\nanswer 1\n") << 1 << "has 3 options";
    QTest::addRow("five options") << QByteArray("question\nQ?\n1) a\n2) b\n3) c\n4) d\n5) e\nanswer 1\n") << 1
                                  << "has 5 options; it needs exactly four";
    QTest::addRow("options out of order") << QByteArray("question\nQ?\n1) a\n3) b\n2) c\n4) d\nanswer 1\n") << 4
                                          << "option 3) is out of order; expected 2)";
    QTest::addRow("empty option") << QByteArray("question\nQ?\n1) a\n2)\n3) c\n4) d\nanswer 1\n") << 4
                                  << "option 2) has no text";
    QTest::addRow("no answer line") << QByteArray("question\nQ?\n1) a\n2) b\n3) c\n4) d\n") << 1
                                    << "has no 'answer N' line";
    QTest::addRow("answer out of range") << QByteArray("question\nQ?\n1) a\n2) b\n3) c\n4) d\nanswer 5\n") << 7
                                         << "must name option 1, 2, 3 or 4";
    QTest::addRow("second answer") << QByteArray("question\nQ?\n1) a\n2) b\n3) c\n4) d\nanswer 1\nanswer 2\n") << 8
                                   << "second 'answer' line";
    QTest::addRow("text after answer") << QByteArray("question\nQ?\n1) a\n2) b\n3) c\n4) d\nanswer 1\nMore.\n")
                                       << 8 << "text after the 'answer' line";
    QTest::addRow("text between options") << QByteArray("question\nQ?\n1) a\nand more\n2) b\n3) c\n4) d\nanswer 1\n")
                                          << 4 << "text between the options";
    QTest::addRow("part in a multiple-choice question")
        << QByteArray("question\nQ?\n1) a\n2) b\n3) c\n4) d\nanswer 1\npart X\n") << 8 << "cannot have parts";
    QTest::addRow("bad question marks") << QByteArray("question x\nQ?\n1) a\n2) b\n3) c\n4) d\nanswer 1\n") << 1
                                        << "whole number from 1 to 99";
    QTest::addRow("marks on a structured question") << QByteArray("question 2\nStem.\npart A\n= T 1 x\n") << 1
                                                    << "marks on the 'question' line";
    QTest::addRow("question without answers") << QByteArray("question\nJust text.\n") << 1
                                              << "question has no answers";
    QTest::addRow("question without text") << QByteArray("question\n1) a\n2) b\n3) c\n4) d\nanswer 1\n") << 1
                                           << "question has no text";
    QTest::addRow("text before the first question") << QByteArray("Hello\n") + kOneMcq << 1
                                                    << "text before the first 'question'";
    QTest::addRow("empty paper") << QByteArray("% nothing yet\n") << 1 << "paper has no questions";
    QTest::addRow("= before the first part") << QByteArray("question\nStem.\n= T 1 x\npart A\n= T 1 y\n") << 3
                                             << "before the first 'part'";
    QTest::addRow("part without answer") << QByteArray("question\nStem.\npart A\npart B\n= T 1 x\n") << 3
                                         << "part has no '=' answer line";
    QTest::addRow("text after the answers of a part") << stem + "= T 1 x\nMore text.\n" << 5
                                                      << "text after the '=' lines";
    QTest::addRow("unknown kind") << stem + "= L 1 long\n" << 4 << "unknown answer kind 'L'";
    QTest::addRow("marks missing") << stem + "= T Grass\n" << 4 << "marks must be a whole number";
    QTest::addRow("marks zero") << stem + "= N 0 3\n" << 4 << "marks must be a whole number";
    QTest::addRow("key missing") << stem + "= T 1\n" << 4 << "answer line has no key";
    QTest::addRow("key with >") << stem + "= T 1 a>b\n" << 4 << "cannot hold '>'";
    QTest::addRow("key with #") << stem + "= M 1 a; #b\n" << 4 << "cannot hold '#'";
    QTest::addRow("; in a T key") << stem + "= T 1 a; b\n" << 4 << "only allowed in M and G keys";
    QTest::addRow("key outside Windows-1252") << stem + "= T 1 \xe2\x86\x92\n" << 4 << "not in Windows-1252";
    QTest::addRow("N key not a number") << stem + "= N 1 three\n" << 4 << "number written in decimal";
    QTest::addRow("empty alternative") << stem + "= M 1 Gas;; Steam\n" << 4 << "empty alternative";
    QTest::addRow("group without kxm") << stem + "= G 2 a; b\n" << 4 << "kxm";
    QTest::addRow("group of zero slots") << stem + "= G 0x1 a; b\n" << 4 << "a group has 1 to 20 slots";
    QTest::addRow("group with too few alternatives") << stem + "= G 3x1 a; b\n" << 4
                                                     << "needs at least 3 alternatives; it has 2";
    QTest::addRow("group listing one twice") << stem + "= G 2x1 Heat; heat\n" << 4 << "listed twice";
    QTest::addRow("question of 21 slots") << QByteArray("question\nStem.\npart A\n= G 21x1 ") +
                                                 QByteArray("a;b;c;d;e;f;g;h;i;j;k;l;m;n;o;p;q;r;s;t;u\n")
                                          << 4 << "a group has 1 to 20 slots";
    {
        QByteArray wide = "question\nStem.\n";
        for (int i = 0; i < 21; ++i)
            wide += "part P\n= T 1 x\n";
        QTest::addRow("question of 21 parts") << wide << 1 << "question has 21 answer slots; at most 20";
    }
    {
        QByteArray big;
        for (int q = 0; q < 9; ++q) {
            big += "question\nStem.\n";
            for (int i = 0; i < 9; ++i)
                big += "part P\n= T 1 x\n";
        }
        QTest::addRow("paper of 81 slots") << big << 1 << "paper has 81 answer slots; at most 80";
    }
    QTest::addRow("missing picture") << QByteArray("question\npicture nothere.svg\nStem.\npart A\n= T 1 x\n") << 2
                                     << "picture nothere.svg does not exist";
    QTest::addRow("picture named wrongly") << QByteArray("question\npicture diagram.png\nStem.\npart A\n= T 1 x\n")
                                           << 2 << "file name of an SVG";
    QTest::addRow("picture not well-formed") << QByteArray("question\npicture broken.svg\nStem.\npart A\n= T 1 x\n")
                                             << 2 << "picture broken.svg is not well-formed";
    QTest::addRow("picture not an SVG") << QByteArray("question\npicture html.svg\nStem.\npart A\n= T 1 x\n") << 2
                                        << "has no <svg> root";
    QTest::addRow("unclosed tag") << QByteArray("question\nA <b>bold\nstem.\n1) a\n2) b\n3) c\n4) d\nanswer 1\n")
                                  << 2 << "<b> is not closed";
    QTest::addRow("stray closing tag") << QByteArray("question\nQ?\n1) a</i>\n2) b\n3) c\n4) d\nanswer 1\n") << 3
                                       << "</i> does not close";
    QTest::addRow("table rows of different widths")
        << QByteArray("question\n| A | B |\n| 1 | 2 | 3 |\nQ?\n1) a\n2) b\n3) c\n4) d\nanswer 1\n") << 3
        << "table row has 3 cells but the header row has 2";
    QTest::addRow("invalid UTF-8") << QByteArray("question\nQ\xff?\n1) a\n2) b\n3) c\n4) d\nanswer 1\n") << 2
                                   << "not valid UTF-8";
}

void TestQuizc::rejectsBrokenPaper()
{
    QFETCH(QByteArray, paper);
    QFETCH(int, line);
    QFETCH(QString, message);
    Files files = smallTree();
    files.insert(QStringLiteral("module2/paper103.txt"), paper);
    files.insert(QStringLiteral("pictures/broken.svg"), "<svg xmlns=\"http://www.w3.org/2000/svg\"><rect></svg>");
    files.insert(QStringLiteral("pictures/html.svg"), "<html><body/></html>");
    const QString root = tree(files);
    ContentCompiler compiler({});
    QVERIFY(!compiler.compile(root));
    QVERIFY(compiler.resources().isEmpty());
    const QString prefix = QDir(root).filePath(QStringLiteral("module2/paper103.txt")) + QLatin1Char(':') +
                           QString::number(line) + QStringLiteral(": ");
    const QStringList texts = diagnosticTexts(compiler);
    const bool found = std::any_of(texts.cbegin(), texts.cend(), [&](const QString &t) {
        return t.startsWith(prefix) && t.contains(message);
    });
    QVERIFY2(found, qPrintable(texts.join(u'\n')));
}

void TestQuizc::rejectsBrokenConfiguration_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QString>("extraFile"); // a paper file to add, or empty
    QTest::addColumn<QString>("where");     // "config.txt:LINE" or a paper file
    QTest::addColumn<QString>("message");

    auto with = [](const char *from, const char *to) { return QByteArray(kConfig1).replace(from, to); };
    QTest::addRow("paper count not five times topics") << with("#TP2#>5", "#TP2#>4") << "" << "config.txt:7"
                                                       << "TP2 must be five times TT2";
    QTest::addRow("too many topics") << with("#TT2#>1", "#TT2#>11") << "" << "config.txt:6"
                                     << "TT2 must be one whole number from 0 to 10";
    QTest::addRow("paper count not a number") << with("#TP2#>5", "#TP2#>five") << "" << "config.txt:7"
                                              << "TP2 must be one whole number";
    QTest::addRow("names do not match topics") << with(">Human Body Systems", ">A>B") << "" << "config.txt:8"
                                               << "TN2 lists 2 topic names but TT2 is 1";
    QTest::addRow("empty topic name") << with(">Human Body Systems", ">") << "" << "config.txt:8"
                                      << "empty topic name";
    QTest::addRow("paper missing") << with("#TT2#>1", "#TT2#>2").replace("#TP2#>5", "#TP2#>10").replace(
                                          "Systems", "Systems>Matter")
                                   << "" << "config.txt:7" << "module2/paper106.txt is missing";
    QTest::addRow("unknown key") << with("#COD#>TY", "#COD#>TY\n#XYZ#>1") << "" << "config.txt:4"
                                 << "unknown configuration key XYZ";
    QTest::addRow("key given twice") << with("#COD#>TY", "#COD#>TY\n#COD#>XX") << "" << "config.txt:4"
                                     << "COD is given twice";
    QTest::addRow("not a record") << with("#COD#>TY", "#COD#>TY\nCOD TY") << "" << "config.txt:4"
                                  << "not a record line";
    QTest::addRow("value without >") << with("#COD#>TY", "#COD#TY") << "" << "config.txt:3"
                                     << "values start with '>'";
    QTest::addRow("character outside Windows-1252") << with("Tessaly", "Tessaly \xe2\x86\x92") << ""
                                                    << "config.txt:2" << "not in Windows-1252";
    QTest::addRow("product code missing") << with("#COD#>TY\n", "") << "" << "config.txt:1"
                                          << "COD is missing or empty";
    QTest::addRow("topic count missing") << with("#TT2#>1\n", "") << "" << "config.txt:1" << "TT2 is missing";
    // The program reads a one-value key as the whole rest of its line.
    QTest::addRow("label holding two values") << with("#LBH#>Practice", "#LBH#>Prac>tice") << ""
                                              << "config.txt:5" << "LBH holds one value";
    QTest::addRow("absent label with a hidden second value")
        << with("#LBH#>Practice", "#LBH#>Practice\n#LAH#>>Revision") << "" << "config.txt:6"
        << "LAH holds one value";
    QTest::addRow("product name holding two values") << with("Tessaly", "Tes>saly") << ""
                                                     << "config.txt:2" << "NME holds one value";
    QTest::addRow("product code that is no file name") << with("#COD#>TY", "#COD#>T/Y") << ""
                                                       << "config.txt:3" << "COD is part of";
    QTest::addRow("papers of an absent module") << QByteArray(kConfig1) << "module3/paper101.txt"
                                                << "config.txt:1" << "module3/ holds papers but LCH is empty";
    QTest::addRow("paper file named wrongly") << QByteArray(kConfig1) << "module2/paper99.txt"
                                              << "module2/paper99.txt:1" << "named paper101.txt to paper150.txt";
    QTest::addRow("paper key beyond 150") << QByteArray(kConfig1) << "module2/paper151.txt"
                                          << "module2/paper151.txt:1" << "named paper101.txt to paper150.txt";
}

void TestQuizc::rejectsBrokenConfiguration()
{
    QFETCH(QByteArray, config);
    QFETCH(QString, extraFile);
    QFETCH(QString, where);
    QFETCH(QString, message);
    Files files = smallTree();
    files.insert(QStringLiteral("config.txt"), config);
    if (!extraFile.isEmpty())
        files.insert(extraFile, kOneMcq);
    const QString root = tree(files);
    ContentCompiler compiler({});
    QVERIFY(!compiler.compile(root));
    const QString prefix = QDir(root).filePath(where) + QStringLiteral(": ");
    const QStringList texts = diagnosticTexts(compiler);
    const bool found = std::any_of(texts.cbegin(), texts.cend(), [&](const QString &t) {
        return t.startsWith(prefix) && t.contains(message);
    });
    QVERIFY2(found, qPrintable(texts.join(u'\n')));
}

void TestQuizc::shippedStructure_data()
{
    QTest::addColumn<int>("topics");      // topics whose five papers are written
    QTest::addColumn<QByteArray>("tt");   // TT2 / TP2 / TN2 lines of config.txt
    QTest::addColumn<QString>("change");  // a paper replaced: "key:what"
    QTest::addColumn<QString>("message"); // empty: compiles

    const QByteArray two = "#TT2#>2\n#TP2#>10\n#TN2#>Human Body Systems>Matter and Changes in States\n";
    const QByteArray none = "#TT2#>0\n#TP2#>0\n#TN2#>\n";
    QTest::addRow("two complete topics") << 2 << two << "" << "";
    QTest::addRow("nothing written yet") << 0 << none << "" << "";
    QTest::addRow("topic missing from TT2") << 2 << QByteArray("#TT2#>1\n#TP2#>5\n#TN2#>Human Body Systems\n") << ""
                                            << "config.txt:6: TT2 must be 2";
    QTest::addRow("incomplete topic listed") << 1 << two << "" << "config.txt:6: TT2 must be 1";
    QTest::addRow("later topic without earlier") << 0 << none << "extra:111" << "";
    QTest::addRow("wrong topic name") << 2 << QByteArray(two).replace("Matter and", "Matter &") << ""
                                      << "config.txt:8: TN2 must list the topic names";
    QTest::addRow("question missing") << 2 << two << "102:29" << "paper 102 must have 30 questions and 30 answer slots; it has 29 and 29";
    QTest::addRow("slot missing") << 2 << two << "105:drop" << "paper 105 must have 24 questions and 79 answer slots; it has 24 and 78";
    QTest::addRow("typed question in a multiple-choice paper")
        << 2 << two << "104:typed" << "paper 104 is a multiple-choice paper; question 30 is not multiple choice";
    QTest::addRow("keys moved but still balanced") << 2 << two << "103:1>3" << "";
    QTest::addRow("one option keyed too often")
        << 2 << two << "103:3>1" << "paper 103 must key each option 7 or 8 times; it keys 1) 9, 2) 8, 3) 6 and 4) 7 times";
}

void TestQuizc::shippedStructure()
{
    QFETCH(int, topics);
    QFETCH(QByteArray, tt);
    QFETCH(QString, change);
    QFETCH(QString, message);
    QByteArray config = "...\n#NME#>Tessaly\n#COD#>TY\n-------------------------------\n#LBH#>Practice\n" + tt + "...\n";
    Files files{{"config.txt", config}};
    for (int t = 1; t <= topics; ++t)
        files.insert(shippedTopic(t));
    if (topics == 1) // topic 2 partly written
        files.insert(QStringLiteral("module2/paper106.txt"), mcq(30));
    const QString key = change.section(u':', 0, 0), what = change.section(u':', 1);
    const QString paper = QStringLiteral("module2/paper%1.txt").arg(key);
    if (key == u"extra") {
        files.insert(QStringLiteral("module2/paper%1.txt").arg(what), mcq(30));
    } else if (what == u"29") {
        files.insert(paper, mcq(29));
    } else if (what == u"typed") {
        files.insert(paper, mcq(29) + "question\nStem.\npart A\n= T 1 x\n");
    } else if (what.contains(u'>')) {
        // The first question keyed "from" is keyed "to" instead.
        const QByteArray from = "answer " + what.section(u'>', 0, 0).toLatin1() + '\n';
        QByteArray text = files.value(paper);
        text.replace(text.indexOf(from), from.size(), "answer " + what.section(u'>', 1).toLatin1() + '\n');
        files.insert(paper, text);
    } else if (what == u"drop") {
        // The first question has four parts; it loses its last one.
        QByteArray text = files.value(paper);
        const QByteArray fourth = "part Part 4\n= T 1 Word\n";
        text.remove(text.indexOf(fourth), fourth.size());
        files.insert(paper, text);
    }
    const QString root = tree(files);
    ContentCompiler compiler({true});
    const bool ok = compiler.compile(root);
    const QStringList texts = diagnosticTexts(compiler);
    if (message.isEmpty()) {
        QVERIFY2(ok, qPrintable(texts.join(u'\n')));
        QCOMPARE(compiler.papers().value(2).size(), 5 * topics);
        return;
    }
    QVERIFY(!ok);
    const QString where = message.startsWith(u"config") ? QString() : paper + QStringLiteral(":1: ");
    const bool found = std::any_of(texts.cbegin(), texts.cend(), [&](const QString &t) {
        return t.contains(where + message) || t.endsWith(message);
    });
    QVERIFY2(found, qPrintable(texts.join(u'\n')));
    // Without the shipped checks the same tree is accepted when it is consistent.
    if (message.startsWith(u"paper")) {
        ContentCompiler loose({});
        QVERIFY2(loose.compile(root), qPrintable(diagnosticTexts(loose).join(u'\n')));
    }
}

void TestQuizc::papersBeyondConfigurationAreCheckedNotEmitted()
{
    Files files = smallTree();
    files.insert(QStringLiteral("module2/paper141.txt"), kOneMcq);
    ContentCompiler compiler({});
    QVERIFY(compiler.compile(tree(files)));
    QCOMPARE(compiler.papers().value(2).size(), 5);
    QVERIFY(!resource(compiler, 30022).contains("#141#"));
    QVERIFY(!compiler.resources().contains(16006));

    files.insert(QStringLiteral("module2/paper141.txt"), "question\nQ?\n1) a\nanswer 1\n");
    ContentCompiler broken({});
    QVERIFY(!broken.compile(tree(files)));
    QVERIFY(diagnosticTexts(broken).join(u'\n').contains(QStringLiteral("paper141.txt:1: multiple-choice question has 1 options")));
}

void TestQuizc::archiveDecodesToPageAndPictures_data()
{
    QTest::addColumn<QString>("paper");
    QTest::addColumn<int>("question"); // 0-based
    QTest::addColumn<QStringList>("pictures");

    QTest::addRow("multiple choice, no picture") << "101" << 0 << QStringList();
    QTest::addRow("multiple choice with a picture") << "102" << 0 << QStringList{"heart.svg"};
    QTest::addRow("structured with a picture") << "105" << 0 << QStringList{"food-chain.svg"};
    QTest::addRow("sixteen slots, no picture") << "110" << 0 << QStringList();
}

void TestQuizc::archiveDecodesToPageAndPictures()
{
    QFETCH(QString, paper);
    QFETCH(int, question);
    QFETCH(QStringList, pictures);
    ContentCompiler compiler({});
    QVERIFY(compiler.compile(QStringLiteral(TESSALY_TEST_CONTENT_DIR)));
    int id = ContentCompiler::kFirstQuestionId;
    const Quiz::Question *q = nullptr;
    for (const Quiz::Paper &p : compiler.papers().value(2)) {
        if (p.key == paper.toInt()) {
            q = &p.questions[question];
            id += question;
            break;
        }
        id += int(p.questions.size());
    }
    QVERIFY(q);
    const QByteArray bytes = resource(compiler, id);
    QVERIFY(!bytes.isEmpty());

    // Transport form: CR LF lines of at most 76 characters.
    for (const QByteArray &line : bytes.split('\n')) {
        QVERIFY(line.isEmpty() || line.endsWith('\r'));
        QVERIFY2(line.size() <= 77, line.constData());
    }
    QVERIFY(!bytes.contains("\n\n"));

    const MhtmlReader::Archive archive = MhtmlReader::read(bytes);
    QCOMPARE(archive.headers.value("mime-version"), QByteArray("1.0"));
    QCOMPARE(archive.headers.value("content-location"), PageArchive::pageLocation(id).toLatin1());
    QCOMPARE(archive.multipart, !pictures.isEmpty());
    QCOMPARE(archive.parts.size(), pictures.size() + 1);

    const MhtmlReader::Part &page = archive.parts.first();
    QVERIFY(page.headers.value("content-type").startsWith("text/html; charset=\"utf-8\""));
    QCOMPARE(page.headers.value("content-transfer-encoding"), QByteArray("quoted-printable"));
    const QString html = PageHtml::build(*q, id);
    QCOMPARE(QByteArray(page.body).replace("\r\n", "\n"), html.toUtf8());

    for (int i = 0; i < pictures.size(); ++i) {
        const MhtmlReader::Part &part = archive.parts[i + 1];
        QCOMPARE(part.headers.value("content-type"), QByteArray("image/svg+xml"));
        const QString location = PageArchive::pictureLocation(id, pictures[i]);
        QVERIFY(location.startsWith(u"http://"));
        QCOMPARE(part.headers.value("content-location"), location.toLatin1());
        QVERIFY(html.contains(QStringLiteral("<img src=\"%1\"").arg(location)));
        QCOMPARE(part.body, TestFiles::read(QStringLiteral(TESSALY_TEST_CONTENT_DIR "/pictures/") + pictures[i]));
    }
}

void TestQuizc::quotedPrintableRoundTrip_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addRow("plain") << QByteArray("<p class=\"x\">Hello</p>\n");
    QTest::addRow("long line") << QByteArray(300, 'a') + "\n";
    QTest::addRow("long line of escapes") << QByteArray(100, '=') + "\n";
    QTest::addRow("accents and symbols") << QByteArray("Caf\xc3\xa9 \xe2\x82\xac 25 \xc2\xb0""C \xf0\x9f\x8c\x8d\n");
    QTest::addRow("trailing blank") << QByteArray("line with blank \nnext\t\nend");
    QTest::addRow("blank at a soft break") << QByteArray(74, 'x') + "  y\n";
    QTest::addRow("empty lines") << QByteArray("a\n\n\nb\n");
}

void TestQuizc::quotedPrintableRoundTrip()
{
    QFETCH(QByteArray, text);
    const QByteArray encoded = PageArchive::quotedPrintable(text);
    for (const QByteArray &line : encoded.split('\n')) {
        QVERIFY(line.size() <= 77);
        const QByteArray bare = line.endsWith('\r') ? line.chopped(1) : line;
        QVERIFY2(!bare.endsWith(' ') && !bare.endsWith('\t'), bare.constData());
        for (char c : bare)
            QVERIFY(c >= 32 && c < 127);
    }
    QByteArray expected = text;
    expected.replace("\n", "\r\n");
    if (!expected.endsWith("\r\n"))
        expected += "\r\n";
    QCOMPARE(MhtmlReader::decodeQuotedPrintable(encoded), expected);
}

void TestQuizc::pageLabelsAndEscaping()
{
    Files files = smallTree();
    files.insert(QStringLiteral("module2/paper101.txt"),
                 "question\nIs 3 < 5 & \"big\"? <script>x</script> H<sub>2</sub>O <B>bold</B><br/>next\n"
                 "1) <i>yes</i>\n2) no\n3) a > b\n4) d\nanswer 1\n\n"
                 "question\nStem.\npart First\n= T 1 x\npart Second and third\n= G 2x1 a; b\npart Fourth\n= N 1 4\n\n"
                 "question\nOne slot only.\npart\n= T 1 T\n\n"
                 "question\nOne part of two slots.\npart Name two.\n= G 2x1 a; b\n");
    ContentCompiler compiler({});
    QVERIFY(compiler.compile(tree(files)));
    const QList<Quiz::Question> &qs = compiler.papers().value(2).first().questions;

    const QString mcqHtml = PageHtml::build(qs[0], 16001);
    QVERIFY(mcqHtml.contains(QStringLiteral("Is 3 &lt; 5 &amp; &quot;big&quot;? &lt;script&gt;x&lt;/script&gt; "
                                            "H<sub>2</sub>O <b>bold</b><br>next")));
    QVERIFY(!mcqHtml.contains(QStringLiteral("<script")));
    for (int n = 1; n <= 4; ++n) {
        // Each option a link the view catches, after the mark the page's
        // fragment targets to draw it chosen.
        QVERIFY(mcqHtml.contains(QStringLiteral("<li><span id=\"choice-%1\"></span><a href=\"#choice-%1\">"
                                                "<span class=\"num\">(%1)</span>")
                                     .arg(n)));
    }
    QVERIFY(mcqHtml.contains(QStringLiteral("ol.options :target + a {")));
    // Pages answered in words carry neither.
    const QString words = PageHtml::build(qs[1], 16002);
    QVERIFY(!words.contains(QStringLiteral("choice-")));
    QVERIFY(!words.contains(QStringLiteral(":target")));
    QVERIFY(mcqHtml.contains(QStringLiteral("<span><i>yes</i></span>")));
    QVERIFY(mcqHtml.contains(QStringLiteral("a &gt; b")));

    const QString parts = PageHtml::build(qs[1], 16002);
    const QRegularExpression label(QStringLiteral("<div class=\"label\">([^<]*)</div>"));
    QStringList labels;
    for (auto it = label.globalMatch(parts); it.hasNext();)
        labels.append(it.next().captured(1));
    QCOMPARE(labels, (QStringList{"(a)", "(b), (c)", "(d)"}));

    // The answer sheet shows no letter for a question of one slot.
    QVERIFY(!PageHtml::build(qs[2], 16003).contains(QStringLiteral("class=\"label\"")));
    QVERIFY(PageHtml::build(qs[3], 16004).contains(QStringLiteral("<div class=\"label\">(a), (b)</div>")));
    QCOMPARE(PageHtml::partLabel(19, 2), QStringLiteral("(s), (t)"));
}

void TestQuizc::writesOneFilePerResourceAndQrc()
{
    ContentCompiler compiler({});
    QVERIFY(compiler.compile(tree(smallTree())));
    const QString out = m_dir->filePath(QStringLiteral("out"));
    QString error;
    QVERIFY2(compiler.write(out, &error), qPrintable(error));
    const QStringList expected{"16001", "16002", "16003", "16004", "16005", "30000", "30022", "30023",
                               "30024", "30025", "30121", "30122", "30123", "30124", "30125", "30126"};
    QStringList names = QDir(out).entryList(QDir::Files);
    names.removeOne(QStringLiteral("resources.qrc"));
    names.sort();
    QCOMPARE(names, expected);
    for (const QString &n : expected)
        QCOMPARE(TestFiles::read(QDir(out).filePath(n)), resource(compiler, n.toInt()));
    const QByteArray qrc = TestFiles::read(QDir(out).filePath(QStringLiteral("resources.qrc")));
    QVERIFY(qrc.startsWith("<RCC><qresource prefix=\"/res\">"));
    for (const QString &n : expected)
        QVERIFY(qrc.contains(QStringLiteral("<file alias=\"%1\">%1</file>").arg(n).toLatin1()));
}

// The warnings of a one-topic tree in which `files` replace papers 101-105
// (each otherwise one question of its own) or add diagrams, as "file:line: kind".
QStringList TestQuizc::warningsOf(const Files &files)
{
    Files all{{"config.txt", kConfig1}};
    for (int key = 101; key <= 105; ++key)
        all.insert(QStringLiteral("module2/paper%1.txt").arg(key),
                   "question\nFiller " + QByteArray::number(key) + "?\n1) A\n2) B\n3) C\n4) D\nanswer 1\n");
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        all.insert(it.key().startsWith(u"pictures/") ? it.key() : QStringLiteral("module2/") + it.key(), it.value());
    const QString root = tree(all);
    ContentCompiler compiler({});
    if (!compiler.compile(root))
        return diagnosticTexts(compiler);
    QStringList out;
    for (const auto &w : ContentWarnings::check(compiler.papers().value(2), root + QStringLiteral("/pictures")))
        out.append(QStringLiteral("%1:%2: %3 %4").arg(QFileInfo(w.file).fileName()).arg(w.line).arg(w.kind, w.message));
    return out;
}

void TestQuizc::contentWarnings_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<QStringList>("expected"); // "file:line: kind" of each warning, in order
    QTest::addColumn<QString>("mention");      // in the first warning's message

    const auto typed = [](const QByteArray &answerLine) {
        return "question\nName one.\npart Which one?\n" + answerLine + "\n";
    };
    const QString at4 = QStringLiteral("paper105.txt:4: plural");
    QTest::addRow("plural without its singular")
        << Files{{"paper105.txt", typed("= M 1 Boats; Car; Cars")}} << QStringList{at4} << "'Boats' is accepted without its singular";
    QTest::addRow("singulars of -ies, -es, -ves, irregulars and phrases")
        << Files{{"paper105.txt", typed("= M 1 Taxis; Taxi; Batteries; Battery; Boxes; Box; Leaves; Leaf; Teeth; Tooth; "
                                        "Solar panels; Solar panel; Kidney beans; Bean; The tides; Tide; Partners; "
                                        "A partner; Phases of the Moon; Phase")}}
        << QStringList{} << "";
    QTest::addRow("irregular plurals alone") << Files{{"paper105.txt", typed("= M 1 Fungi; Mice")}} << QStringList{at4, at4} << "'Fungi'";
    QTest::addRow("words that only look plural")
        << Files{{"paper105.txt", typed("= M 1 Gas; Biogas; Lens; Iris; Virus; Glass; Scissors; Biceps; Dev's; Pancreas")}}
        << QStringList{} << "";
    QTest::addRow("phrases that need the plural")
        << Files{{"paper105.txt", typed("= M 1 Five days; 5 days; By animals; Fewer clips; Cutting down trees; "
                                        "Water and minerals; Coal, oil and gas")}}
        << QStringList{} << "";
    QTest::addRow("a T key is no list") << Files{{"paper105.txt", typed("= T 1 Lungs")}} << QStringList{} << "";
    QTest::addRow("group plural alone") << Files{{"paper105.txt", typed("= G 2x1 Jets; Boat; Bus")}} << QStringList{at4} << "'Jets'";
    QTest::addRow("group scoring one answer twice")
        << Files{{"paper105.txt", typed("= G 2x1 Cars; Car; Bus")}} << QStringList{at4} << "'Car' and 'Cars' each score";

    const QByteArray beans = "question\nName one.\npart Which one?\n% allow plural: Baked beans\n";
    const QString marker4 = QStringLiteral("paper105.txt:4: marker");
    QTest::addRow("marker keeps the plural it names")
        << Files{{"paper105.txt", beans + "= M 1 Baked beans; Toast\n"}} << QStringList{} << "";
    QTest::addRow("marker keeps only what it names")
        << Files{{"paper105.txt", beans + "= M 1 Baked beans; Noodles; Toast\n"}} << QStringList{"paper105.txt:5: plural"} << "'Noodles'";
    QTest::addRow("marker keeping nothing")
        << Files{{"paper105.txt", beans + "= M 1 Rice; Toast\n"}} << QStringList{marker4} << "'Baked beans'";
    QTest::addRow("blank line ends a marker")
        << Files{{"paper105.txt", beans + "\n= M 1 Baked beans; Toast\n"}} << QStringList{marker4, "paper105.txt:6: plural"} << "";
    QTest::addRow("unknown exception")
        << Files{{"paper105.txt", QByteArray(beans).replace("plural:", "plurals:") + "= M 1 Baked beans; Toast\n"}}
        << QStringList{marker4, "paper105.txt:5: plural"} << "unknown exception 'plurals'";
    QTest::addRow("plurals kept without names")
        << Files{{"paper105.txt", QByteArray(beans).replace("plural: Baked beans", "plural") + "= M 1 Baked beans; Toast\n"}}
        << QStringList{marker4, "paper105.txt:5: plural"} << "name the plurals";

    const QByteArray heart = "question\nWhich organ pumps blood around the body?\n1) Lungs\n2) Heart\n3) Skin\n4) Brain\nanswer 2\n";
    const QByteArray heart2 = "question\nWhich organ pumps blood around the body?\n1) Heart\n2) Kidney\n3) Liver\n4) Brain\nanswer 1\n";
    QTest::addRow("same text in two papers") << Files{{"paper101.txt", heart}, {"paper102.txt", heart2}}
                                             << QStringList{"paper102.txt:1: repeat"} << "has the same text as paper101.txt:1 (question 1)";
    QTest::addRow("marker on either side keeps a repeat")
        << Files{{"paper101.txt", "% allow repeat: on purpose\n" + heart}, {"paper102.txt", heart2}} << QStringList{} << "";
    QTest::addRow("same answer, much the same words")
        << Files{{"paper101.txt", "question\nWhere does the energy in almost every food chain first come from?\n"
                                  "1) The Sun\n2) The soil\n3) The water\n4) The top predator\nanswer 1\n"},
                 {"paper103.txt", "question\nWhere does the energy in almost every food chain come from in the first place?\n"
                                  "1) From the soil\n2) From rainwater\n3) From the air\n4) From the Sun\nanswer 4\n"}}
        << QStringList{"paper103.txt:1: repeat"} << "asks what paper101.txt:1 (question 1) asks, with the same answer 'The Sun'";
    QTest::addRow("much the same words, another answer")
        << Files{{"paper101.txt", "question\nWhat is it called when a solid changes into a liquid?\n"
                                  "1) Melting\n2) Freezing\n3) Boiling\n4) Condensing\nanswer 1\n"},
                 {"paper102.txt", "question\nWhat is it called when a liquid changes into a solid?\n"
                                  "1) Melting\n2) Freezing\n3) Boiling\n4) Condensing\nanswer 2\n"}}
        << QStringList{} << "";
    QTest::addRow("true or false in common is no repeat")
        << Files{{"paper104.txt", "question\nWrite T for true or F for false.\npart Sound can travel through water.\n= M 1 T; True\n"},
                 {"paper105.txt", "question\nWrite T for true or F for false.\npart Sound can travel through air.\n= M 1 T; True\n"}}
        << QStringList{} << "";
    const QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\"><text>A</text></svg>";
    QTest::addRow("same text about another diagram")
        << Files{{"pictures/a.svg", svg}, {"pictures/b.svg", svg},
                 {"paper101.txt", "question\npicture a.svg\nWhich letter shows the heart?\n1) A\n2) B\n3) C\n4) D\nanswer 1\n"},
                 {"paper102.txt", "question\npicture b.svg\nWhich letter shows the heart?\n1) A\n2) B\n3) C\n4) D\nanswer 1\n"}}
        << QStringList{} << "";
    QTest::addRow("repeat within a paper")
        << Files{{"paper105.txt", "question\nWrite transparent, translucent or opaque for each material.\n"
                                  "part A clear plastic bottle\n= T 1 Transparent\npart A metal tray\n= T 1 Opaque\n\n"
                                  "question\nA solar oven has a lid of clear plastic.\n"
                                  "part Is clear plastic transparent, translucent or opaque?\n= T 1 Transparent\n"}}
        << QStringList{"paper105.txt:10: repeat"} << "question 2 asks what paper105.txt:3 (question 1 (a)) asks";
    QTest::addRow("parts of one question")
        << Files{{"paper105.txt", "question\nMetals.\npart Name a metal.\n= M 1 Iron; Steel\npart Name a metal.\n= M 1 Iron; Steel\n"}}
        << QStringList{} << "";

    const QByteArray apple = "question\nSome objects float.\npart An apple floats. How big is the upthrust on it, in newtons?\n= N 1 1.5\n\n";
    const QByteArray boat = "question\nThe diagram shows forces on a boat.\npart Name force A.\n= M 1 Upthrust; Up thrust\n";
    const QStringList at9{"paper105.txt:9: giveaway"};
    QTest::addRow("typed answer named in another question")
        << Files{{"paper105.txt", apple + boat}} << at9 << "the answer 'Upthrust' is named in question 1 of this paper";
    QTest::addRow("named in another paper only") << Files{{"paper104.txt", apple}, {"paper105.txt", boat}} << QStringList{} << "";
    QTest::addRow("named as a plural")
        << Files{{"paper105.txt", QByteArray(apple).replace("upthrust", "upthrusts") + boat}} << at9 << "";
    QTest::addRow("whole words only")
        << Files{{"paper105.txt", QByteArray(apple).replace("upthrust", "upthrusting") + boat}} << QStringList{} << "";
    QTest::addRow("short answers")
        << Files{{"paper105.txt", QByteArray(apple).replace("upthrust", "push") + QByteArray(boat).replace("Upthrust; Up thrust", "Push")}}
        << QStringList{} << "";
    QTest::addRow("a question offering its own answer")
        << Files{{"paper105.txt", apple + QByteArray(boat).replace("Name force A.", "Is force A upthrust or weight?")}}
        << QStringList{} << "";
    QTest::addRow("the paper's vocabulary")
        << Files{{"paper105.txt", apple + QByteArray(apple).replace("An apple", "A cork") +
                                  QByteArray(apple).replace("An apple", "A ball") + boat}}
        << QStringList{} << "";
    QTest::addRow("a list naming any one of a kind")
        << Files{{"paper105.txt", apple + QByteArray(boat).replace("Up thrust", "Lift; Float; Buoyancy; Push up; Water; Sea; Rising")}}
        << QStringList{} << "";
    QTest::addRow("a diagram label names it")
        << Files{{"pictures/apple.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\"><text>upthrust</text></svg>"},
                 {"paper105.txt", "question\npicture apple.svg\nAn apple floats.\npart How heavy is it, in newtons?\n= N 1 1.5\n\n" + boat}}
        << QStringList{"paper105.txt:10: giveaway"} << "";
    QTest::addRow("marker keeps a giveaway")
        << Files{{"paper105.txt", apple + QByteArray(boat).replace("= M", "% allow giveaway: the picture shows it anyway\n= M")}}
        << QStringList{} << "";
}

void TestQuizc::contentWarnings()
{
    QFETCH(Files, files);
    QFETCH(QStringList, expected);
    QFETCH(QString, mention);
    const QStringList warnings = warningsOf(files);
    QStringList places;
    for (const QString &w : warnings)
        places.append(w.section(u' ', 0, 1));
    QVERIFY2(places == expected, qPrintable(warnings.join(u'\n')));
    if (!mention.isEmpty())
        QVERIFY2(warnings.first().contains(mention), qPrintable(warnings.first()));
}

QTEST_GUILESS_MAIN(TestQuizc)
#include "tst_quizc.moc"
