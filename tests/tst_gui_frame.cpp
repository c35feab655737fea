#include "BorderLayer.h"
#include "Borders.h"
#include "FontChoice.h"
#include "FrameFonts.h"
#include "FontConfigWarmUp.h"
#include "PictureCache.h"
#include "PopUpLayout.h"
#include "Startup.h"
#include "WindowDragger.h"
#include "support/FrameProbe.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// The skinned frame and picture buttons, driven through real windows.
class TestGuiFrame : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void cacheReadsEachFileOnceWhateverTheCase();
    void picturesReadByTheirContentWhenTheNameMisleads();
    void programPicturesWhenGraphicsCannotBeUsed();
    void outlineAndPiecesFollowEveryResize();
    void activationSwitchesPicturesAndFlags();
    void windowButtonsHoverOnlyWhileActive();
    void maximisedWindowShowsRestorePictures();
    void hoverRuleAtButtonEdges_data();
    void hoverRuleAtButtonEdges();
    void timerFollowsCursorWithinOneTick();
    void pressFlagIsPerWindow();
    void helpTabSwapsToolbarIdentities();
    void disabledButtonIgnoresClicks();
    void captionClickIsButtonClick();
    void idleTicksSetNoPicture();
    void dragHandles_data();
    void dragHandles();
    void windowButtonsAct();
    void borderEraseLeavesNoTrace();
    void fontsAndCaptionsFit();
    void installedFamiliesAgreeWithTheToolkit();

private:
    Workspace ws() const { return Workspace(m_dir->path()); }
    std::unique_ptr<FrameProbe> shownProbe(const QString &flag, bool maximise = false)
    {
        auto w = std::make_unique<FrameProbe>(ws(), flag, maximise);
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            return nullptr;
        return w;
    }
    static bool activate(QWidget *w)
    {
        w->activateWindow();
        return QTest::qWaitForWindowActive(w);
    }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestGuiFrame::init()
{
    m_dir.reset(new QTemporaryDir);
    Startup::ExtractGraphics(ws());
    QCursor::setPos(0, 0);
}

void TestGuiFrame::cleanup()
{
    m_dir.reset();
}

void TestGuiFrame::cacheReadsEachFileOnceWhateverTheCase()
{
    auto cache = PictureCache::forFolder(ws().graphicsFolder());
    QCOMPARE(cache.get(), PictureCache::forFolder(ws().graphicsFolder()).get());
    // Written as "pencil.ico", asked for as the paper window does.
    QVERIFY(!cache->picture(QStringLiteral("Pencil.ico")).isNull());
    QVERIFY(!cache->picture(QStringLiteral("PENCIL.ICO")).isNull());
    QVERIFY(!cache->picture(QStringLiteral("border_bot_left.gif")).isNull());
    QCOMPARE(cache->filesRead(), 2);
    QVERIFY(cache->picture(QStringLiteral("no_such.bmp")).isNull());
    QCOMPARE(cache->filesRead(), 2);

    // A file that appears later is found.
    QFile::copy(ws().graphic(QStringLiteral("bar.bmp")), ws().graphic(QStringLiteral("late.bmp")));
    QVERIFY(!cache->picture(QStringLiteral("LATE.bmp")).isNull());
}

void TestGuiFrame::picturesReadByTheirContentWhenTheNameMisleads()
{
    // A picture replaced by hand with another format under the same name.
    const QString path = ws().graphic(QStringLiteral("bullet.bmp"));
    QImage png(12, 12, QImage::Format_ARGB32);
    png.fill(Qt::red);
    QFile::remove(path);
    QVERIFY(png.save(path, "PNG"));
    const QImage read = PictureCache::decode(path);
    QCOMPARE(read.size(), QSize(12, 12));
    QCOMPARE(read.pixelColor(5, 5), QColor(Qt::red));
    QVERIFY(PictureCache::decode(ws().graphic(QStringLiteral("gone.bmp"))).isNull());

    // Handed over from another thread, adopted whatever the letter case.
    auto cache = PictureCache::forFolder(ws().graphicsFolder());
    cache->adopt({{QStringLiteral("Bullet.BMP"), read}, {QStringLiteral("gone.bmp"), QImage()}});
    QCOMPARE(cache->picture(QStringLiteral("bullet.bmp")).size(), QSize(12, 12));
    QCOMPARE(cache->filesRead(), 0);
}

