#include "AnswerFrameView.h"
#include "AnswerSheetLayout.h"
#include "Marking.h"
#include "OptionChoice.h"
#include "PaperContent.h"
#include "PaperHandover.h"
#include <QtTest>

using namespace Module1;

// What a paper window decides without windows: the paper's tables as
// unpacked from the test content, slot numbering, the remaining questions,
// the handover fields, the sheet's geometry, what each frame shows and how
// a multiple-choice page is marked.
class TestPaperContent : public QObject
{
    Q_OBJECT
private slots:
    void unpacksTablesInPaperOrder_data();
    void unpacksTablesInPaperOrder();
    void slotsNumberedAcrossQuestions();
    void unusablePapers_data();
    void unusablePapers();
    void remainingQuestions_data();
    void remainingQuestions();
    void answeredCountsNonEmptySlots();
    void handover_data();
    void handover();
    void frameStacking_data();
    void frameStacking();
    void frameGeometryByKind();
    void partLetters();
    void firstAttemptFrames();
    void secondAttemptFrames_data();
    void secondAttemptFrames();
    void marksAsGlyphs();
    void pageMarks_data();
    void pageMarks();
    void optionLinks();
};

void TestPaperContent::unpacksTablesInPaperOrder_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<QList<int>>("parts");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("kinds");
    QTest::addColumn<int>("total");
    QTest::addRow("113: 1, 4 and 2 parts")
        << "113" << QStringList{"16033", "16034", "16035"} << QList<int>{1, 4, 2}
        << QStringList{"3", "Bulb", "Closed", ";Copper;Metal", "2", ";Heat;Light", " "}
        << QStringList{"Q", "T", "T", "M", "N", "G", "G"} << 7;
    QTest::addRow("105: every typed kind")
        << "105" << QStringList{"16015", "16016", "16017"} << QList<int>{3, 4, 1}
        << QStringList{"Grass", "3", ";Steam;Water vapour;Gas", "0.25", ";Flour;Seed;Chalk;Sand",
                       " ", " ", "T"}
        << QStringList{"T", "N", "M", "N", "G", "G", "G", "T"} << 9;
    QTest::addRow("102: a two-mark question")
        << "102" << QStringList{"16004", "16005", "16006", "16007"} << QList<int>{1, 1, 1, 1}
        << QStringList{"2", "3", "4", "1"} << QStringList{"Q", "Q", "Q", "Q"} << 5;
}

void TestPaperContent::unpacksTablesInPaperOrder()
{
    QFETCH(QString, key);
    QFETCH(QStringList, ids);
    QFETCH(QList<int>, parts);
    QFETCH(QStringList, keys);
    QFETCH(QStringList, kinds);
    QFETCH(int, total);
    const PaperContent paper = PaperContent::load(2, key);
    QVERIFY(paper.isUsable());
    QCOMPARE(paper.questionIds, ids);
    QCOMPARE(paper.questionCount(), ids.size());
    QCOMPARE(paper.partsPerQuestion, parts);
    QCOMPARE(paper.slotKeys, keys);
    QCOMPARE(paper.slotKinds, kinds);
    QCOMPARE(paper.slotValues.size(), keys.size());
    QCOMPARE(paper.slotCount(), keys.size());
    QCOMPARE(paper.totalMarks, total);
}

void TestPaperContent::slotsNumberedAcrossQuestions()
{
    const PaperContent paper = PaperContent::load(2, QStringLiteral("113"));
    QCOMPARE(paper.slotsBefore(1), 0);
    QCOMPARE(paper.slotsBefore(2), 1);
    QCOMPARE(paper.slotsBefore(3), 5);
    QCOMPARE(paper.slotsBefore(4), 7);
    const QList<int> owner{0, 1, 2, 2, 2, 2, 3, 3, 0};
    for (int slot = 0; slot <= 8; ++slot)
        QCOMPARE(paper.questionOfSlot(slot) , slot == 0 ? 1 : owner.at(slot));
}

void TestPaperContent::unusablePapers_data()
{
    QTest::addColumn<int>("module");
    QTest::addColumn<QString>("key");
    QTest::addRow("absent module") << 1 << "113";
    QTest::addRow("paper beyond the list") << 2 << "150";
    QTest::addRow("not a paper key") << 2 << "QQQ";
}

