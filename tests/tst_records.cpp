#include "Records.h"
#include "TextCodec.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Module1;

class TestRecords : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_dir.reset(new QTemporaryDir); }
    void cleanup() { m_dir.reset(); }

    void readKeyText_data();
    void readKeyText();
    void splitKeyLine_data();
    void splitKeyLine();
    void matchingIsCaseBlindContainmentAndFirstWins();
    void missingFileAndShortRecordsGiveEmptyTexts();
    void readAllKeyValuesCountsSeparators();
    void paperLinesForwardScanCannotGoBack();
    void valuesForFiveCharacterKeysFlattenInKeyOrder();
    void replaceKeyLineDropsTemplateFraming();
    void replaceKeyLineWithNoValues();
    void replaceKeyLineNeverWritesBlankLines();
    void writeMarksFileWritesSixLines();
    void highBytesRoundTrip();
    void clearAnswerText_data();
    void clearAnswerText();
    void cp1252Encoding_data();
    void cp1252Encoding();

private:
    QString file(const QByteArray &bytes)
    {
        const QString path = m_dir->filePath(QStringLiteral("t.txt"));
        TestFiles::write(path, bytes);
        return path;
    }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestRecords::readKeyText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::addRow("value") << QByteArray("...\r\n#NME#>Tessaly\r\n...") << "NME" << "Tessaly";
    QTest::addRow("one empty value") << QByteArray("#NME#>\r\n") << "NME" << "";
    QTest::addRow("missing key") << QByteArray("#NME#>Tessaly\r\n") << "COD" << "";
    QTest::addRow("rest of line") << QByteArray("#TN2#>A>B\r\n") << "TN2" << "A>B";
    QTest::addRow("template without final CR LF") << QByteArray("...\r\n#COD#>TY\r\n...")
                                                  << "COD" << "TY";
    QTest::addRow("LF only") << QByteArray("#COD#>TY\n#NME#>X\n") << "NME" << "X";
    // An editor's UTF-8 mark would shift every value of the first line.
    QTest::addRow("byte-order mark") << QByteArray("\xEF\xBB\xBF#NME#>Tessaly\r\n") << "NME"
                                     << "Tessaly";
}

void TestRecords::readKeyText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QCOMPARE(ReadKeyText(file(bytes), key), expected);
}

void TestRecords::splitKeyLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("expected");
    QTest::addRow("three values") << "#101#>a>b>c" << 3 << QStringList{"a", "b", "c"};
    QTest::addRow("last value holds the rest") << "#101#>a>b>c" << 2 << QStringList{"a", "b>c"};
    QTest::addRow("empty values") << "#101#>>>" << 3 << QStringList{"", "", ""};
    QTest::addRow("fewer values than asked") << "#101#>a" << 3 << QStringList{"a", "", ""};
    QTest::addRow("missing line") << "" << 2 << QStringList{"", ""};
    QTest::addRow("no values asked") << "#101#>a" << 0 << QStringList{};
}

void TestRecords::splitKeyLine()
{
    QFETCH(QString, line);
    QFETCH(int, count);
    QFETCH(QStringList, expected);
    QCOMPARE(SplitKeyLine(line, count), expected);
}

void TestRecords::matchingIsCaseBlindContainmentAndFirstWins()
{
    const QString path = file("#LTM#>x #fse#\r\n#fse#>1>2\r\n#FSE#>3>4\r\n");
    QCOMPARE(ReadKeyLine(path, QStringLiteral("FSE")), QStringLiteral("#LTM#>x #fse#"));
    QCOMPARE(ReadKeyValues(path, QStringLiteral("fse"), 1), QStringList{"x #fse#"});
    const QString plain = file("#fse#>1>2\r\n#FSE#>3>4\r\n");
    QCOMPARE(ReadKeyValues(plain, QStringLiteral("FSE"), 2), (QStringList{"1", "2"}));
}