void TestGuiFrame::programPicturesWhenGraphicsCannotBeUsed()
{
    // A folder with no pictures in it, as a Graphics that is a file gives.
    QTemporaryDir empty;
    PictureCache cache(empty.filePath(QStringLiteral("Graphics")));
    QVERIFY(cache.picture(QStringLiteral("border_top_left.bmp")).isNull());
    cache.useProgramPictures();
    const QImage onDisk = PictureCache::decode(ws().graphic(QStringLiteral("border_top_left.bmp")));
    QVERIFY(!onDisk.isNull());
    QCOMPARE(cache.picture(QStringLiteral("Border_Top_Left.BMP")).toImage().size(), onDisk.size());
    QVERIFY(!cache.picture(QStringLiteral("info_mark.gif")).isNull());
    QVERIFY(!cache.picture(QStringLiteral("pencil.ico")).isNull());
    QVERIFY(cache.picture(QStringLiteral("no_such.bmp")).isNull());
    QCOMPARE(cache.filesRead(), 0);
}

void TestGuiFrame::outlineAndPiecesFollowEveryResize()
{
    auto w = shownProbe(QStringLiteral("Test1Focus"), true);
    QVERIFY(w);
    for (const QSize size : {QSize(400, 300), QSize(640, 480), QSize(487, 333)}) {
        w->resize(size);
        QCOMPARE(w->size(), size);
        const QRegion outline = w->outline();
        QCOMPARE(outline.boundingRect(), QRect(QPoint(0, 0), size));
        QVERIFY(!outline.contains(QPoint(0, 0)));
        QVERIFY(!outline.contains(QPoint(size.width() - 1, 0)));
        QVERIFY(outline.contains(QPoint(size.width() - 1, size.height() - 1)));
        QCOMPARE(w->piece(SkinnedWindow::Piece::TopRight)->geometry().right(), size.width() - 1);
        QCOMPARE(w->piece(SkinnedWindow::Piece::BottomRight)->geometry().bottomRight(),
                 QPoint(size.width() - 1, size.height() - 1));
        QCOMPARE(w->closeButton()->geometry().right(), size.width() - 1 - 5);
        QCOMPARE(w->contentRect(), QRect(4, 28, size.width() - 8, size.height() - 32));
    }
}

void TestGuiFrame::activationSwitchesPicturesAndFlags()
{
    auto a = shownProbe(QStringLiteral("ContentsFocus"));
    auto b = shownProbe(QStringLiteral("Test1Focus"), true);
    QVERIFY(a && b);
    QLineEdit *flagA = a->findChild<QLineEdit *>(QStringLiteral("ContentsFocus"));
    QLineEdit *flagB = b->findChild<QLineEdit *>(QStringLiteral("Test1Focus"));
    QVERIFY(flagA && flagB);
    QVERIFY(flagA->isHidden());

    QVERIFY(activate(a.get()));
    QCOMPARE(flagA->text(), QStringLiteral("1"));
    QCOMPARE(a->piece(SkinnedWindow::Piece::TopLeft)->picture(), QStringLiteral("border_top_left.bmp"));
    QCOMPARE(a->piece(SkinnedWindow::Piece::TopCentre)->picture(), QStringLiteral("border_top_center.bmp"));
    QCOMPARE(a->closeButton()->picture(), QStringLiteral("prog_blueoff_close.bmp"));
    QCOMPARE(a->titleLabel()->palette().color(QPalette::WindowText), QColor(Qt::white));

    QVERIFY(activate(b.get()));
    QCOMPARE(flagA->text(), QStringLiteral("0"));
    QCOMPARE(flagB->text(), QStringLiteral("1"));
    QCOMPARE(a->piece(SkinnedWindow::Piece::TopLeft)->picture(), QStringLiteral("border_white_top_left.bmp"));
    QCOMPARE(a->piece(SkinnedWindow::Piece::TopCentre)->picture(),
             QStringLiteral("border_white_top_center.bmp"));
    QCOMPARE(a->piece(SkinnedWindow::Piece::TopRight)->picture(), QStringLiteral("border_white_top_right.bmp"));
    QCOMPARE(a->closeButton()->picture(), QStringLiteral("prog_white_close.bmp"));
    QCOMPARE(a->minButton()->picture(), QStringLiteral("prog_white_min.bmp"));
    QCOMPARE(a->titleLabel()->palette().color(QPalette::WindowText), QColor(0x80, 0x80, 0x80));
    QCOMPARE(b->maxButton()->picture(), QStringLiteral("prog_blueoff_max.bmp"));

    QVERIFY(activate(a.get()));
    QCOMPARE(flagB->text(), QStringLiteral("0"));
    QCOMPARE(b->maxButton()->picture(), QStringLiteral("prog_white_max.bmp"));
    QCOMPARE(a->piece(SkinnedWindow::Piece::TopRight)->picture(), QStringLiteral("border_top_right.bmp"));
}

