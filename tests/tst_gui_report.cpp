#include "ListingPainter.h"
#include "ReportPanel.h"
#include "ShadedBox.h"
#include "TopicalSection.h"
#include "TrendSection.h"
#include "TrendView.h"
#include "support/ContentsHarness.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>

using namespace ContentsHarness;

// The Report panel and the printed results, read from results files
// written by hand.
class TestGuiReport : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_fx = std::make_unique<Fixture>(); }
    void cleanup() { m_fx.reset(); }

    void summaryAndTopicRows();
    void noMarksShowsDashes();
    void openingRecomputesSwitchingDoesNot();
    void sectionStacking_data();
    void sectionStacking();
    void trendFromTheTrendFile_data();
    void trendFromTheTrendFile();
    void trendDrawsItsDots();
    void printsTheListingToPdf();
    void setupChoiceIsUsedByTheNextPrint();
    void failedPrintTellsThePupil();
    void cancelledPrintWritesNothing();

private:
    Contents &startWith(const QByteArray &marks, const QByteArray &trend = "#TRD#")
    {
        m_fx->prepareResults();
        writeFile(m_fx->file(ResultsStore::Marks), marks);
        writeFile(m_fx->file(ResultsStore::Trend), trend);
        return m_fx->start();
    }
    static QString pdfText(const QString &path)
    {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (tool.isEmpty())
            return QStringLiteral("<pdftotext is missing: scripts/deps.sh installs poppler-utils>");
        QProcess run;
        run.start(tool, {QStringLiteral("-layout"), path, QStringLiteral("-")});
        run.waitForFinished(30000);
        return QString::fromUtf8(run.readAllStandardOutput());
    }
    std::unique_ptr<Fixture> m_fx;
};

void TestGuiReport::summaryAndTopicRows()
{
    Contents &c = startWith(
        marksFile({{1, "70"}, {2, "80"}, {6, "90"}, {11, "60"}, {12, "75"}}, {{11, "100"}}));
    click(c.toolbarButton(2)->caption());
    QCOMPARE(visiblePanel(c), QStringLiteral("Body_Report"));
    QCOMPARE(text(&c, "PCNum"), QStringLiteral("5 / 15"));
    QCOMPARE(text(&c, "OScore1"), QStringLiteral("75%"));
    QCOMPARE(text(&c, "OScore2"), QStringLiteral("100%"));
    // Averages 75, 90 and (60 + 75 + 100) / 3 = 78.3: the strongest is topic 2.
    QCOMPARE(text(&c, "ST"), QStringLiteral("Matter and Changes in States "));
    QCOMPARE(text(&c, "WT"), QStringLiteral("Human Body Systems "));
    QCOMPARE(text(&c, "SumyL5"), QStringLiteral("Number of Papers Completed:"));

    click(find(&c, "RCBar2"));
    const int w = c.reportPanel()->topical()->trackWidth();
    QVERIFY(w > 100);
    QCOMPARE(text(&c, "TopLab3"), QStringLiteral("Electricity and Magnets"));
    QCOMPARE(text(&c, "TMark1A"), QStringLiteral("75%"));
    QCOMPARE(text(&c, "TMark3A"), QStringLiteral("67.5%"));
    QCOMPARE(text(&c, "TMark3B"), QStringLiteral("100%"));
    QCOMPARE(text(&c, "TMark1B"), QString());
    QCOMPARE(find(&c, "TBar3A")->width(), qRound(w * 0.675));
    QCOMPARE(find(&c, "TBar3B")->width(), w);
    QCOMPARE(find(&c, "TBar1B")->width(), 0);
    // Both columns share one track width and start at its inner edge.
    QCOMPARE(find(&c, "TBack1A")->width(), find(&c, "TBack1B")->width());
    QCOMPARE(find(&c, "TBar2A")->x(), find(&c, "TBar3A")->x());
    for (int k = 1; k <= 10; ++k) {
        QCOMPARE(find(&c, QStringLiteral("TopLab%1").arg(k))->isVisible(), k <= 3);
        QCOMPARE(find(&c, QStringLiteral("TBack%1A").arg(k))->isVisible(), k <= 3);
        QCOMPARE(find(&c, QStringLiteral("TBack%1B").arg(k))->isVisible(), k <= 3);
    }
}

void TestGuiReport::noMarksShowsDashes()
{
    Contents &c = startWith(marksFile({}));
    click(c.toolbarButton(2));
    QCOMPARE(text(&c, "PCNum"), QStringLiteral("0 / 15"));
    for (const char *name : {"OScore1", "OScore2", "ST", "WT"})
        QCOMPARE(text(&c, name), QStringLiteral("-"));
    QVERIFY(c.reportPanel()->trend()->plot()->values().isEmpty());
}

