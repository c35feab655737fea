#include "BorderOutline.h"
#include "FontChoice.h"
#include "FrameGeometry.h"
#include "FrameMetrics.h"
#include "FrameOutline.h"
#include "PictureChoice.h"
#include "PictureNames.h"
#include "PopUpLayout.h"
#include "ToolbarIdentity.h"

#include <QSet>
#include <QtTest>

using namespace Module5;

// The frame's decisions without windows: outlines, hit test, picture choice,
// toolbar identities and the pop-up's arithmetic.
class TestFrameCore : public QObject
{
    Q_OBJECT
private slots:
    void outlinePoints_data();
    void outlinePoints();
    void outlineRegionCutsCornersAndExcludesFarEdges_data();
    void outlineRegionCutsCornersAndExcludesFarEdges();
    void hitTestEdges_data();
    void hitTestEdges();
    void toolbarState_data();
    void toolbarState();
    void pictureNames_data();
    void pictureNames();
    void everyChosenPictureIsShipped();
    void contentsToolbarIdentities_data();
    void contentsToolbarIdentities();
    void frameCoversEdgesWithoutGaps_data();
    void frameCoversEdgesWithoutGaps();
    void topBarFromTheRight();
    void popUpButtons_data();
    void popUpButtons();
    void messageRule_data();
    void messageRule();
    void centreOver_data();
    void centreOver();
    void borderOutline();
    void fontFallbackOrder_data();
    void fontFallbackOrder();
};

void TestFrameCore::outlinePoints_data()
{
    QTest::addColumn<bool>("popUp");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPolygon>("expected");
    const QPolygon top = QPolygon({QPoint(0, 5), QPoint(1, 3), QPoint(2, 2), QPoint(3, 1),
                                   QPoint(5, 0), QPoint(795, 0), QPoint(797, 1), QPoint(798, 2),
                                   QPoint(799, 3), QPoint(800, 5)});
    QTest::addRow("main 800x600") << false << QSize(800, 600)
                                  << QPolygon(top + QPolygon({QPoint(800, 600), QPoint(0, 600)}));
    QTest::addRow("pop-up 800x600")
        << true << QSize(800, 600)
        << QPolygon(top + QPolygon({QPoint(800, 593), QPoint(798, 597), QPoint(797, 598), QPoint(793, 600),
                            QPoint(7, 600), QPoint(3, 598), QPoint(2, 597), QPoint(0, 593)}));
    QTest::addRow("pop-up design size")
        << true << QSize(265, 150)
        << QPolygon({QPoint(0, 5), QPoint(1, 3), QPoint(2, 2), QPoint(3, 1), QPoint(5, 0),
                     QPoint(260, 0), QPoint(262, 1), QPoint(263, 2), QPoint(264, 3), QPoint(265, 5),
                     QPoint(265, 143), QPoint(263, 147), QPoint(262, 148), QPoint(258, 150),
                     QPoint(7, 150), QPoint(3, 148), QPoint(2, 147), QPoint(0, 143)});
}

void TestFrameCore::outlinePoints()
{
    QFETCH(bool, popUp);
    QFETCH(QSize, size);
    QFETCH(QPolygon, expected);
    const QPolygon points = popUp ? PopUpOutline(size) : MainWindowOutline(size);
    QCOMPARE(points.size(), popUp ? 18 : 12);
    QCOMPARE(points, expected);
}

void TestFrameCore::outlineRegionCutsCornersAndExcludesFarEdges_data()
{
    QTest::addColumn<bool>("popUp");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<bool>("inside");
    for (bool popUp : {false, true}) {
        const char *kind = popUp ? "pop-up" : "main";
        QTest::addRow("%s top-left corner pixel", kind) << popUp << QPoint(0, 0) << false;
        QTest::addRow("%s top-right corner pixel", kind) << popUp << QPoint(199, 0) << false;
        QTest::addRow("%s top edge after the curve", kind) << popUp << QPoint(5, 0) << true;
        QTest::addRow("%s left edge below the curve", kind) << popUp << QPoint(0, 5) << true;
        QTest::addRow("%s right edge is outside", kind) << popUp << QPoint(200, 50) << false;
        QTest::addRow("%s bottom edge is outside", kind) << popUp << QPoint(50, 100) << false;
        QTest::addRow("%s bottom-left corner pixel", kind) << popUp << QPoint(0, 99) << !popUp;
        QTest::addRow("%s bottom-right corner pixel", kind) << popUp << QPoint(199, 99) << !popUp;
    }
    QTest::addRow("pop-up bottom edge after the curve") << true << QPoint(7, 99) << true;
}