void TestGuiFrame::windowButtonsHoverOnlyWhileActive()
{
    auto a = shownProbe(QStringLiteral("ContentsFocus"));
    auto b = shownProbe(QStringLiteral("Test1Focus"));
    QVERIFY(a && b);
    QVERIFY(activate(b.get()));
    QCursor::setPos(FrameTest::centreOf(a->closeButton()));
    a->refreshPictures();
    QCOMPARE(a->closeButton()->picture(), QStringLiteral("prog_white_close.bmp"));

    QVERIFY(activate(a.get()));
    a->refreshPictures();
    QCOMPARE(a->closeButton()->picture(), QStringLiteral("prog_blue_close.bmp"));
    QCOMPARE(a->minButton()->picture(), QStringLiteral("prog_blueoff_min.bmp"));
    QCursor::setPos(FrameTest::centreOf(a->minButton()));
    a->refreshPictures();
    QCOMPARE(a->closeButton()->picture(), QStringLiteral("prog_blueoff_close.bmp"));
    QCOMPARE(a->minButton()->picture(), QStringLiteral("prog_blue_min.bmp"));
}

void TestGuiFrame::maximisedWindowShowsRestorePictures()
{
    auto w = shownProbe(QStringLiteral("Test1Focus"), true);
    QVERIFY(w);
    QVERIFY(activate(w.get()));
    w->refreshPictures();
    QCOMPARE(w->maxButton()->picture(), QStringLiteral("prog_blueoff_max.bmp"));

    const QRect normal = w->geometry();
    QTest::mouseClick(w->maxButton(), Qt::LeftButton);
    QTRY_VERIFY(w->isMaximized());
    QTRY_COMPARE(w->geometry(), w->screen()->availableGeometry());
    QVERIFY(activate(w.get()));
    QCursor::setPos(FrameTest::centreOf(w->maxButton()));
    w->refreshPictures();
    QCOMPARE(w->maxButton()->picture(), QStringLiteral("prog_blue_norm.bmp"));
    QCursor::setPos(0, 0);
    w->refreshPictures();
    QCOMPARE(w->maxButton()->picture(), QStringLiteral("prog_blueoff_norm.bmp"));
    // The outline follows the maximised size.
    QCOMPARE(w->outline().boundingRect().size(), w->size());

    auto other = shownProbe(QStringLiteral("ContentsFocus"));
    QVERIFY(other && activate(other.get()));
    w->refreshPictures();
    QCOMPARE(w->maxButton()->picture(), QStringLiteral("prog_white_max.bmp"));

    QVERIFY(activate(w.get()));
    QTest::mouseClick(w->maxButton(), Qt::LeftButton);
    QTRY_VERIFY(!w->isMaximized());
    QTRY_COMPARE(w->geometry(), normal);
    w->refreshPictures();
    QCOMPARE(w->maxButton()->picture(), QStringLiteral("prog_blueoff_max.bmp"));
}

void TestGuiFrame::hoverRuleAtButtonEdges_data()
{
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<bool>("inside");
    // From the toolbar button's top-left pixel; the button is 44 x 45.
    QTest::addRow("left and top edges") << QPoint(0, 0) << true;
    QTest::addRow("last pixel inside") << QPoint(43, 44) << true;
    QTest::addRow("right edge") << QPoint(44, 10) << false;
    QTest::addRow("bottom edge") << QPoint(10, 45) << false;
    QTest::addRow("one left of it") << QPoint(-1, 10) << false;
    QTest::addRow("one above it") << QPoint(10, -1) << false;
}

