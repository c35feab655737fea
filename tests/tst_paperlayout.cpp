#include "FrameMetrics.h"
#include "PaperLayout.h"

#include <QtTest>

using namespace Module5;

// The paper window's geometry without a window: regions for any client
// size, the opening place, the resize zones and the corner drag.
class TestPaperLayout : public QObject
{
    Q_OBJECT
private slots:
    void regionsMeetWithoutGaps_data();
    void regionsMeetWithoutGaps();
    void toolbarEnds();
    void tinySizesGiveNoNegativeRegion_data();
    void tinySizesGiveNoNegativeRegion();
    void opensOverTheMiddleOfTheScreen_data();
    void opensOverTheMiddleOfTheScreen();
    void minimumIsJustOverTheTwipLimits();
    void cursorZones_data();
    void cursorZones();
    void pressSnapsOntoEdges_data();
    void pressSnapsOntoEdges();
    void cornerDrag_data();
    void cornerDrag();
    void sizerOnlyPartlyInTheCorner();
};

void TestPaperLayout::regionsMeetWithoutGaps_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<bool>("shown");
    for (const QSize s : {QSize(1024, 819), QSize(487, 334), QSize(1280, 1024), QSize(801, 603)}) {
        QTest::addRow("%dx%d shown", s.width(), s.height()) << s << true;
        QTest::addRow("%dx%d hidden", s.width(), s.height()) << s << false;
    }
}

void TestPaperLayout::regionsMeetWithoutGaps()
{
    QFETCH(QSize, client);
    QFETCH(bool, shown);
    const PaperRects r = LayoutPaper(client, shown);
    const int w = client.width(), h = client.height();
    const int edges = 2 * kEdgeWidth;
    if (shown) {
        QCOMPARE(r.browser.width() + r.picHideAns.width() + r.ansBox.width() + edges, w);
        QCOMPARE(r.ansBox.right() + 1, w - kEdgeWidth);
        QCOMPARE(r.picHideAns.right() + 1, r.ansBox.left());
    } else {
        QCOMPARE(r.browser.width() + r.picHideAns.width() + edges, w);
        QCOMPARE(r.ansBox.left(), w); // just outside the client area
        QCOMPARE(r.picHideAns.right() + 1, w - kEdgeWidth);
    }
    QCOMPARE(r.browser.right() + 1, r.picHideAns.left());
    QCOMPARE(r.browser.left(), kEdgeWidth);
    QCOMPARE(r.browser.top(), r.scnTabBG.bottom() + 1);
    QCOMPARE(r.remQnsBG.top(), r.browser.bottom() + 1);
    QCOMPARE(r.remQnsBG.width(), r.browser.width());
    QCOMPARE(r.remQnsBG.bottom() + 1, h - kBottomHeight);
    QCOMPARE(r.ansBox.bottom() + 1, h - kBottomHeight);
    QCOMPARE(r.picHideAns.height(), r.ansBox.height());
    QCOMPARE(r.scnTabBG.width(), w - edges);
    // The title bar keeps the width it has with the sheet shown.
    QCOMPARE(r.qnTitleBG, LayoutPaper(client, true).qnTitleBG);
    QCOMPARE(r.qnTitleBG.width(), LayoutPaper(client, true).browser.width() - mmToPixels(6.4));
    QCOMPARE(r.picInstruction.bottom() + 1, r.ansBox.height());
    QCOMPARE(r.sizer.right() + 1 + mmToPixels(0.6), w);
    QCOMPARE(r.sizer.bottom() + 1 + mmToPixels(0.6), h);
}

void TestPaperLayout::toolbarEnds()
{
    for (int w : {487, 1024, 1600}) {
        const PaperRects r = LayoutPaper(QSize(w, 600), true);
        QCOMPARE(r.toolbar[0].left(), kToolbarGap);
        for (int b = 1; b < 4; ++b)
            QCOMPARE(r.toolbar[b].left(), r.toolbar[b - 1].right() + 1 + kToolbarGap);
        // Back and Next keep 120 twips from the strip's right end.
        QCOMPARE(r.toolbar[5].right() + 1 + kToolbarGap, r.scnTabBG.width());
        QCOMPARE(r.toolbar[4].right() + 1 + kToolbarGap, r.toolbar[5].left());
        QVERIFY(r.toolbar[3].right() < r.paperSum.left());
        QVERIFY(r.paperSum.right() < r.toolbar[4].left());
    }
}

void TestPaperLayout::tinySizesGiveNoNegativeRegion_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addRow("nothing") << QSize(0, 0);
    QTest::addRow("narrow") << QSize(100, 700);
    QTest::addRow("low") << QSize(900, 60);
    QTest::addRow("minimised stand-in") << QSize(160, 28);
}

void TestPaperLayout::tinySizesGiveNoNegativeRegion()
{
    QFETCH(QSize, client);
    for (bool shown : {true, false}) {
        const PaperRects r = LayoutPaper(client, shown);
        for (const QRect &rect : {r.scnTabBG, r.ansBox, r.picHideAns, r.browser, r.qnTitleBG,
                                  r.remQnsBG, r.sizer, r.picInstruction}) {
            QVERIFY2(rect.width() >= 0 && rect.height() >= 0,
                     qPrintable(QStringLiteral("%1x%2").arg(rect.width()).arg(rect.height())));
        }
    }
}

void TestPaperLayout::opensOverTheMiddleOfTheScreen_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("expected");
    QTest::addRow("1280x1024") << QRect(0, 0, 1280, 1024) << QRect(128, 102, 1024, 819);
    QTest::addRow("1920x1080") << QRect(0, 0, 1920, 1080) << QRect(192, 108, 1536, 864);
    QTest::addRow("second screen") << QRect(1280, 0, 800, 600) << QRect(1360, 60, 640, 480);
}