void TestGuiReport::openingRecomputesSwitchingDoesNot()
{
    Contents &c = startWith(marksFile({{1, "50"}}), "#TRD#>50\r\n");
    click(c.toolbarButton(2));
    QCOMPARE(text(&c, "OScore1"), QStringLiteral("50%"));
    const int fills = c.reportPanel()->fillCount();

    // A paper is marked meanwhile.
    writeFile(m_fx->file(ResultsStore::Marks), marksFile({{1, "50"}, {6, "70"}}));
    writeFile(m_fx->file(ResultsStore::Trend), "#TRD#>50>70\r\n");
    for (const char *bar : {"RCBar3", "lblRCBar2", "RCBar1", "lblRCBar3"})
        click(find(&c, bar));
    QCOMPARE(c.reportPanel()->fillCount(), fills);
    QCOMPARE(text(&c, "OScore1"), QStringLiteral("50%"));
    QCOMPARE(text(&c, "PCNum"), QStringLiteral("1 / 15"));
    QCOMPARE(c.reportPanel()->trend()->plot()->values(), QList<double>{50});
    QCOMPARE(c.field("txtReportPos"), QStringLiteral("3"));

    // Opening the panel again reads the files and keeps the open section.
    click(c.toolbarButton(2));
    QCOMPARE(c.reportPanel()->fillCount(), fills + 1);
    QCOMPARE(text(&c, "OScore1"), QStringLiteral("60%"));
    QCOMPARE(text(&c, "PCNum"), QStringLiteral("2 / 15"));
    QCOMPARE(text(&c, "ST"), QStringLiteral("Matter and Changes in States "));
    QCOMPARE(c.reportPanel()->trend()->plot()->values(), (QList<double>{50, 70}));
    QCOMPARE(c.field("txtReportPos"), QStringLiteral("3"));
    QCOMPARE(visiblePanel(c), QStringLiteral("Body_Report"));
}

void TestGuiReport::sectionStacking_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<QList<bool>>("barsAtTop");
    QTest::addRow("overall") << 1 << QList<bool>{true, false, false};
    QTest::addRow("topical") << 2 << QList<bool>{true, true, false};
    QTest::addRow("trend") << 3 << QList<bool>{true, true, true};
}

void TestGuiReport::sectionStacking()
{
    QFETCH(int, section);
    QFETCH(QList<bool>, barsAtTop);
    Contents &c = startWith(marksFile({}));
    click(c.toolbarButton(2));
    click(find(&c, QStringLiteral("lblRCBar%1").arg(section)));
    ReportPanel *report = c.reportPanel();
    const int inset = ReportPanel::kInset;
    const int h = report->height() - 2 * inset;
    const int b = report->bar(1)->height();
    QCOMPARE(b, ReportPanel::kBarHeight);
    for (int n = 1; n <= 3; ++n) {
        const int top = inset + (barsAtTop.at(n - 1) ? (n - 1) * b : h - (4 - n) * b);
        QCOMPARE(report->bar(n)->y(), top);
    }
    QWidget *open = report->section(section);
    QCOMPARE(open->geometry(), QRect(0, inset + section * b, report->width(), h - 3 * b));
    // The open section is what shows between the bars.
    for (QWidget *w = report->childAt(report->width() / 2, inset + section * b + 4);;
         w = w->parentWidget()) {
        QVERIFY(w && w != report);
        if (w->parentWidget() == report) {
            QCOMPARE(w, open);
            break;
        }
    }
}

void TestGuiReport::trendFromTheTrendFile_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QList<double>>("plotted");
    QByteArray many = "#TRD#";
    QList<double> last20;
    for (int i = 1; i <= 25; ++i) {
        many += ">" + QByteArray::number(i * 2);
        if (i >= 6)
            last20 << i * 2;
    }
    QTest::addRow("empty template") << QByteArray("#TRD#") << QList<double>{};
    QTest::addRow("three") << QByteArray("#TRD#>50>80>66.7\r\n") << QList<double>{50, 80, 66.7};
    QTest::addRow("trailing separator") << QByteArray("#TRD#>50>80>\r\n") << QList<double>{50, 80};
    QTest::addRow("25 values keep 6..25") << many + "\r\n" << last20;
}

void TestGuiReport::trendFromTheTrendFile()
{
    QFETCH(QByteArray, line);
    QFETCH(QList<double>, plotted);
    Contents &c = startWith(marksFile({}), line);
    click(c.toolbarButton(2));
    QCOMPARE(c.reportPanel()->trend()->plot()->values(), plotted);
}

void TestGuiReport::trendDrawsItsDots()
{
    Contents &c = startWith(marksFile({}), "#TRD#>100>50>0\r\n");
    click(c.toolbarButton(2));
    click(find(&c, "RCBar3"));
    TrendView *plot = c.reportPanel()->trend()->plot();
    QVERIFY(plot->isVisible());
    const QImage image = plot->grab().toImage();
    const double step = plot->width() / 21.0;
    const double unit = plot->height() / 100.0;
    auto blueNear = [&](double x, double y) {
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) {
                const QColor px = image.pixelColor(qRound(x) + dx, qRound(y) + dy);
                if (px.blue() > 200 && px.red() < 90 && px.green() < 90)
                    return true;
            }
        return false;
    };
    QVERIFY(blueNear(step, 1));                      // 100% on the top edge
    QVERIFY(blueNear(2 * step, 50 * unit));          // 50% in the middle
    QVERIFY(blueNear(3 * step, plot->height() - 2)); // 0% on the bottom edge
    QVERIFY(!blueNear(4 * step, 50 * unit));         // nothing past the last value
}