void TestGuiFrame::hoverRuleAtButtonEdges()
{
    QFETCH(QPoint, offset);
    QFETCH(bool, inside);
    auto w = shownProbe(QStringLiteral("ContentsFocus"));
    QVERIFY(w);
    PictureButton *home = w->toolbar.at(0);
    QCursor::setPos(home->mapToGlobal(QPoint(0, 0)) + offset);
    w->refreshPictures();
    QCOMPARE(home->picture(), inside ? QStringLiteral("home_on.bmp") : QStringLiteral("home_off.bmp"));

    // The same rule for a two-state load button.
    QCursor::setPos(w->load->mapToGlobal(QPoint(0, 0)) + offset);
    w->refreshPictures();
    const QRect load(QPoint(0, 0), w->load->size());
    const bool inLoad = offset.x() >= 0 && offset.y() >= 0 && offset.x() < load.width()
                        && offset.y() < load.height();
    QCOMPARE(w->load->picture(),
             inLoad ? QStringLiteral("loadbutton_on.bmp") : QStringLiteral("loadbutton_off.bmp"));
}

void TestGuiFrame::timerFollowsCursorWithinOneTick()
{
    auto w = shownProbe(QStringLiteral("ContentsFocus"));
    QVERIFY(w);
    QTimer *timer = w->findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 100);
    QVERIFY(!timer->isActive()); // until the window's loading ends
    w->startTimer1();

    QCursor::setPos(FrameTest::centreOf(w->toolbar.at(1)));
    QTRY_COMPARE_WITH_TIMEOUT(w->toolbar.at(1)->picture(), QStringLiteral("report_on.bmp"), 1000);
    QCursor::setPos(FrameTest::centreOf(w->tab));
    QTRY_COMPARE_WITH_TIMEOUT(w->tab->picture(), QStringLiteral("tabs_back_on.bmp"), 1000);
    QCOMPARE(w->toolbar.at(1)->picture(), QStringLiteral("report_off.bmp"));
    w->tab->setCurrentTab(true);
    QTRY_COMPARE_WITH_TIMEOUT(w->tab->picture(), QStringLiteral("tabs_front_on.bmp"), 1000);
}

void TestGuiFrame::pressFlagIsPerWindow()
{
    auto w = shownProbe(QStringLiteral("ContentsFocus"));
    QVERIFY(w);
    QLineEdit *track = w->findChild<QLineEdit *>(QStringLiteral("txtPressTrack"));
    QVERIFY(track);
    QCOMPARE(track->text(), QStringLiteral("0"));
    PictureButton *home = w->toolbar.at(0);
    PictureButton *report = w->toolbar.at(1);

    QCursor::setPos(FrameTest::centreOf(home));
    QTest::mousePress(home, Qt::RightButton); // any mouse button
    QCOMPARE(track->text(), QStringLiteral("1"));
    QCOMPARE(home->picture(), QStringLiteral("home_pressed.bmp"));

    // Passing over another toolbar button with the button held.
    QCursor::setPos(FrameTest::centreOf(report));
    w->refreshPictures();
    QCOMPARE(report->picture(), QStringLiteral("report_pressed.bmp"));
    QCOMPARE(home->picture(), QStringLiteral("home_off.bmp"));
    // Two-state buttons never show pressed.
    QCursor::setPos(FrameTest::centreOf(w->twoState));
    w->refreshPictures();
    QCOMPARE(w->twoState->picture(), QStringLiteral("button_on.bmp"));

    QCursor::setPos(FrameTest::centreOf(report));
    QTest::mouseRelease(home, Qt::RightButton);
    QCOMPARE(track->text(), QStringLiteral("0"));
    QCOMPARE(report->picture(), QStringLiteral("report_on.bmp"));

    // The caption over the button presses it too.
    QTest::mousePress(w->toolbar.at(2)->caption(), Qt::LeftButton);
    QCOMPARE(track->text(), QStringLiteral("1"));
    QTest::mouseRelease(w->toolbar.at(2)->caption(), Qt::LeftButton);
    QCOMPARE(track->text(), QStringLiteral("0"));
}