void TestRecords::missingFileAndShortRecordsGiveEmptyTexts()
{
    const QString missing = m_dir->filePath(QStringLiteral("none.txt"));
    QCOMPARE(ReadKeyText(missing, QStringLiteral("NME")), QString());
    QCOMPARE(ReadKeyValues(missing, QStringLiteral("FSE"), 50).size(), 50);
    QCOMPARE(ReadPaperLines(missing, 3), (QStringList{"", "", ""}));
    QCOMPARE(ReadValuesForKeys(missing, {"16001"}), QStringList{});
    QCOMPARE(CountValuesPerKey(missing, {"16001", "16002"}), (QList<int>{0, 0}));

    const QString fifty = file("#FSE#>" + QByteArray(49, '>') + "\r\n#TRD#");
    const QStringList values = ReadKeyValues(fifty, QStringLiteral("FSE"), 50);
    QCOMPARE(values.size(), 50);
    QVERIFY(std::all_of(values.begin(), values.end(), [](const QString &v) { return v.isEmpty(); }));
    QCOMPARE(ReadKeyLine(fifty, QStringLiteral("TRD")), QStringLiteral("#TRD#"));
    QCOMPARE(ReadAllKeyValues(fifty, QStringLiteral("TRD")), QStringList{});
}

void TestRecords::readAllKeyValuesCountsSeparators()
{
    const QString path = file("...\r\n#103#>16010>16011>16012\r\n...");
    QCOMPARE(ReadAllKeyValues(path, QStringLiteral("103")),
             (QStringList{"16010", "16011", "16012"}));
}

void TestRecords::paperLinesForwardScanCannotGoBack()
{
    const QString swapped = file("#102#>b\r\n#101#>a\r\n#103#>c\r\n");
    QCOMPARE(ReadPaperLines(swapped, 3), (QStringList{"#101#>a", "", ""}));
    const QString ordered = file("...\r\n#101#>a\r\n#102#>b\r\n#103#>c\r\n...");
    QCOMPARE(ReadPaperLines(ordered, 3), (QStringList{"#101#>a", "#102#>b", "#103#>c"}));
}

void TestRecords::valuesForFiveCharacterKeysFlattenInKeyOrder()
{
    const QString path = file("...\r\n#16001#>1\r\n#16002#>;A;B> >x\r\n#16003#>2\r\n...");
    const QStringList keys{"16001", "16002", "16003"};
    QCOMPARE(ReadValuesForKeys(path, keys), (QStringList{"1", ";A;B", " ", "x", "2"}));
    QCOMPARE(CountValuesPerKey(path, keys), (QList<int>{1, 3, 1}));
    // Keys asked out of file order lose what the scan passed over.
    QCOMPARE(ReadValuesForKeys(path, {"16003", "16001"}), QStringList{"2"});
}

void TestRecords::replaceKeyLineDropsTemplateFraming()
{
    const QString path = file("...\r\n#101#>>\r\n#102#>\r\n#103#>>>\r\n...");
    QStringList lines = ReadPaperLines(path, 3);
    QVERIFY(ReplaceKeyLine(lines, {"x", "y"}, QStringLiteral("2"), QStringLiteral("102"), 3, 2, path));
    QCOMPARE(TestFiles::read(path), QByteArray("#101#>>\r\n#102#>x>y\r\n#103#>>>\r\n"));
    QCOMPARE(lines.at(1), QStringLiteral("#102#>x>y"));
    // An unanswered paper keeps its full number of empty values.
    QVERIFY(ReplaceKeyLine(lines, {}, QStringLiteral("3"), QStringLiteral("103"), 3, 3, path));
    QCOMPARE(ReadPaperLines(path, 3).at(2), QStringLiteral("#103#>>>"));
}

void TestRecords::replaceKeyLineWithNoValues()
{
    const QString path = file("#101#>a\r\n");
    QStringList lines = ReadPaperLines(path, 1);
    QVERIFY(ReplaceKeyLine(lines, {}, QStringLiteral("1"), QStringLiteral("101"), 1, 0, path));
    QCOMPARE(TestFiles::read(path), QByteArray("#101#>\r\n"));
    QVERIFY(!ReplaceKeyLine(lines, {}, QStringLiteral("9"), QStringLiteral("109"), 1, 0, path));
}

void TestRecords::replaceKeyLineNeverWritesBlankLines()
{
    // "102" before "101": the forward scan loses every line after "101".
    const QString path = file("#102#>b\r\n#101#>a\r\n#103#>c\r\n");
    QStringList lines = ReadPaperLines(path, 3);
    QCOMPARE(lines, QStringList({"#101#>a", "", ""}));
    QVERIFY(ReplaceKeyLine(lines, {"x"}, QStringLiteral("1"), QStringLiteral("101"), 3, 1, path));
    // Each unread entry is still its key's record, so a later answer is read back.
    QCOMPARE(TestFiles::read(path), QByteArray("#101#>x\r\n#102#>\r\n#103#>\r\n"));
    lines = ReadPaperLines(path, 3);
    QVERIFY(ReplaceKeyLine(lines, {"y"}, QStringLiteral("3"), QStringLiteral("103"), 3, 1, path));
    QCOMPARE(SplitKeyLine(ReadPaperLines(path, 3).at(2), 1), QStringList{"y"});
}