void TestPaperContent::unusablePapers()
{
    QFETCH(int, module);
    QFETCH(QString, key);
    const PaperContent paper = PaperContent::load(module, key);
    QVERIFY(!paper.isUsable());
}

void TestPaperContent::remainingQuestions_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QList<int>>("remaining");
    QTest::addRow("nothing answered") << QStringList(7, QString()) << QList<int>{1, 2, 3};
    QTest::addRow("everything answered")
        << QStringList{"3", "Bulb", "Closed", "Copper", "2", "Heat", "Light"} << QList<int>{};
    QTest::addRow("one part of question 2 empty: listed once")
        << QStringList{"3", "Bulb", "", "Copper", "2", "Heat", "Light"} << QList<int>{2};
    QTest::addRow("two parts of question 2 empty: still once")
        << QStringList{"3", "", "Closed", "", "2", "Heat", "Light"} << QList<int>{2};
    QTest::addRow("blanks are not answers")
        << QStringList{"  ", "Bulb", "Closed", "Copper", "2", "Heat", " "} << QList<int>{1, 3};
    QTest::addRow("short answer list") << QStringList{"3"} << QList<int>{2, 3};
}

void TestPaperContent::remainingQuestions()
{
    QFETCH(QStringList, answers);
    QFETCH(QList<int>, remaining);
    const PaperContent paper = PaperContent::load(2, QStringLiteral("113"));
    QCOMPARE(RemainingQuestions(paper, answers), remaining);
}

void TestPaperContent::answeredCountsNonEmptySlots()
{
    // Untrimmed: a blank is an answer, as the marking confirmation sees it.
    QCOMPARE(AnsweredCount({"", " ", "x", "", "0"}), 3);
    QCOMPARE(AnsweredCount({}), 0);
}

void TestPaperContent::handover_data()
{
    QTest::addColumn<QStringList>("fields"); // PaperNum TakeNum TopicCount SubH1 LChose lblCOD TtPapersCon
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("second");
    QTest::addColumn<QString>("caption");
    QTest::addRow("paper 13 in the topic from 11")
        << QStringList{"113", "1", "11", "Electricity and Magnets", "2", "TY", "15"} << true
        << false << "Electricity and Magnets - Paper 3";
    QTest::addRow("first paper of a topic, second attempt")
        << QStringList{"106", "2", "6", "Matter", "2", "TY", "15"} << true << true
        << "Matter - Paper 1";
    QTest::addRow("blanks around numbers")
        << QStringList{" 105 ", " 1 ", " 1", "Human Body Systems", "2 ", "TY", "15"} << true
        << false << "Human Body Systems - Paper 5";
    QTest::addRow("beyond the paper count")
        << QStringList{"116", "1", "16", "X", "2", "TY", "15"} << false << false << "X - Paper 1";
    QTest::addRow("no module")
        << QStringList{"113", "1", "11", "X", "", "TY", "15"} << false << false << "X - Paper 3";
    QTest::addRow("no paper")
        << QStringList{"", "1", "11", "X", "2", "TY", "15"} << false << false << "X - Paper -110";
}

void TestPaperContent::handover()
{
    QFETCH(QStringList, fields);
    QFETCH(bool, valid);
    QFETCH(bool, second);
    QFETCH(QString, caption);
    const QStringList names{"PaperNum", "TakeNum", "TopicCount", "SubH1", "LChose", "lblCOD",
                            "TtPapersCon"};
    const PaperHandover h = PaperHandover::read(
        [&](const QString &name) { return fields.value(names.indexOf(name)); });
    QCOMPARE(h.isValid(), valid);
    QCOMPARE(h.secondAttempt, second);
    QCOMPARE(h.caption(), caption);
    if (valid)
        QCOMPARE(h.code, QStringLiteral("TY"));
}

void TestPaperContent::frameStacking_data()
{
    QTest::addColumn<int>("parts");
    QTest::addColumn<int>("height");
    QTest::addColumn<QList<int>>("firstTops");
    // 50 twips down, then 375 + 105 twips apart (3, 35, 67 pixels).
    QTest::addRow("three parts") << 3 << 25 << QList<int>{3, 35, 67};
    QTest::addRow("fifteen parts: still apart") << 15 << 25 << QList<int>{3, 35, 67};
    // More than 15 parts: 375 - 10 twips apart (3, 28, 52).
    QTest::addRow("sixteen parts overlap") << 16 << 25 << QList<int>{3, 28, 52};
}