void TestGuiFrame::helpTabSwapsToolbarIdentities()
{
    auto w = shownProbe(QStringLiteral("ContentsFocus"));
    QVERIFY(w);
    w->applyTab(4);
    w->refreshPictures();
    const QStringList captions{"About", "Trash", "", "Setup"};
    const QStringList tips{"About Quorvane", "Trash past results", "", "Printer Setup"};
    const QStringList pictures{"about_off.bmp", "trash_off.bmp", "", "setup_off.bmp"};
    for (int i : {0, 1, 3}) {
        PictureButton *b = w->toolbar.at(i);
        QVERIFY(b->isVisible());
        QCOMPARE(b->caption()->text(), captions.at(i));
        QCOMPARE(b->toolTip(), tips.at(i));
        QCOMPARE(b->caption()->toolTip(), tips.at(i));
        QCOMPARE(b->picture(), pictures.at(i));
    }
    QVERIFY(w->toolbar.at(2)->isHidden());
    QVERIFY(w->toolbar.at(2)->caption()->isHidden());

    w->applyTab(2);
    w->refreshPictures();
    QVERIFY(w->toolbar.at(2)->isVisible());
    QVERIFY(w->toolbar.at(2)->caption()->isVisible());
    QCOMPARE(w->toolbar.at(2)->caption()->text(), QStringLiteral("Print"));
    QCOMPARE(w->toolbar.at(0)->toolTip(), QStringLiteral("Load Home page"));
    QCOMPARE(w->toolbar.at(3)->caption()->toolTip(), QStringLiteral("Close program"));
    QCOMPARE(w->toolbar.at(3)->picture(), QStringLiteral("close_off.bmp"));
}

void TestGuiFrame::disabledButtonIgnoresClicks()
{
    auto w = shownProbe(QStringLiteral("Test1Focus"));
    QVERIFY(w);
    PictureButton *save = w->toolbar.at(0);
    save->setIdentity(Module5::PaperToolbarIdentity(1));
    QSignalSpy clicks(save, &PictureBox::clicked);
    QLineEdit *track = w->pressTrack();

    save->setAvailable(false);
    QCOMPARE(save->picture(), QStringLiteral("save_disabled.bmp"));
    QCursor::setPos(FrameTest::centreOf(save));
    QTest::mouseClick(save, Qt::LeftButton);
    QTest::mouseClick(save->caption(), Qt::LeftButton);
    QTest::mousePress(save->caption(), Qt::LeftButton);
    QCOMPARE(track->text(), QStringLiteral("0"));
    QTest::mouseRelease(save->caption(), Qt::LeftButton);
    w->refreshPictures();
    QCOMPARE(save->picture(), QStringLiteral("save_disabled.bmp"));
    QCOMPARE(clicks.count(), 0);

    save->setAvailable(true);
    w->refreshPictures();
    QCOMPARE(save->picture(), QStringLiteral("save_on.bmp"));
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
}