void TestFrameCore::outlineRegionCutsCornersAndExcludesFarEdges()
{
    QFETCH(bool, popUp);
    QFETCH(QPoint, pixel);
    QFETCH(bool, inside);
    const QSize size(200, 100);
    const QRegion region = OutlineRegion(popUp ? PopUpOutline(size) : MainWindowOutline(size));
    QCOMPARE(region.boundingRect(), QRect(QPoint(0, 0), size));
    QCOMPARE(region.contains(pixel), inside);
}

void TestFrameCore::hitTestEdges_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("inside");
    // A 44 x 45 button at (100, 200).
    QTest::addRow("top-left corner") << QPoint(100, 200) << true;
    QTest::addRow("last pixel") << QPoint(143, 244) << true;
    QTest::addRow("right edge") << QPoint(144, 220) << false;
    QTest::addRow("bottom edge") << QPoint(120, 245) << false;
    QTest::addRow("left of left edge") << QPoint(99, 220) << false;
    QTest::addRow("above top edge") << QPoint(120, 199) << false;
    QTest::addRow("middle") << QPoint(122, 222) << true;
}

void TestFrameCore::hitTestEdges()
{
    QFETCH(QPoint, point);
    QFETCH(bool, inside);
    QCOMPARE(PtInRect(QRect(QPoint(100, 200), kToolbarButtonSize), point), inside);
}

void TestFrameCore::toolbarState_data()
{
    QTest::addColumn<bool>("available");
    QTest::addColumn<bool>("inside");
    QTest::addColumn<bool>("pressFlag");
    QTest::addColumn<QString>("picture");
    QTest::addRow("outside") << true << false << false << "save_off.bmp";
    QTest::addRow("outside while pressed elsewhere") << true << false << true << "save_off.bmp";
    QTest::addRow("inside") << true << true << false << "save_on.bmp";
    QTest::addRow("inside and pressed") << true << true << true << "save_pressed.bmp";
    QTest::addRow("unavailable, inside and pressed") << false << true << true << "save_disabled.bmp";
    QTest::addRow("unavailable, outside") << false << false << false << "save_disabled.bmp";
}

void TestFrameCore::toolbarState()
{
    QFETCH(bool, available);
    QFETCH(bool, inside);
    QFETCH(bool, pressFlag);
    QFETCH(QString, picture);
    QCOMPARE(PictureFile(QStringLiteral("save"), ToolbarState(available, inside, pressFlag)), picture);
}

void TestFrameCore::pictureNames_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("expected");
    QTest::addRow("current tab, outside") << TabPicture(true, false) << "tabs_front_off.bmp";
    QTest::addRow("current tab, inside") << TabPicture(true, true) << "tabs_front_on.bmp";
    QTest::addRow("other tab, outside") << TabPicture(false, false) << "tabs_back_off.bmp";
    QTest::addRow("other tab, inside") << TabPicture(false, true) << "tabs_back_on.bmp";
    QTest::addRow("close, inside")
        << ActiveWindowButtonPicture(WindowButton::Close, true, false) << "prog_blue_close.bmp";
    QTest::addRow("max, normal window")
        << ActiveWindowButtonPicture(WindowButton::Max, false, false) << "prog_blueoff_max.bmp";
    QTest::addRow("max, maximised window")
        << ActiveWindowButtonPicture(WindowButton::Max, false, true) << "prog_blueoff_norm.bmp";
    QTest::addRow("max, maximised, inside")
        << ActiveWindowButtonPicture(WindowButton::Max, true, true) << "prog_blue_norm.bmp";
    QTest::addRow("min is not affected by maximising")
        << ActiveWindowButtonPicture(WindowButton::Min, true, true) << "prog_blue_min.bmp";
    QTest::addRow("inactive max") << InactiveWindowButtonPicture(WindowButton::Max)
                                  << "prog_white_max.bmp";
    QTest::addRow("active top bar centre") << TopBar(true).centre << "border_top_center.bmp";
    QTest::addRow("inactive top bar left") << TopBar(false).left << "border_white_top_left.bmp";
    QTest::addRow("two-state inside") << PictureFile(QStringLiteral("loadbutton"), TwoState(true))
                                      << "loadbutton_on.bmp";
}