void TestRecords::writeMarksFileWritesSixLines()
{
    const QString path = m_dir->filePath(QStringLiteral("marks2TY.txt"));
    QList<QStringList> rows{{"80", ""}, {"", ""}, {"0:12:5", ""}, {"08/12/2026", ""}, {"1", "0"},
                            {"0", "0"}};
    QVERIFY(WriteMarksFile(rows, {"FSE", "SSE", "LTM", "CDD", "FST", "SST"}, 2, path));
    QCOMPARE(TestFiles::read(path),
             QByteArray("#FSE#>80>\r\n#SSE#>>\r\n#LTM#>0:12:5>\r\n#CDD#>08/12/2026>\r\n"
                        "#FST#>1>0\r\n#SST#>0>0\r\n"));
}

void TestRecords::highBytesRoundTrip()
{
    const QString path = m_dir->filePath(QStringLiteral("fresults2TY.txt"));
    QStringList lines;
    const QString tick(QChar(0xFC)), cross(QChar(0xFB));
    QVERIFY(ReplaceKeyLine(lines, {tick, cross, QStringLiteral("\u20AC")}, QStringLiteral("1"),
                           QStringLiteral("101"), 1, 3, path));
    QCOMPARE(TestFiles::read(path), QByteArray("#101#>\xFC>\xFB>\x80\r\n"));
    QCOMPARE(SplitKeyLine(ReadPaperLines(path, 1).at(0), 3),
             (QStringList{tick, cross, QStringLiteral("\u20AC")}));
}

void TestRecords::clearAnswerText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addRow("plain") << "Carbon dioxide" << "Carbon dioxide";
    QTest::addRow("separators") << "a>b#c" << "abc";
    QTest::addRow("line breaks") << "one\r\ntwo\n" << "onetwo";
    QTest::addRow("outside the code page") << QStringLiteral("H\u2082O \u00e9") << QStringLiteral("H?O \u00e9");
    // One character is one '?', also when it takes two UTF-16 units.
    QTest::addRow("emoji") << QStringLiteral("Sun \U0001F31E") << QStringLiteral("Sun ?");
    QTest::addRow("lone surrogate") << QString(QChar(0xD83C)) + QStringLiteral("x") << QStringLiteral("?x");
    // Accents typed as a letter and a combining mark are stored composed.
    QTest::addRow("combining accent") << QStringLiteral("cafe\u0301") << QStringLiteral("caf\u00e9");
    QTest::addRow("angstrom sign") << QStringLiteral("1 \u212B") << QStringLiteral("1 \u00c5");
    QTest::addRow("C1 control") << QStringLiteral("a\u0080b") << QStringLiteral("a?b");
}

void TestRecords::clearAnswerText()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QCOMPARE(TextCodec::ClearAnswerText(typed), stored);
}

void TestRecords::cp1252Encoding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addRow("euro") << QStringLiteral("\u20AC") << QByteArray("\x80");
    QTest::addRow("marks") << QStringLiteral("\u00FC\u00FB") << QByteArray("\xFC\xFB");
    QTest::addRow("undefined byte kept") << QStringLiteral("\u0081\u009D") << QByteArray("\x81\x9D");
    // A C1 control whose byte means another character must not turn into it.
    QTest::addRow("C1 control at the euro") << QStringLiteral("\u0080") << QByteArray("?");
    QTest::addRow("C1 control at a quote") << QStringLiteral("\u0092") << QByteArray("?");
    QTest::addRow("emoji is one character") << QStringLiteral("a\U0001F31Eb") << QByteArray("a?b");
    QTest::addRow("lone surrogate") << QString(QChar(0xDC00)) << QByteArray("?");
}

void TestRecords::cp1252Encoding()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(TextCodec::toCp1252(text), bytes);
    // What is written reads back as itself, or as '?' where it could not be held.
    const QString back = TextCodec::fromCp1252(bytes);
    QVERIFY(back == text || back.contains(QLatin1Char('?')));
}

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