void TestGuiFrame::captionClickIsButtonClick()
{
    auto w = shownProbe(QStringLiteral("ContentsFocus"));
    QVERIFY(w);
    PictureButton *report = w->toolbar.at(1);
    QSignalSpy clicks(report, &PictureBox::clicked);
    QTest::mouseClick(report->caption(), Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QTest::mouseClick(report, Qt::LeftButton);
    QCOMPARE(clicks.count(), 2);
    // A right click is no click; a release outside the caption neither.
    QTest::mouseClick(report->caption(), Qt::RightButton);
    QTest::mousePress(report->caption(), Qt::LeftButton);
    QTest::mouseRelease(report->caption(), Qt::LeftButton, {}, QPoint(-5, -5));
    QCOMPARE(clicks.count(), 2);
}

void TestGuiFrame::idleTicksSetNoPicture()
{
    auto w = shownProbe(QStringLiteral("Test1Focus"), true);
    QVERIFY(w && activate(w.get()));
    QCursor::setPos(FrameTest::centreOf(w->toolbar.at(0)));
    w->startTimer1();
    QTRY_COMPARE(w->toolbar.at(0)->picture(), QStringLiteral("home_on.bmp"));

    const QList<PictureBox *> boxes = w->findChildren<PictureBox *>();
    QVERIFY(boxes.size() >= 18);
    auto changes = [&] {
        QList<int> c;
        for (PictureBox *b : boxes)
            c << b->pictureChanges();
        return c;
    };
    const QList<int> before = changes();
    const int reads = w->pictures().filesRead();
    QTest::qWait(600); // about six ticks with nothing changing
    QCOMPARE(changes(), before);
    QCOMPARE(w->pictures().filesRead(), reads);

    // Moving between pictures already seen reads no file again.
    QCursor::setPos(0, 0);
    QTRY_COMPARE(w->toolbar.at(0)->picture(), QStringLiteral("home_off.bmp"));
    QCursor::setPos(FrameTest::centreOf(w->toolbar.at(0)));
    QTRY_COMPARE(w->toolbar.at(0)->picture(), QStringLiteral("home_on.bmp"));
    QCOMPARE(w->pictures().filesRead(), reads);
}

void TestGuiFrame::dragHandles_data()
{
    QTest::addColumn<QString>("handle");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("moves");
    QTest::addRow("top-left piece") << "BTopLeft" << int(Qt::LeftButton) << true;
    QTest::addRow("top-centre piece") << "BTopCentre" << int(Qt::LeftButton) << true;
    QTest::addRow("top-right piece") << "BTopRight" << int(Qt::LeftButton) << true;
    QTest::addRow("title") << "Title" << int(Qt::LeftButton) << true;
    QTest::addRow("title, right button") << "Title" << int(Qt::RightButton) << true;
    QTest::addRow("icon") << "ImgIco" << int(Qt::LeftButton) << false;
    QTest::addRow("close button") << "imgProgClose" << int(Qt::LeftButton) << false;
    QTest::addRow("left edge") << "BLeft" << int(Qt::LeftButton) << false;
}

void TestGuiFrame::dragHandles()
{
    QFETCH(QString, handle);
    QFETCH(int, button);
    QFETCH(bool, moves);
    auto w = shownProbe(QStringLiteral("ContentsFocus"));
    QVERIFY(w);
    QWidget *h = w->findChild<QWidget *>(handle);
    QVERIFY(h);
    QSignalSpy closes(w->closeButton(), &PictureBox::clicked);
    const QPoint start = w->pos();
    FrameTest::drag(h, QPoint(37, 21), Qt::MouseButton(button));
    QCOMPARE(w->pos(), moves ? start + QPoint(37, 21) : start);
    QVERIFY(!w->dragger()->isDragging());
    // A move after the release no longer drags.
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), h->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(h, &move);
    QCOMPARE(w->pos(), moves ? start + QPoint(37, 21) : start);
    QCOMPARE(closes.count(), 0); // released away from the close button
}

void TestGuiFrame::windowButtonsAct()
{
    auto w = shownProbe(QStringLiteral("ContentsFocus"));
    QVERIFY(w);
    QTest::mouseClick(w->minButton(), Qt::LeftButton);
    QTRY_VERIFY(w->isMinimized());
    w->showNormal();
    QTRY_VERIFY(!w->isMinimized());
    QTest::mouseClick(w->closeButton(), Qt::LeftButton);
    QTRY_VERIFY(!w->isVisible());
}

