#include "ListingPainter.h"
#include "ReportFigures.h"
#include "ResultsListing.h"
#include "TrendPlot.h"
#include "support/RecordingDevice.h"

#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <map>

Q_DECLARE_METATYPE(MarksRows)

namespace {

using Scores = std::map<int, QString>; // paper number -> score text

const QStringList kTopics{"Human Body Systems",     "Matter and Changes in States",
                          "Electricity and Magnets", "Life",
                          "Energy, Light and Heat",  "Animals",
                          "Plants",                  "Solar System",
                          "Forces and Simple Machines", "Saving Our Earth"};

MarksRows marksRows(const Scores &first, const Scores &second = {}, int papers = 50)
{
    MarksRows rows;
    for (QStringList *row : {&rows.FSE, &rows.SSE, &rows.LTM, &rows.CDD})
        *row = QStringList(papers, QString());
    rows.FST = rows.SST = QStringList(papers, QStringLiteral("0"));
    for (const auto &[p, score] : first)
        rows.FSE[p - 1] = score;
    for (const auto &[p, score] : second)
        rows.SSE[p - 1] = score;
    return rows;
}

QFont monoFont(double points)
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(points);
    return font;
}

QList<ResultsListing::Line> sampleListing(int topics)
{
    // Paper p: first score p, time 0:p:1, date p/03/2024, a second score
    // only for papers 1, 2 and 8; paper 4 of every topic is unmarked.
    MarksRows rows = marksRows({});
    for (int p = 1; p <= 50; ++p) {
        if (p % 5 == 4)
            continue;
        rows.FSE[p - 1] = QString::number(p) + QStringLiteral(".5");
        rows.LTM[p - 1] = QStringLiteral("0:%1:1").arg(p);
        rows.CDD[p - 1] = QStringLiteral("%1/03/2024").arg(p % 28 + 1, 2, 10, QLatin1Char('0'));
    }
    rows.SSE[0] = "100";
    rows.SSE[1] = "90";
    rows.SSE[7] = "77.7";
    return ResultsListing::lines(QStringLiteral("Tessaly"), topics, kTopics, rows);
}

} // namespace

class TestReport : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_dir.reset(new QTemporaryDir); }
    void cleanup() { m_dir.reset(); }

    void summary_data();
    void summary();
    void pooledTopicAverages();
    void topicRowTextsAndBars();
    void trendValues_data();
    void trendValues();
    void trendGeometry();
    void trendPaintsIntoAnImage();
    void listingLines();
    void zonesPushLongItems_data();
    void zonesPushLongItems();
    void listingPaintsItsZones();
    void listingShrinksToFitTheWidth();
    void listingToPdf();
    void listingIntoAnImageStopsAtTheEdge();
    void listingOnUnwritableFileFails();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestReport::summary_data()
{
    QTest::addColumn<int>("topicTotal");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<MarksRows>("rows");
    QTest::addColumn<QString>("PCNum");
    QTest::addColumn<QString>("OScore1");
    QTest::addColumn<QString>("OScore2");
    QTest::addColumn<QString>("ST");
    QTest::addColumn<QString>("WT");

    const QString t1 = kTopics.at(0) + ' ', t2 = kTopics.at(1) + ' ', t3 = kTopics.at(2) + ' ';
    QTest::addRow("no marks") << 10 << kTopics << marksRows({}) << "0 / 50" << "-" << "-"
                              << "-" << "-";
    QTest::addRow("one topic only")
        << 10 << kTopics << marksRows({{1, "70"}, {3, "80"}}, {{1, "90"}}) << "2 / 50"
        << "75%" << "90%" << "-" << "-";
    QTest::addRow("70 80 and 90")
        << 10 << kTopics << marksRows({{1, "70"}, {2, "80"}, {6, "90"}}) << "3 / 50" << "80%"
        << "-" << t2 << t1;
    QTest::addRow("a zero score counts")
        << 10 << kTopics << marksRows({{1, "0"}, {10, "50"}}) << "2 / 50" << "25%" << "-" << t2
        << t1;
    QTest::addRow("equal averages go to the later topic")
        << 10 << kTopics << marksRows({{1, "80"}, {6, "70"}, {7, "90"}}) << "3 / 50" << "80%"
        << "-" << t2 << t2;
    QTest::addRow("ties among three")
        << 10 << kTopics << marksRows({{1, "60"}, {6, "80"}, {11, "60"}}) << "3 / 50"
        << "66.7%" << "-" << t2 << t3;
    QTest::addRow("unmarked topic 1 is never weakest")
        << 10 << kTopics << marksRows({{6, "50"}, {11, "70"}}) << "2 / 50" << "60%" << "-" << t3
        << t2;
    QTest::addRow("second attempts pool into the averages")
        << 10 << kTopics << marksRows({{1, "60"}, {6, "50"}}, {{6, "100"}}) << "2 / 50" << "55%"
        << "100%" << t2 << t1;
    QTest::addRow("overall average rounds half to even")
        << 10 << kTopics << marksRows({{1, "66.7"}, {6, "80"}}) << "2 / 50" << "73.4%" << "-"
        << t2 << t1;
    QTest::addRow("papers beyond the topic total are not read")
        << 2 << kTopics << marksRows({{1, "40"}, {6, "60"}, {11, "100"}}) << "2 / 10" << "50%"
        << "-" << t2 << t1;

    QStringList mock = kTopics;
    mock[2] = MockExamination;
    QTest::addRow("mock examination is left out")
        << 10 << mock << marksRows({{1, "60"}, {6, "70"}, {11, "10"}, {12, "100"}}) << "4 / 50"
        << "60%" << "-" << t2 << t1;
    QStringList mockFirst = kTopics;
    mockFirst[0] = MockExamination;
    QTest::addRow("mock examination as topic 1 is left out too")
        << 10 << mockFirst << marksRows({{1, "10"}, {6, "70"}, {11, "60"}}) << "3 / 50"
        << "46.7%" << "-" << t2 << t3;
    QTest::addRow("only the mock and one topic")
        << 10 << mock << marksRows({{1, "60"}, {11, "10"}}) << "2 / 50" << "35%" << "-" << t1
        << t1;
}