void TestPaperContent::frameStacking()
{
    QFETCH(int, parts);
    QFETCH(int, height);
    QFETCH(QList<int>, firstTops);
    const QList<int> tops = AnswerSheetLayout::StackTops(QList<int>(parts, height));
    QCOMPARE(tops.size(), parts);
    QCOMPARE(tops.mid(0, 3), firstTops);
    // The last of 16 frames still fits a sheet of a small screen.
    if (parts == 16)
        QVERIFY(tops.last() + height < 400);
}

void TestPaperContent::frameGeometryByKind()
{
    const AnswerSheetLayout::FrameRects normal = AnswerSheetLayout::FrameFor(QStringLiteral("T"));
    QCOMPARE(normal.height, 25);                      // 375 twips
    QCOMPARE(normal.answer, QRect(24, 4, 105, 17));   // 1575 x 255 twips
    QCOMPARE(normal.result.left(), 136);              // 2040 twips, 105 right of the box
    QCOMPARE(normal.model, QRect(160, 4, 97, 17));    // 2400, 60, 1455 x 255 twips
    QVERIFY(normal.model.right() < AnswerSheetLayout::kFrameWidth);

    const AnswerSheetLayout::FrameRects tall = AnswerSheetLayout::FrameFor(QStringLiteral("L"));
    QVERIFY(tall.height >= 140);                      // 2100 twips, or more for the model
    QCOMPARE(tall.answer.size(), QSize(190, 67));     // frame width - 1000, 1000 twips
    QCOMPARE(tall.model.top(), 77); // 60 + 1000 + 100 twips: under the answer
    QVERIFY(tall.model.top() > tall.answer.bottom());
    QCOMPARE(tall.model.left(), tall.answer.left());
    QVERIFY(tall.result.left() > tall.answer.right());
    QCOMPARE(tall.height - 1 - tall.model.bottom(), tall.answer.top());
}

void TestPaperContent::partLetters()
{
    QCOMPARE(AnswerSheetLayout::PartLetter(1), QStringLiteral("(a)"));
    QCOMPARE(AnswerSheetLayout::PartLetter(3), QStringLiteral("(c)"));
    QCOMPARE(AnswerSheetLayout::PartLetter(20), QStringLiteral("(t)"));
    QCOMPARE(AnswerSheetLayout::PartLetter(21), QString());
    QCOMPARE(AnswerSheetLayout::PartLetter(0), QString());
}

void TestPaperContent::firstAttemptFrames()
{
    const QStringList answers{"3", "lamp"}, results{CorrectMark, WrongMark};
    const QStringList keys{"3", "Bulb"}, kinds{"Q", "T"};
    const SlotTables t{answers, results, keys, kinds};

    const AnswerFrameView open = FirstAttemptFrame(t, 1, false);
    QCOMPARE(open.answer, QStringLiteral("3"));
    QCOMPARE(open.maxLength, 1);
    QVERIFY(!open.locked && !open.carried && !open.firstMarkVisible && !open.modelVisible);

    const AnswerFrameView text = FirstAttemptFrame(t, 2, false);
    QCOMPARE(text.maxLength, 0);

    const AnswerFrameView marked = FirstAttemptFrame(t, 2, true);
    QVERIFY(marked.locked);
    QVERIFY(marked.firstMarkVisible);
    QCOMPARE(marked.firstMark, WrongMark);
    QVERIFY(!marked.modelVisible); // model answers belong to the second attempt
    QVERIFY(!marked.secondMarkVisible);
}

void TestPaperContent::secondAttemptFrames_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("marked");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<bool>("carried");
    QTest::addColumn<bool>("firstShown");
    QTest::addColumn<bool>("secondShown");
    QTest::addColumn<QString>("model"); // "-" when hidden
    // Slots: 1 T right first time; 2 T wrong both times; 3 G head, 4 G
    // follow-on; 5 M; 6 an empty G head.
    QTest::addRow("carried, not marked") << 1 << false << true << true << true << false << "-";
    QTest::addRow("to try again") << 2 << false << false << false << false << false << "-";
    QTest::addRow("carried, marked") << 1 << true << true << true << false << true << "-";
    QTest::addRow("still wrong: key shown") << 2 << true << true << false << false << true
                                            << "Bulb";
    QTest::addRow("group slot still wrong: unused alternative")
        << 4 << true << true << false << false << true << "Light";
    QTest::addRow("M slot still wrong: first alternative")
        << 5 << true << true << false << false << true << "Copper";
    QTest::addRow("empty group slot: an alternative the group left")
        << 6 << true << true << false << false << true << "Salt";
}