void TestGuiFrame::borderEraseLeavesNoTrace()
{
    QWidget container;
    container.resize(200, 120);
    container.setAutoFillBackground(true);
    QPalette pal = container.palette();
    pal.setColor(QPalette::Window, QColor(244, 245, 235));
    container.setPalette(pal);
    auto *box = new QLineEdit(&container);
    box->setGeometry(40, 30, 60, 20);
    container.show();
    QVERIFY(QTest::qWaitForWindowExposed(&container));
    const QImage clean = container.grab().toImage();

    Module5::drawborder(box, &container, 0);
    const QImage grey = container.grab().toImage();
    QCOMPARE(grey.pixelColor(38, 28), QColor(0xC0, 0xC0, 0xC0));  // top-left corner
    QCOMPARE(grey.pixelColor(101, 51), QColor(0xC0, 0xC0, 0xC0)); // bottom-right corner closed
    QCOMPARE(grey.pixelColor(70, 51), QColor(0xC0, 0xC0, 0xC0));  // bottom line
    QCOMPARE(grey.pixelColor(39, 29), QColor(244, 245, 235));     // the clear pixel inside
    QCOMPARE(grey.pixelColor(37, 28), QColor(244, 245, 235));     // nothing outside

    Module5::drawborder(box, &container, 1);
    QCOMPARE(container.grab().toImage().pixelColor(101, 40), QColor(178, 217, 246));

    Module5::drawborder(box, &container, 2);
    QCOMPARE(container.grab().toImage(), clean);

    // The outline stays beneath the container's children and survives a resize.
    Module5::drawborder(box, &container, 0);
    container.resize(300, 200);
    QCOMPARE(container.grab().toImage().pixelColor(38, 28), QColor(0xC0, 0xC0, 0xC0));
    QCOMPARE(container.findChildren<BorderLayer *>().size(), 1);
}

void TestGuiFrame::fontsAndCaptionsFit()
{
    const auto installed = [](const QString &f) { return QFontDatabase::hasFamily(f); };
    QCOMPARE(QFontInfo(Module5::TitleFont()).family(),
             Module5::ChooseFamily(Module5::TitleFamilies(), installed));
    QCOMPARE(QFontInfo(Module5::LabelFont()).family(),
             Module5::ChooseFamily(Module5::LabelFamilies(), installed));
    QVERIFY(Module5::TitleFont().bold());

    // Every caption fits its label: toolbar captions 44 x 17, pop-up buttons 80 x 25.
    const QFontMetrics label(Module5::LabelFont());
    QStringList captions;
    for (int tab : {1, 4})
        for (int b = 1; b <= 4; ++b)
            captions << Module5::ContentsToolbarIdentity(b, tab).caption;
    for (int b = 1; b <= 6; ++b)
        captions << Module5::PaperToolbarIdentity(b).caption;
    for (const QString &c : std::as_const(captions)) {
        QVERIFY2(label.horizontalAdvance(c) <= Module5::kToolbarCaptionSize.width(), qPrintable(c));
        QVERIFY(label.height() <= Module5::kToolbarCaptionSize.height());
    }

    // The title label grows with its text.
    auto w = shownProbe(QStringLiteral("ContentsFocus"));
    QVERIFY(w);
    const QString longTitle = QStringLiteral("Tessaly - Human Body Systems, paper 5");
    w->setTitle(longTitle);
    const QFontMetrics title(Module5::TitleFont());
    QVERIFY(w->titleLabel()->width() >= title.horizontalAdvance(longTitle));
    QVERIFY(w->titleLabel()->height() >= title.height());
    QVERIFY(w->titleLabel()->geometry().bottom() < Module5::kTopBarHeight);
}

void TestGuiFrame::installedFamiliesAgreeWithTheToolkit()
{
    // The stand-ins are chosen from the font configuration's own list; it
    // must say what the toolkit would of every real family (the toolkit
    // adds the three generic names of its own).
    const QStringList generic{QStringLiteral("Serif"), QStringLiteral("Sans Serif"),
                              QStringLiteral("Monospace")};
    const QStringList families = QFontDatabase::families();
    QVERIFY(!families.isEmpty());
    for (QString family : families) {
        if (QFontDatabase::isPrivateFamily(family) || generic.contains(family))
            continue;
        // A family found at several foundries is listed as "Family [Foundry]".
        if (const qsizetype at = family.indexOf(QLatin1String(" ["));
            at > 0 && family.endsWith(QLatin1Char(']')))
            family.truncate(at);
        QVERIFY2(FontConfigWarmUp::hasFamily(family), qPrintable(family));
        QVERIFY(FontConfigWarmUp::hasFamily(family.toUpper()));
    }
    QVERIFY(!FontConfigWarmUp::hasFamily(QStringLiteral("No Such Family 4711")));
    QVERIFY(!FontConfigWarmUp::hasFamily(QString()));
}

QTEST_MAIN(TestGuiFrame)
#include "tst_gui_frame.moc"