void TestReport::summary()
{
    QFETCH(int, topicTotal);
    QFETCH(QStringList, names);
    QFETCH(MarksRows, rows);
    const ReportFigures f = ReportFigures::compute(topicTotal, names, rows, 5 * topicTotal);
    QTEST(f.PCNum, "PCNum");
    QTEST(f.OScore1, "OScore1");
    QTEST(f.OScore2, "OScore2");
    QTEST(f.ST, "ST");
    QTEST(f.WT, "WT");
    QCOMPARE(f.topics.size(), topicTotal);
}

void TestReport::pooledTopicAverages()
{
    const ReportFigures f = ReportFigures::compute(
        10, kTopics, marksRows({{1, "70"}, {2, "80"}, {6, "90"}, {11, "60"}, {12, "80"}},
                               {{11, "100"}}),
        50);
    QCOMPARE(f.topics.at(0).average, 75.0);
    QCOMPARE(f.topics.at(1).average, 90.0);
    QCOMPARE(f.topics.at(2).average, 80.0); // (60 + 80 + 100) / 3
    QCOMPARE(f.topics.at(3).average, 0.0);
    QCOMPARE(f.topicsAttempted, 3);
    QCOMPARE(f.strongest, 2);
    QCOMPARE(f.weakest, 1);
}

void TestReport::topicRowTextsAndBars()
{
    const int track = 1215;
    const ReportFigures f = ReportFigures::compute(
        10, kTopics, marksRows({{1, "60"}, {2, "75"}, {6, "100"}}, {{6, "50"}, {7, "40"}}), 50);
    const ReportFigures::Topic &a = f.topics.at(0);
    QCOMPARE(a.name, kTopics.at(0));
    QCOMPARE(a.firstText(), "67.5%");
    QCOMPARE(a.firstBarWidth(track), 820); // 67.5% of 1215
    QCOMPARE(a.secondText(), "");
    QCOMPARE(a.secondBarWidth(track), 0);

    const ReportFigures::Topic &b = f.topics.at(1);
    QCOMPARE(b.firstText(), "100%");
    QCOMPARE(b.firstBarWidth(track), track);
    QCOMPARE(b.secondText(), "45%");
    QCOMPARE(b.secondBarWidth(track), 547);

    const ReportFigures::Topic &c = f.topics.at(2);
    QCOMPARE(c.name, kTopics.at(2));
    QCOMPARE(c.firstText(), "");
    QCOMPARE(c.firstBarWidth(track), 0);
    QCOMPARE(f.OScore2, "45%");
}