void TestFrameCore::pictureNames()
{
    QFETCH(QString, chosen);
    QFETCH(QString, expected);
    QCOMPARE(chosen, expected);
}

void TestFrameCore::everyChosenPictureIsShipped()
{
    QSet<QString> shipped;
    for (const PictureEntry &p : kPictures)
        shipped.insert(QString::fromLatin1(p.name.data(), qsizetype(p.name.size())).toLower());

    QStringList chosen;
    const auto states = {ButtonState::Off, ButtonState::On, ButtonState::Pressed};
    for (int tab : {1, 4}) {
        for (int b = 1; b <= 4; ++b) {
            const ToolbarIdentity id = ContentsToolbarIdentity(b, tab);
            for (ButtonState s : states)
                if (id.visible)
                    chosen << PictureFile(id.base, s);
        }
    }
    for (int b = 1; b <= 6; ++b) {
        const ToolbarIdentity id = PaperToolbarIdentity(b);
        for (ButtonState s : states)
            chosen << PictureFile(id.base, s);
    }
    // The buttons that can be unavailable.
    for (const char *base : {"save", "mark", "back", "forward"})
        chosen << PictureFile(QString::fromLatin1(base), ButtonState::Disabled);
    for (bool a : {false, true}) {
        for (bool b : {false, true}) {
            chosen << TabPicture(a, b);
            for (WindowButton w : {WindowButton::Close, WindowButton::Max, WindowButton::Min})
                chosen << ActiveWindowButtonPicture(w, a, b);
        }
        chosen << TopBar(a).left << TopBar(a).centre << TopBar(a).right;
    }
    for (WindowButton w : {WindowButton::Close, WindowButton::Max, WindowButton::Min})
        chosen << InactiveWindowButtonPicture(w);
    for (const char *base : {"button", "loadbutton"})
        for (bool inside : {false, true})
            chosen << PictureFile(QString::fromLatin1(base), TwoState(inside));

    for (const QString &name : std::as_const(chosen))
        QVERIFY2(shipped.contains(name.toLower()), qPrintable(name));
}

void TestFrameCore::contentsToolbarIdentities_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QString>("base");
    QTest::addColumn<bool>("visible");
    for (int tab : {1, 2, 3}) {
        QTest::addRow("Home on tab %d", tab) << 1 << tab << "Home" << "Load Home page" << "home" << true;
        QTest::addRow("Report on tab %d", tab)
            << 2 << tab << "Report" << "Load Report card" << "report" << true;
        QTest::addRow("Print on tab %d", tab) << 3 << tab << "Print" << "Print results" << "print" << true;
        QTest::addRow("Close on tab %d", tab) << 4 << tab << "Close" << "Close program" << "close" << true;
    }
    QTest::addRow("About on Help") << 1 << 4 << "About" << "About Quorvane" << "about" << true;
    QTest::addRow("Trash on Help") << 2 << 4 << "Trash" << "Trash past results" << "trash" << true;
    QTest::addRow("Print hidden on Help") << 3 << 4 << "" << "" << "" << false;
    QTest::addRow("Setup on Help") << 4 << 4 << "Setup" << "Printer Setup" << "setup" << true;
}

void TestFrameCore::contentsToolbarIdentities()
{
    QFETCH(int, button);
    QFETCH(int, tab);
    QFETCH(QString, caption);
    QFETCH(QString, tooltip);
    QFETCH(QString, base);
    QFETCH(bool, visible);
    const ToolbarIdentity id = ContentsToolbarIdentity(button, tab);
    QCOMPARE(id.caption, caption);
    QCOMPARE(id.tooltip, tooltip);
    QCOMPARE(id.base, base);
    QCOMPARE(id.visible, visible);
}