void TestGuiReport::printsTheListingToPdf()
{
    Contents &c = startWith(marksFile({{2, "66.7"}, {8, "90"}}, {{8, "100"}}, 15, {{2, "0:12:5"}},
                                      {{2, "05/03/2024"}}));
    click(c.toolbarButton(2));
    const QString pdf = m_fx->dir.filePath("results.pdf");
    ResultsPrinter::setNextAnswer({true, pdf});
    click(c.toolbarButton(3)->caption());
    QCOMPARE(visiblePanel(c), QStringLiteral("Body_Report"));
    QList<SystemMessageBox::Message> messages = SystemMessageBox::takeRecorded();
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        // With no printer the pupil is told that a PDF file is the way.
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages.first().title, QStringLiteral("No Printer"));
        QVERIFY(messages.first().text.contains(QStringLiteral("PDF")));
        messages.removeFirst();
    }
    // Then where the file went.
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().title, QStringLiteral("Print Results"));
    QCOMPARE(messages.first().icon, QMessageBox::Information);
    QVERIFY2(messages.first().text.endsWith(QDir::toNativeSeparators(pdf)),
             qPrintable(messages.first().text));
    QVERIFY(QFile::exists(pdf));
    const QString text = pdfText(pdf);
    QVERIFY2(text.trimmed().startsWith(QStringLiteral("Tessaly")), qPrintable(text.left(200)));
    qsizetype at = 0;
    for (const char *topic :
         {"Human Body Systems", "Matter and Changes in States", "Electricity and Magnets"}) {
        const qsizetype next = text.indexOf(QLatin1String(topic), at);
        QVERIFY2(next > at, topic);
        at = next;
    }
    QVERIFY(text.contains(QRegularExpression("Paper 2 +66\\.7% +0:12:5 +05/03/2024 +%")));
    QVERIFY(text.contains(QRegularExpression("Paper 3 +90% +100%")));
    QCOMPARE(text.count(QString(128, '-')), 6);
    QCOMPARE(c.printer().printer()->outputFileName(), pdf);
}

void TestGuiReport::setupChoiceIsUsedByTheNextPrint()
{
    Contents &c = startWith(marksFile({{1, "80"}}));
    const QString chosen = m_fx->dir.filePath("chosen.pdf");
    click(c.tab(4));
    ResultsPrinter::setNextAnswer({true, chosen});
    click(c.toolbarButton(4)->caption());
    QVERIFY(!QFile::exists(chosen));
    click(c.tab(2));
    ResultsPrinter::setNextAnswer({true, {}}); // the pupil keeps what set-up chose
    click(c.toolbarButton(3));
    QVERIFY(QFile::exists(chosen));
    QVERIFY(pdfText(chosen).contains(QRegularExpression("Paper 1 +80%")));
}

void TestGuiReport::failedPrintTellsThePupil()
{
    Contents &c = startWith(marksFile({}));
    SystemMessageBox::takeRecorded();
    ResultsPrinter::setNextAnswer({true, m_fx->dir.filePath("no/such/folder/results.pdf")});
    click(c.toolbarButton(3));
    QList<SystemMessageBox::Message> messages = SystemMessageBox::takeRecorded();
    QVERIFY(!messages.isEmpty());
    QCOMPARE(messages.last().title, QStringLiteral("Print Results"));
    QCOMPARE(messages.last().icon, QMessageBox::Warning);
    QVERIFY(messages.last().text.contains(QStringLiteral("could not be printed")));
    QVERIFY(c.isVisible());
    QCOMPARE(visiblePanel(c), QStringLiteral("Body_Home"));
    // The program keeps going: the next print works.
    const QString pdf = m_fx->dir.filePath("second.pdf");
    ResultsPrinter::setNextAnswer({true, pdf});
    click(c.toolbarButton(3));
    QVERIFY(QFile::exists(pdf));
    messages = SystemMessageBox::takeRecorded();
    QVERIFY(!messages.isEmpty());
    QVERIFY(messages.last().text.endsWith(QDir::toNativeSeparators(pdf)));
}

void TestGuiReport::cancelledPrintWritesNothing()
{
    Contents &c = startWith(marksFile({}));
    ResultsPrinter::setNextAnswer({false, m_fx->dir.filePath("never.pdf")});
    click(c.toolbarButton(3));
    QVERIFY(!QFile::exists(m_fx->dir.filePath("never.pdf")));
    QVERIFY(QDir(m_fx->dir.path()).entryList({"*.pdf"}).isEmpty());
}

QTEST_MAIN(TestGuiReport)
#include "tst_gui_report.moc"