void TestReport::trendValues_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QList<double>>("expected");
    QTest::addRow("absent record") << "" << QList<double>{};
    QTest::addRow("no scores") << "#TRD#" << QList<double>{};
    QTest::addRow("lone separator") << "#TRD#>" << QList<double>{};
    QTest::addRow("three") << "#TRD#>50>80>66.7" << QList<double>{50, 80, 66.7};
    QTest::addRow("trailing separator ignored") << "#TRD#>50>80>" << QList<double>{50, 80};
    QTest::addRow("zero and hundred") << "#TRD#>0>100" << QList<double>{0, 100};
    QString twentyFive = "#TRD#";
    QList<double> last20;
    for (int i = 1; i <= 25; ++i) {
        twentyFive += '>' + QString::number(i);
        if (i >= 6)
            last20 << i;
    }
    QTest::addRow("25 values keep 6..25") << twentyFive << last20;
    QTest::addRow("25 values and a trailing separator") << twentyFive + '>' << last20;
}

void TestReport::trendValues()
{
    QFETCH(QString, line);
    QFETCH(QList<double>, expected);
    QCOMPARE(TrendPlot::values(line), expected);
}

void TestReport::trendGeometry()
{
    const double W = 5055, H = 3975;
    const TrendPlot::Geometry g = TrendPlot::layout({50, 80, 66.7, 100, 0}, W, H);
    const double step = W / 21, unit = H / 100;

    QCOMPARE(g.grid.size(), 9);
    for (int k = 1; k <= 9; ++k)
        QCOMPARE(g.grid.at(k - 1), QLineF(0, 10 * k * unit, W, 10 * k * unit));

    QCOMPARE(g.dots.size(), 5);
    QCOMPARE(g.dots.at(0), QPointF(step, 50 * unit));
    QCOMPARE(g.dots.at(1), QPointF(2 * step, 20 * unit));
    QCOMPARE(g.dots.at(2), QPointF(3 * step, (100 - 66.7) * unit));
    QCOMPARE(g.dots.at(3), QPointF(4 * step, 0)); // 100% on the top edge
    QCOMPARE(g.dots.at(4), QPointF(5 * step, H)); // 0% on the bottom edge
    QCOMPARE(g.stems.at(4).length(), 0.0);
    QCOMPARE(g.stems.at(1), QLineF(2 * step, 20 * unit, 2 * step, H));
    QCOMPARE(g.dotRadius, 30.0);

    QCOMPARE(g.line.size(), 6);
    QCOMPARE(g.line.first(), QPointF(0, H));
    QCOMPARE(g.line.mid(1), QPolygonF(g.dots));

    // More than 20 values: the layout never places one past x = 20 steps.
    QList<double> many(25, 50.0);
    QCOMPARE(TrendPlot::layout(many, W, H).dots.last().x(), 20 * step);
    QCOMPARE(TrendPlot::layout({}, W, H).line, QPolygonF({QPointF(0, H)}));
}

void TestReport::trendPaintsIntoAnImage()
{
    QImage image(420, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        TrendPlot::paint(painter, QRectF(0, 0, 420, 200), {50, 80}, 3);
    }
    // Dots at x = 20 and 40 (420 / 21 steps); grid line at y = 20 (10%).
    QCOMPARE(image.pixelColor(20, 100), QColor(0, 0, 255));
    QCOMPARE(image.pixelColor(40, 40), QColor(0, 0, 255));
    // Grid and stems are drawn crisp, one pixel on the line.
    QCOMPARE(image.pixelColor(300, 20), QColor(0xE0, 0xE0, 0xE0));
    QCOMPARE(image.pixelColor(300, 19), QColor(Qt::white));
    QCOMPARE(image.pixelColor(300, 21), QColor(Qt::white));
    QCOMPARE(image.pixelColor(20, 170), QColor(Qt::black));
    QCOMPARE(image.pixelColor(21, 170), QColor(Qt::white));
    // The polyline leaves the bottom-left corner towards the first dot.
    const QColor start = image.pixelColor(10, 150);
    QVERIFY2(start.blue() > 200 && start.red() < 200, qPrintable(start.name()));
}