void TestFrameCore::frameCoversEdgesWithoutGaps_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QSize>("corner");
    QTest::addRow("pop-up") << kPopUpSize << kPopUpBottomCorner;
    QTest::addRow("paper window") << QSize(1024, 819) << kMainBottomCorner;
    QTest::addRow("smallest paper window") << QSize(487, 333) << kMainBottomCorner;
}

void TestFrameCore::frameCoversEdgesWithoutGaps()
{
    QFETCH(QSize, client);
    QFETCH(QSize, corner);
    const FrameRects r = LayoutFrame(client, corner);
    const int w = client.width();
    const int h = client.height();
    // Top bar: corner, stretched middle, corner, edge to edge.
    QCOMPARE(r.topLeft, QRect(0, 0, 48, 28));
    QCOMPARE(r.topCentre.left(), 48);
    QCOMPARE(r.topCentre.right() + 1, r.topRight.left());
    QCOMPARE(r.topRight.right() + 1, w);
    // Sides from the top bar down to the bottom corners.
    QCOMPARE(r.left.top(), 28);
    QCOMPARE(r.left.bottom() + 1, r.bottomLeft.top());
    QCOMPARE(r.right.bottom() + 1, r.bottomRight.top());
    QCOMPARE(r.right.right() + 1, w);
    QCOMPARE(r.bottomLeft.bottom() + 1, h);
    QCOMPARE(r.bottomLeft.size(), corner);
    // Bottom edge between the corners, along the bottom.
    QCOMPARE(r.bottom.left(), r.bottomLeft.right() + 1);
    QCOMPARE(r.bottom.right() + 1, r.bottomRight.left());
    QCOMPARE(r.bottom.bottom() + 1, h);
    QCOMPARE(r.bottom.height(), 4);
}

void TestFrameCore::topBarFromTheRight()
{
    const TopBarRects paper = LayoutTopBar(1000, QSize(60, 18), true);
    QCOMPARE(paper.close, QRect(1000 - 19 - 5, 4, 19, 19)); // 1.2 mm from the right
    QCOMPARE(paper.max.right() + 1 + 2, paper.close.left()); // 0.6 mm apart
    QCOMPARE(paper.min.right() + 1 + 2, paper.max.left());
    QCOMPARE(paper.title, QRect(30, 5, 60, 18)); // 8.0 mm, centred in the top bar
    QCOMPARE(paper.icon.topLeft(), QPoint(9, 6));  // 2.4 mm

    const TopBarRects main = LayoutTopBar(700, QSize(60, 18), false);
    QVERIFY(main.max.isNull());
    QCOMPARE(main.min.right() + 1 + 2, main.close.left());
}

void TestFrameCore::popUpButtons_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("second");
    QTest::addColumn<int>("firstLeft");
    QTest::addColumn<int>("secondLeft");
    QTest::addColumn<QString>("firstCaption");
    QTest::addColumn<QString>("secondCaption");
    // OK centred in 265 pixels; Yes at the message's left edge (16 + 32 + 10),
    // No 10 pixels after Yes's 80.
    QTest::addRow("notice") << 1 << true << false << 92 << 0 << "OK" << "";
    QTest::addRow("question") << 2 << true << true << 58 << 148 << "Yes" << "No";
    QTest::addRow("no buttons") << 0 << false << false << 0 << 0 << "" << "";
    QTest::addRow("three buttons") << 3 << false << false << 0 << 0 << "" << "";
}