void TestPaperLayout::opensOverTheMiddleOfTheScreen()
{
    QFETCH(QRect, screen);
    QFETCH(QRect, expected);
    QCOMPARE(PaperStartGeometry(screen), expected);
}

void TestPaperLayout::minimumIsJustOverTheTwipLimits()
{
    const QSize min = MinimumPaperSize();
    QVERIFY(min.width() * kTwipsPerPixel > kMinWidthTwips);
    QVERIFY((min.width() - 1) * kTwipsPerPixel <= kMinWidthTwips);
    QVERIFY(min.height() * kTwipsPerPixel > kMinHeightTwips);
    QVERIFY((min.height() - 1) * kTwipsPerPixel <= kMinHeightTwips);
    // The fixed parts still fit at the minimum.
    const PaperRects r = LayoutPaper(min, true);
    QVERIFY(r.browser.width() > 100);
    QVERIFY(r.browser.height() > 100);
}

void TestPaperLayout::cursorZones_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("shape");
    QTest::addRow("inside") << QPoint(200, 150) << int(Qt::ArrowCursor);
    QTest::addRow("left band") << QPoint(5, 150) << int(Qt::SizeHorCursor);
    QTest::addRow("just off the left band") << QPoint(6, 150) << int(Qt::ArrowCursor);
    QTest::addRow("right band") << QPoint(395, 150) << int(Qt::SizeHorCursor);
    QTest::addRow("just off the right band") << QPoint(394, 150) << int(Qt::ArrowCursor);
    QTest::addRow("top band") << QPoint(200, 0) << int(Qt::SizeVerCursor);
    QTest::addRow("bottom band") << QPoint(200, 299) << int(Qt::SizeVerCursor);
    QTest::addRow("top-left") << QPoint(2, 2) << int(Qt::SizeFDiagCursor);
    QTest::addRow("bottom-right") << QPoint(398, 297) << int(Qt::SizeFDiagCursor);
    QTest::addRow("bottom-left") << QPoint(1, 298) << int(Qt::SizeBDiagCursor);
    QTest::addRow("top-right") << QPoint(399, 3) << int(Qt::SizeBDiagCursor);
}

void TestPaperLayout::cursorZones()
{
    QFETCH(QPoint, at);
    QFETCH(int, shape);
    QCOMPARE(int(ResizeCursorAt(at, QSize(400, 300))), shape);
}

void TestPaperLayout::pressSnapsOntoEdges_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QPoint>("snapped");
    QTest::addColumn<bool>("resizes");
    QTest::addRow("inside") << QPoint(100, 100) << QPoint(100, 100) << false;
    QTest::addRow("left edge") << QPoint(4, 100) << QPoint(0, 100) << false;
    QTest::addRow("top edge") << QPoint(100, 3) << QPoint(100, 0) << false;
    QTest::addRow("right edge") << QPoint(396, 100) << QPoint(399, 100) << false;
    QTest::addRow("bottom edge") << QPoint(100, 297) << QPoint(100, 299) << false;
    QTest::addRow("bottom-right corner") << QPoint(396, 296) << QPoint(399, 299) << true;
    QTest::addRow("top-left corner") << QPoint(1, 1) << QPoint(0, 0) << false;
}

void TestPaperLayout::pressSnapsOntoEdges()
{
    QFETCH(QPoint, at);
    QFETCH(QPoint, snapped);
    QFETCH(bool, resizes);
    QCOMPARE(SnapToEdges(at, QSize(400, 300)), snapped);
    QCOMPARE(InResizeCorner(at, QSize(400, 300)), resizes);
}

void TestPaperLayout::cornerDrag_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QSize>("size");
    const QSize min = MinimumPaperSize();
    QTest::addRow("grows") << QPoint(899, 699) << QSize(900, 700);
    QTest::addRow("shrinks") << QPoint(599, 499) << QSize(600, 500);
    QTest::addRow("stops at the width limit") << QPoint(min.width() - 2, 499)
                                              << QSize(800, 500);
    QTest::addRow("stops at the height limit") << QPoint(599, min.height() - 2)
                                               << QSize(600, 600);
    QTest::addRow("reaches the smallest size") << QPoint(min.width() - 1, min.height() - 1)
                                               << min;
    QTest::addRow("far up and left") << QPoint(5, 5) << QSize(800, 600);
}

void TestPaperLayout::cornerDrag()
{
    QFETCH(QPoint, at);
    QFETCH(QSize, size);
    QCOMPARE(DraggedSize(at, QSize(800, 600)), size);
}

void TestPaperLayout::sizerOnlyPartlyInTheCorner()
{
    const QSize outer(800, 600);
    const PaperRects r = LayoutPaper(outer, true);
    int inCorner = 0;
    for (int x = r.sizer.left(); x <= r.sizer.right(); ++x)
        for (int y = r.sizer.top(); y <= r.sizer.bottom(); ++y)
            inCorner += InResizeCorner(QPoint(x, y), outer) ? 1 : 0;
    QVERIFY(inCorner > 0);
    QVERIFY(inCorner < r.sizer.width() * r.sizer.height());
    QVERIFY(!InResizeCorner(r.sizer.topLeft(), outer));
    QVERIFY(InResizeCorner(r.sizer.bottomRight(), outer));
}

QTEST_GUILESS_MAIN(TestPaperLayout)
#include "tst_paperlayout.moc"