void TestReport::listingLines()
{
    const QList<ResultsListing::Line> lines = sampleListing(10);
    QCOMPARE(lines.size(), 5 + 10 * 12);
    QCOMPARE(lines.at(2).items, QStringList({" ", "Tessaly"}));
    for (int k : {0, 1, 3, 4})
        QVERIFY(lines.at(k).items.isEmpty());

    const QString rule(128, '-');
    for (int i = 1; i <= 10; ++i) {
        const int base = 5 + 12 * (i - 1);
        QVERIFY(lines.at(base).items.isEmpty());
        QVERIFY(lines.at(base + 1).items.isEmpty());
        QCOMPARE(lines.at(base + 2).items, QStringList({" ", kTopics.at(i - 1)}));
        QCOMPARE(lines.at(base + 3).items, QStringList({" ", rule}));
        QCOMPARE(lines.at(base + 4).items,
                 QStringList({" ", "Papers", " ", "First take", "Time taken", "Date", " ",
                              "Second take"}));
        QCOMPARE(lines.at(base + 5).items, QStringList({" ", " ", " ", "score", " ", " ", " ",
                                                        "score"}));
        QCOMPARE(lines.at(base + 6).items, QStringList({" ", rule}));
        for (int k = base; k < base + 12; ++k)
            QCOMPARE(lines.at(k).block, i);
    }
    // Row 3 of topic 2 is paper 8; row 4 of every topic is unmarked.
    QCOMPARE(lines.at(5 + 12 + 7 + 2).items,
             QStringList({" ", "Paper 3", " ", "8.5%", "0:8:1", "09/03/2024", " ", "77.7%"}));
    QCOMPARE(lines.at(5 + 12 + 7 + 3).items,
             QStringList({" ", "Paper 4", " ", "%", "", "", " ", "%"}));

    const QString row = ResultsListing::text(lines.at(5 + 12 + 7 + 2));
    QCOMPARE(row.indexOf("Paper 3"), 14);
    QCOMPARE(row.indexOf("8.5%"), 42);
    QCOMPARE(row.indexOf("0:8:1"), 56);
    QCOMPARE(row.indexOf("09/03/2024"), 70);
    QCOMPARE(row.indexOf("77.7%"), 98);
    QCOMPARE(row.size(), 98 + 5);
    QCOMPARE(ResultsListing::text(lines.at(5 + 3)), QString(14, ' ') + rule);
    QCOMPARE(ResultsListing::lines("Tessaly", 0, {}, marksRows({})).size(), 5);
}

void TestReport::zonesPushLongItems_data()
{
    QTest::addColumn<QList<double>>("widths");
    QTest::addColumn<QList<int>>("zones");
    QTest::addRow("short items") << QList<double>{1, 6, 1} << QList<int>{0, 1, 2};
    QTest::addRow("exactly a zone") << QList<double>{1, 14, 4} << QList<int>{0, 1, 2};
    QTest::addRow("one over") << QList<double>{1, 15, 4} << QList<int>{0, 1, 3};
    QTest::addRow("the rule") << QList<double>{1, 128, 1} << QList<int>{0, 1, 11};
    QTest::addRow("empty items keep their zones") << QList<double>{0, 0, 3} << QList<int>{0, 1, 2};
    QTest::addRow("measured a hair over") << QList<double>{1, 14.0000001, 1}
                                          << QList<int>{0, 1, 2};
}

void TestReport::zonesPushLongItems()
{
    QFETCH(QList<double>, widths);
    QFETCH(QList<int>, zones);
    QCOMPARE(ResultsListing::zones(widths, 14), zones);
}

void TestReport::listingPaintsItsZones()
{
    // Wide enough for 142 columns at 9 pt: the font is used as given, and
    // every item lands at its zone's character column.
    const QList<ResultsListing::Line> lines = sampleListing(3);
    RecordingDevice device(1400, 10000);
    ListingPainter painter(monoFont(9));
    QVERIFY(painter.paint(&device, lines));
    QCOMPARE(painter.usedFont().pointSizeF(), 9.0);
    QCOMPARE(painter.linesPainted(), int(lines.size()));

    const QFontMetricsF fm(painter.usedFont(), &device);
    const double charWidth = fm.averageCharWidth();
    const double lineHeight = fm.lineSpacing();
    QMap<int, QString> painted; // line number -> text rebuilt from positions
    for (const RecordingDevice::Text &t : device.texts()) {
        const double line = (t.at.y() - fm.ascent()) / lineHeight;
        const double column = t.at.x() / charWidth;
        QCOMPARE(line, std::round(line));
        QCOMPARE(column, std::round(column));
        QString &text = painted[int(std::lround(line))];
        text = text.leftJustified(int(std::lround(column)), ' ') + t.text;
    }
    const auto rightTrimmed = [](QString text) {
        while (text.endsWith(' '))
            text.chop(1);
        return text;
    };
    for (int n = 0; n < lines.size(); ++n)
        QCOMPARE(rightTrimmed(painted.value(n)), rightTrimmed(ResultsListing::text(lines.at(n))));
    QCOMPARE(painted.value(2), QString(14, ' ') + "Tessaly");
}