void TestFrameCore::popUpButtons()
{
    QFETCH(int, count);
    QFETCH(bool, valid);
    QFETCH(bool, second);
    QFETCH(int, firstLeft);
    QFETCH(int, secondLeft);
    QFETCH(QString, firstCaption);
    QFETCH(QString, secondCaption);
    const PopUpFixedLayout fixed = PopUpFixed(18);
    QCOMPARE(fixed.buttonTop, 150 - 25 - 16);
    const PopUpButtons b = PopUpButtonLayout(fixed, count);
    QCOMPARE(b.valid, valid);
    if (!valid)
        return;
    QCOMPARE(b.secondVisible, second);
    QCOMPARE(b.firstLeft, firstLeft);
    QCOMPARE(b.firstCaption, firstCaption);
    if (second) {
        QCOMPARE(b.secondLeft, secondLeft);
        QCOMPARE(b.secondCaption, secondCaption);
        QVERIFY(b.secondLeft + kButtonSize.width() <= kPopUpSize.width() - kEdgeWidth);
    }
}

void TestFrameCore::messageRule_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("drop");
    QTest::addRow("empty") << QString() << 7;
    QTest::addRow("Paper saved") << "Paper saved" << 7;
    QTest::addRow("32 characters") << QString(32, QLatin1Char('x')) << 7;
    QTest::addRow("33 characters") << QString(33, QLatin1Char('x')) << 0;
    QTest::addRow("marking question") << "Do you want to mark your practice now?" << 0;
}

void TestFrameCore::messageRule()
{
    QFETCH(QString, message);
    QFETCH(int, drop);
    const PopUpFixedLayout fixed = PopUpFixed(18);
    QCOMPARE(fixed.info.topLeft(), QPoint(16, 28 + 16));
    QCOMPARE(PopUpMessageTop(fixed, message), fixed.info.top() + drop);
}

void TestFrameCore::centreOver_data()
{
    QTest::addColumn<QRect>("master");
    QTest::addColumn<QPoint>("expected");
    QTest::addRow("paper window") << QRect(128, 102, 1024, 819) << QPoint(128 + 379, 102 + 334);
    QTest::addRow("maximised") << QRect(0, 0, 1280, 1024) << QPoint(507, 437);
    QTest::addRow("moved off the left") << QRect(-300, 50, 600, 400) << QPoint(-300 + 167, 50 + 125);
    QTest::addRow("smaller than the pop-up") << QRect(10, 10, 100, 50) << QPoint(10 - 82, 10 - 50);
}

void TestFrameCore::centreOver()
{
    QFETCH(QRect, master);
    QFETCH(QPoint, expected);
    QCOMPARE(CentreOver(master, kPopUpSize), expected);
}

void TestFrameCore::borderOutline()
{
    // One clear pixel on every side: 30 twips before, 15 twips after.
    const QRect control(10, 20, 30, 40);
    const QRect outline = BorderOutlineRect(control);
    QCOMPARE(outline.topLeft(), QPoint(8, 18));
    QCOMPARE(outline.bottomRight(), QPoint(41, 61));
    QVERIFY(outline.adjusted(1, 1, -1, -1).contains(control.adjusted(-1, -1, 1, 1)));

    QCOMPARE(BorderColour(1), QColor(178, 217, 246));
    QCOMPARE(BorderColour(0), QColor(0xC0, 0xC0, 0xC0));
    QCOMPARE(BorderColour(7), QColor(0xC0, 0xC0, 0xC0));
    QCOMPARE(BorderColour(2).alpha(), 0);
}

void TestFrameCore::fontFallbackOrder_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("label");
    QTest::addRow("both named fonts") << QStringList{"Trebuchet MS", "Arial", "DejaVu Sans"}
                                      << "Trebuchet MS" << "Arial";
    QTest::addRow("this machine") << QStringList{"DejaVu Sans", "Liberation Sans"}
                                  << "Liberation Sans" << "Liberation Sans";
    QTest::addRow("only DejaVu") << QStringList{"DejaVu Sans"} << "DejaVu Sans" << "DejaVu Sans";
}

void TestFrameCore::fontFallbackOrder()
{
    QFETCH(QStringList, installed);
    QFETCH(QString, title);
    QFETCH(QString, label);
    const auto has = [&](const QString &f) { return installed.contains(f); };
    QCOMPARE(ChooseFamily(TitleFamilies(), has), title);
    QCOMPARE(ChooseFamily(LabelFamilies(), has), label);
}

QTEST_GUILESS_MAIN(TestFrameCore)
#include "tst_framecore.moc"