void TestPaperContent::secondAttemptFrames()
{
    QFETCH(int, slot);
    QFETCH(bool, marked);
    QFETCH(bool, locked);
    QFETCH(bool, carried);
    QFETCH(bool, firstShown);
    QFETCH(bool, secondShown);
    QFETCH(QString, model);
    // Slot 6 heads a group whose follow-on slot 7 used its first alternative.
    const QStringList keys{"Wire", "Bulb", ";Heat;Light;Sound", " ", ";Copper;Metal", ";Sand;Salt", " "};
    const QStringList kinds{"T", "T", "G", "G", "M", "G", "G"};
    const QStringList answers{"Wire", "lamp", "Heat", "Heat", "wood", "", "Sand"};
    const QStringList results{CorrectMark, WrongMark, CorrectMark, WrongMark, WrongMark, WrongMark,
                              CorrectMark};
    FirstAttempt first;
    first.answers = {"Wire", "bulb?", "Heat", "", "wood", "", "Sand"};
    first.results = {CorrectMark, WrongMark, CorrectMark, WrongMark, WrongMark, WrongMark,
                     CorrectMark};

    const AnswerFrameView v =
        SecondAttemptFrame({answers, results, keys, kinds}, first, slot, marked);
    QCOMPARE(v.locked, locked);
    QCOMPARE(v.carried, carried);
    QCOMPARE(v.firstMarkVisible, firstShown);
    QCOMPARE(v.secondMarkVisible, secondShown);
    QCOMPARE(v.firstMark, first.results.at(slot - 1));
    QCOMPARE(v.secondMark, results.at(slot - 1));
    QCOMPARE(v.modelVisible, model != QLatin1String("-"));
    if (v.modelVisible)
        QCOMPARE(v.model, model);
}

void TestPaperContent::marksAsGlyphs()
{
    QCOMPARE(MarkGlyph(CorrectMark), QStringLiteral("\u2713"));
    QCOMPARE(MarkGlyph(WrongMark), QStringLiteral("\u2717"));
    QCOMPARE(MarkGlyph(QString()), QString());
}

void TestPaperContent::pageMarks_data()
{
    QTest::addColumn<QStringList>("kinds");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("mark");
    QTest::addRow("option chosen") << QStringList{"Q"} << "2" << "choice-2";
    QTest::addRow("none chosen yet") << QStringList{"Q"} << "" << "choice-0";
    QTest::addRow("blanks round it") << QStringList{"Q"} << " 3 " << "choice-3";
    QTest::addRow("past the options") << QStringList{"Q"} << "5" << "choice-0";
    QTest::addRow("two digits") << QStringList{"Q"} << "12" << "choice-0";
    QTest::addRow("a letter stored long ago") << QStringList{"Q"} << "b" << "choice-0";
    QTest::addRow("answered in words") << QStringList{"T"} << "2" << "";
    QTest::addRow("several parts") << QStringList{"Q", "Q"} << "2" << "";
}

void TestPaperContent::pageMarks()
{
    QFETCH(QStringList, kinds);
    QFETCH(QString, answer);
    QFETCH(QString, mark);
    QCOMPARE(OptionChoice::PageMark(OptionChoice::IsOptionQuestion(kinds), answer), mark);
}

void TestPaperContent::optionLinks()
{
    // Only the links of the options choose; the page's marks do not.
    QCOMPARE(OptionChoice::OptionOfFragment(QStringLiteral("choice-1")), 1);
    QCOMPARE(OptionChoice::OptionOfFragment(QStringLiteral("choice-4")), 4);
    for (const char *other : {"choice-0", "choice-5", "choice-12", "choice-", "chose-2", "2", ""})
        QCOMPARE(OptionChoice::OptionOfFragment(QString::fromLatin1(other)), 0);
}

QTEST_GUILESS_MAIN(TestPaperContent)
#include "tst_papercontent.moc"