void TestReport::listingShrinksToFitTheWidth()
{
    const QList<ResultsListing::Line> lines = sampleListing(1);
    RecordingDevice device(600, 4000);
    ListingPainter painter(monoFont(9));
    QVERIFY(painter.paint(&device, lines));
    QVERIFY(painter.usedFont().pointSizeF() < 9.0);
    const QFontMetricsF fm(painter.usedFont(), &device);
    double right = 0;
    for (const RecordingDevice::Text &t : device.texts())
        right = std::max(right, t.at.x() + fm.horizontalAdvance(t.text));
    QVERIFY2(right <= 600, qPrintable(QString::number(right)));
    QVERIFY(right > 500);
}

void TestReport::listingToPdf()
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QFAIL("pdftotext is missing: scripts/deps.sh installs poppler-utils");

    const QString path = m_dir->filePath(QStringLiteral("results.pdf"));
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(300);
    ListingPainter painter;
    const QList<ResultsListing::Line> lines = sampleListing(10);
    QVERIFY(painter.paint(&writer, lines));
    QVERIFY(painter.pageCount() >= 2);
    QCOMPARE(painter.linesPainted(), int(lines.size()));

    QProcess run;
    run.start(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    QVERIFY(run.waitForFinished(30000));
    QCOMPARE(run.exitCode(), 0);
    const QString text = QString::fromUtf8(run.readAllStandardOutput());
    const QStringList pages = text.split('\f', Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), painter.pageCount());
    QVERIFY(pages.first().trimmed().startsWith(QStringLiteral("Tessaly")));

    // Every topic's table in topic order, each whole on one page.
    qsizetype from = 0;
    for (int i = 1; i <= 10; ++i) {
        const qsizetype at = text.indexOf(kTopics.at(i - 1), from);
        QVERIFY2(at > from, qPrintable(kTopics.at(i - 1)));
        const qsizetype next = i < 10 ? text.indexOf(kTopics.at(i), at) : text.size();
        const QString table = text.mid(at, next - at);
        QVERIFY2(!table.contains('\f') || table.indexOf('\f') > table.indexOf("Paper 5"),
                 qPrintable(kTopics.at(i - 1)));
        QStringList rows;
        for (const QString &line : table.split('\n')) {
            if (line.contains(QStringLiteral("Paper ")))
                rows << line.simplified();
        }
        const int p = 5 * (i - 1);
        QCOMPARE(rows.size(), 5);
        QVERIFY2(rows.at(0).startsWith(QStringLiteral("Paper 1 %1.5% 0:%1:1").arg(p + 1)),
                 qPrintable(rows.at(0)));
        QCOMPARE(rows.at(3), QStringLiteral("Paper 4 % %"));
        from = at;
    }
    QVERIFY(text.contains(QRegularExpression("Paper 3 +8\\.5% +0:8:1 +09/03/2024 +77\\.7%")));
    QVERIFY(text.contains(QRegularExpression("Papers +First take +Time taken +Date +Second take")));
    QCOMPARE(text.count(QString(128, '-')), 20);
}

void TestReport::listingIntoAnImageStopsAtTheEdge()
{
    QImage image(1400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    ListingPainter painter(monoFont(9));
    const QList<ResultsListing::Line> lines = sampleListing(10);
    QVERIFY(painter.paint(&image, lines));
    QCOMPARE(painter.pageCount(), 1);
    // Only whole tables that fit: the heading and then none, one or two.
    QVERIFY(painter.linesPainted() < lines.size());
    QCOMPARE((painter.linesPainted() - 5) % 12, 0);

    auto inkInRows = [&](int top, int bottom) {
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y).lightness() < 128)
                    return true;
        return false;
    };
    const QFontMetricsF fm(painter.usedFont(), &image);
    const int end = int(std::ceil(fm.lineSpacing() * painter.linesPainted()));
    QVERIFY(inkInRows(0, int(fm.lineSpacing() * 3)));  // product name
    QVERIFY(!inkInRows(end, image.height()));            // nothing past the last line
    QVERIFY(!inkInRows(0, int(fm.lineSpacing() * 2)));  // two empty lines first
}

void TestReport::listingOnUnwritableFileFails()
{
    QPdfWriter writer(m_dir->filePath(QStringLiteral("missing/folder/results.pdf")));
    ListingPainter painter;
    QVERIFY(!painter.paint(&writer, sampleListing(1)));
    QVERIFY(!painter.paint(nullptr, sampleListing(1)));
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"
