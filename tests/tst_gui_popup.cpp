#include "FrameOutline.h"
#include "PopUpLayout.h"
#include "ResultsStore.h"
#include "Startup.h"
#include "frmPopUp.h"
#include "support/FrameProbe.h"

#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

// The pop-up message window: layout, centring, answers, hover and dragging.
class TestGuiPopUp : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void oneButtonNotice();
    void twoButtonQuestion();
    void answers_data();
    void answers();
    void messageRule_data();
    void messageRule();
    void longestMessageClearsTheButtons();
    void noticesAboutSavedResultsClearTheButton_data();
    void noticesAboutSavedResultsClearTheButton();
    void centredOverCaller_data();
    void centredOverCaller();
    void laterQuestionShowsNothingOfEarlier();
    void hoverPictures();
    void draggedByTitleAndTopBar_data();
    void draggedByTitleAndTopBar();
    void outlineAndFrame();
    void seamAnswersWithoutWindow();

private:
    Workspace ws() const { return Workspace(m_dir->path()); }
    // Runs `inspect` on the pop-up once it is up, then lets `answer` answer it;
    // a pop-up still up after five seconds is closed so a failure cannot hang.
    bool ask(const QString &title, const QString &msg, int buttons,
             const std::function<void(frmPopUp *)> &inspect,
             const std::function<void(frmPopUp *)> &answer)
    {
        QTimer::singleShot(0, this, [=] {
            frmPopUp *p = frmPopUp::current();
            if (!p)
                return;
            inspect(p);
            answer(p);
        });
        QTimer::singleShot(5000, this, [] {
            if (frmPopUp *p = frmPopUp::current())
                p->close();
        });
        return frmPopUp::CallPop(title, msg, buttons, m_owner.get());
    }
    static void clickButton(frmPopUp *p, int n) { QTest::mouseClick(p->button(n), Qt::LeftButton); }
    static void none(frmPopUp *) {}

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FrameProbe> m_owner;
    std::unique_ptr<QLineEdit> m_response;
};

void TestGuiPopUp::init()
{
    m_dir.reset(new QTemporaryDir);
    Startup::ExtractGraphics(ws());
    m_owner = std::make_unique<FrameProbe>(ws(), QStringLiteral("Test1Focus"), true);
    m_owner->setGeometry(200, 150, 700, 500);
    m_owner->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_owner.get()));
    m_response = std::make_unique<QLineEdit>();
    frmPopUp::setResponseField(m_response.get());
    frmPopUp::clearNextAnswers();
    QCursor::setPos(0, 0);
}

void TestGuiPopUp::cleanup()
{
    QVERIFY(!frmPopUp::current());
    QVERIFY(m_owner->findChildren<frmPopUp *>().isEmpty());
    m_owner.reset();
    m_response.reset();
    m_dir.reset();
}

void TestGuiPopUp::oneButtonNotice()
{
    bool checked = false;
    const bool answer = ask(QStringLiteral("Quorvane"), QStringLiteral("Paper saved"), 1,
        [&](frmPopUp *p) {
            QVERIFY(p->isVisible());
            QVERIFY(p->isModal());
            QCOMPARE(p->size(), QSize(265, 150));
            QCOMPARE(p->findChild<QLabel *>(QStringLiteral("lblTitle"))->text(),
                     QStringLiteral("Quorvane"));
            QCOMPARE(p->message()->text(), QStringLiteral("Paper saved"));
            QVERIFY(p->button(1)->isVisible());
            QVERIFY(p->button(2)->isHidden());
            QVERIFY(p->buttonCaption(2)->isHidden());
            QCOMPARE(p->button(1)->geometry(), QRect(92, 109, 80, 25));
            QCOMPARE(p->button(1)->x() * 2 + p->button(1)->width(), p->width() - 1);
            QCOMPARE(p->buttonCaption(1)->text(), QStringLiteral("OK"));
            QCOMPARE(p->buttonCaption(1)->geometry(), p->button(1)->geometry());
            QCOMPARE(p->info()->geometry(), QRect(16, 44, 32, 27));
            QCOMPARE(p->info()->picture(), QStringLiteral("info_mark.gif"));
            checked = true;
        },
        [](frmPopUp *p) { clickButton(p, 1); });
    QVERIFY(checked);
    QVERIFY(answer);
    QCOMPARE(m_response->text(), QStringLiteral("True"));
}

void TestGuiPopUp::twoButtonQuestion()
{
    bool checked = false;
    const bool answer = ask(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2,
        [&](frmPopUp *p) {
            QCOMPARE(p->message()->x(), 58);
            QCOMPARE(p->button(1)->geometry(), QRect(58, 109, 80, 25));
            QCOMPARE(p->button(2)->geometry(), QRect(148, 109, 80, 25));
            QCOMPARE(p->button(2)->x() - p->button(1)->geometry().right() - 1, 10);
            QCOMPARE(p->buttonCaption(1)->text(), QStringLiteral("Yes"));
            QCOMPARE(p->buttonCaption(2)->text(), QStringLiteral("No"));
            QVERIFY(p->button(2)->isVisible());
            checked = true;
        },
        [](frmPopUp *p) { clickButton(p, 2); });
    QVERIFY(checked);
    QVERIFY(!answer);
    QCOMPARE(m_response->text(), QStringLiteral("False"));
}

void TestGuiPopUp::answers_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("expected");
    QTest::addRow("Yes") << 2 << "But1" << true;
    QTest::addRow("No") << 2 << "But2" << false;
    QTest::addRow("Yes caption") << 2 << "But1_lbl" << true;
    QTest::addRow("No caption") << 2 << "But2_lbl" << false;
    QTest::addRow("OK caption") << 1 << "But1_lbl" << true;
    QTest::addRow("Escape on a question") << 2 << "Escape" << false;
    QTest::addRow("Escape on a notice") << 1 << "Escape" << true;
    QTest::addRow("Enter on a question") << 2 << "Enter" << true;
    QTest::addRow("Return on a question") << 2 << "Return" << true;
    QTest::addRow("window manager close, question") << 2 << "close" << false;
    QTest::addRow("window manager close, notice") << 1 << "close" << true;
}

void TestGuiPopUp::answers()
{
    QFETCH(int, buttons);
    QFETCH(QString, how);
    QFETCH(bool, expected);
    // The field holds the opposite first, so a write that does not happen shows.
    m_response->setText(expected ? QStringLiteral("False") : QStringLiteral("True"));
    const bool answer = ask(QStringLiteral("Marking"), QStringLiteral("Do you want to mark your practice now?"),
        buttons, none, [how](frmPopUp *p) {
            if (how == QLatin1String("Escape"))
                QTest::keyClick(p, Qt::Key_Escape);
            else if (how == QLatin1String("Enter"))
                QTest::keyClick(p, Qt::Key_Enter);
            else if (how == QLatin1String("Return"))
                QTest::keyClick(p, Qt::Key_Return);
            else if (how == QLatin1String("close"))
                p->close();
            else
                QTest::mouseClick(p->findChild<QWidget *>(how), Qt::LeftButton);
        });
    QCOMPARE(answer, expected);
    QCOMPARE(m_response->text(), expected ? QStringLiteral("True") : QStringLiteral("False"));
}

void TestGuiPopUp::messageRule_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("top");
    QTest::addRow("32 characters") << QStringLiteral("Twelve words fit on a line here.") << 32 << 51;
    QTest::addRow("33 characters") << QStringLiteral("Twelve words fit on a line here!!") << 33 << 44;
    QTest::addRow("Paper saved") << QStringLiteral("Paper saved") << 11 << 51;
}

void TestGuiPopUp::messageRule()
{
    QFETCH(QString, message);
    QFETCH(int, length);
    QFETCH(int, top);
    QCOMPARE(message.size(), length);
    int seen = -1;
    ask(QStringLiteral("Quorvane"), message, 1, [&](frmPopUp *p) { seen = p->message()->y(); },
        [](frmPopUp *p) { clickButton(p, 1); });
    QCOMPARE(seen, top);
}

void TestGuiPopUp::longestMessageClearsTheButtons()
{
    const QString msg = QStringLiteral(
        "You have not answered all the questions.  Do you still want to mark your practice?");
    QRect message, button;
    int lineHeight = 0;
    ask(QStringLiteral("Marking"), msg, 2,
        [&](frmPopUp *p) {
            message = p->message()->geometry();
            button = p->button(1)->geometry();
            lineHeight = p->message()->fontMetrics().height();
        },
        [](frmPopUp *p) { clickButton(p, 1); });
    QCOMPARE(message.topLeft(), QPoint(58, 44));
    QCOMPARE(message.width(), 192);
    QVERIFY2(message.height() >= 2 * lineHeight, "the label grows downwards with its lines");
    QVERIFY(message.bottom() < button.top());
    QVERIFY(message.right() < 265 - 4);
}

void TestGuiPopUp::noticesAboutSavedResultsClearTheButton_data()
{
    QTest::addColumn<QString>("message");
    ResultsCheck check;
    check.repaired.append({2, ResultsStore::First, QString()});
    QTest::addRow("answers repaired") << check.notice();
    check.repaired.append({2, ResultsStore::Marks, QString()});
    QTest::addRow("answers and scores repaired") << check.notice();
    check.failed = true;
    QTest::addRow("could not be repaired") << check.notice();
    QTest::addRow("no room") << NoRoomMessage();
    QTest::addRow("Graphics") << Startup::GraphicsNotice();
}

void TestGuiPopUp::noticesAboutSavedResultsClearTheButton()
{
    QFETCH(QString, message);
    QRect label, button;
    int lineHeight = 0;
    ask(QStringLiteral("Saved Results"), message, 1,
        [&](frmPopUp *p) {
            label = p->message()->geometry();
            button = p->button(1)->geometry();
            lineHeight = p->message()->fontMetrics().height();
        },
        [](frmPopUp *p) { clickButton(p, 1); });
    QVERIFY(lineHeight > 0);
    // Half a line at least between the last line and the button.
    QVERIFY2(label.bottom() + lineHeight / 2 < button.top(),
             qPrintable(QStringLiteral("%1 lines").arg(label.height() / lineHeight)));
}

void TestGuiPopUp::centredOverCaller_data()
{
    QTest::addColumn<QString>("state");
    QTest::addRow("normal") << "normal";
    QTest::addRow("moved") << "moved";
    QTest::addRow("maximised") << "maximised";
}

void TestGuiPopUp::centredOverCaller()
{
    QFETCH(QString, state);
    if (state == QLatin1String("moved"))
        FrameTest::drag(m_owner->piece(SkinnedWindow::Piece::TopCentre), QPoint(-150, 90));
    else if (state == QLatin1String("maximised"))
        m_owner->showMaximized();
    if (state == QLatin1String("maximised"))
        QTRY_VERIFY(m_owner->isMaximized());
    const QRect owner = m_owner->frameGeometry();
    if (state == QLatin1String("moved"))
        QCOMPARE(owner.topLeft(), QPoint(50, 240));
    QRect seen;
    ask(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2,
        [&](frmPopUp *p) { seen = p->frameGeometry(); },
        [](frmPopUp *p) { clickButton(p, 2); });
    QCOMPARE(seen.size(), QSize(265, 150));
    QCOMPARE(seen.topLeft(), owner.topLeft() + QPoint((owner.width() - 265) / 2, (owner.height() - 150) / 2));
    QVERIFY(qAbs(seen.center().x() - owner.center().x()) <= 1);
    QVERIFY(qAbs(seen.center().y() - owner.center().y()) <= 1);
}

void TestGuiPopUp::laterQuestionShowsNothingOfEarlier()
{
    ask(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2, none,
        [](frmPopUp *p) { clickButton(p, 1); });
    QString caption;
    bool secondHidden = false;
    QString title;
    ask(QStringLiteral("Quorvane"), QStringLiteral("Paper saved"), 1,
        [&](frmPopUp *p) {
            caption = p->buttonCaption(1)->text();
            secondHidden = p->button(2)->isHidden();
            title = p->titleLabel()->text();
        },
        [](frmPopUp *p) { clickButton(p, 1); });
    QCOMPARE(caption, QStringLiteral("OK"));
    QVERIFY(secondHidden);
    QCOMPARE(title, QStringLiteral("Quorvane"));
}

void TestGuiPopUp::hoverPictures()
{
    QStringList seen;
    ask(QStringLiteral("Marking"), QStringLiteral("Confirm?"), 2,
        [&](frmPopUp *p) {
            QVERIFY(p->timer1()->isActive());
            QCOMPARE(p->timer1()->interval(), 100);
            seen << p->button(1)->picture() << p->button(2)->picture();
            QCursor::setPos(FrameTest::centreOf(p->button(2)));
            // The timer follows the cursor within a tick, also inside the modal loop.
            QTRY_COMPARE_WITH_TIMEOUT(p->button(2)->picture(), QStringLiteral("button_on.bmp"), 1000);
            seen << p->button(1)->picture() << p->button(2)->picture();
            // The caption lies over the button: still inside.
            QCursor::setPos(FrameTest::centreOf(p->buttonCaption(1)));
            QTRY_COMPARE_WITH_TIMEOUT(p->button(1)->picture(), QStringLiteral("button_on.bmp"), 1000);
            seen << p->button(2)->picture();
        },
        [](frmPopUp *p) { clickButton(p, 2); });
    QCOMPARE(seen, QStringList({"button_off.bmp", "button_off.bmp", "button_off.bmp",
                                "button_on.bmp", "button_off.bmp"}));
}

void TestGuiPopUp::draggedByTitleAndTopBar_data()
{
    QTest::addColumn<QString>("handle");
    QTest::addColumn<bool>("moves");
    QTest::addRow("title") << "lblTitle" << true;
    QTest::addRow("top-left piece") << "BTopLeft" << true;
    QTest::addRow("top-centre piece") << "BTopCentre" << true;
    QTest::addRow("top-right piece") << "BTopRight" << true;
    QTest::addRow("message") << "lblMessage" << false;
}

void TestGuiPopUp::draggedByTitleAndTopBar()
{
    QFETCH(QString, handle);
    QFETCH(bool, moves);
    QPoint before, after;
    ask(QStringLiteral("Marking"), QStringLiteral("Confirm?"), 2,
        [&](frmPopUp *p) {
            before = p->pos();
            FrameTest::drag(p->findChild<QWidget *>(handle), QPoint(-40, 25));
            after = p->pos();
        },
        [](frmPopUp *p) { clickButton(p, 1); });
    QCOMPARE(after, moves ? before + QPoint(-40, 25) : before);
}

void TestGuiPopUp::outlineAndFrame()
{
    QRegion outline;
    QRect bottomLeft, bottomEdge, topCentre;
    QString cornerPicture, topPicture;
    QColor titleColour;
    ask(QStringLiteral("Quorvane"), QStringLiteral("Paper saved"), 1,
        [&](frmPopUp *p) {
            outline = p->outline();
            bottomLeft = p->piece(SkinnedWindow::Piece::BottomLeft)->geometry();
            bottomEdge = p->piece(SkinnedWindow::Piece::Bottom)->geometry();
            topCentre = p->piece(SkinnedWindow::Piece::TopCentre)->geometry();
            cornerPicture = p->piece(SkinnedWindow::Piece::BottomLeft)->picture();
            topPicture = p->piece(SkinnedWindow::Piece::TopLeft)->picture();
            titleColour = p->titleLabel()->palette().color(QPalette::WindowText);
        },
        [](frmPopUp *p) { clickButton(p, 1); });
    QCOMPARE(outline, Module5::OutlineRegion(Module5::PopUpOutline(QSize(265, 150))));
    QVERIFY(!outline.contains(QPoint(0, 149)));   // rounded bottom corners
    QVERIFY(!outline.contains(QPoint(264, 149)));
    QVERIFY(outline.contains(QPoint(132, 149)));
    QCOMPARE(bottomLeft, QRect(0, 143, 6, 7));
    QCOMPARE(bottomEdge, QRect(6, 146, 253, 4));
    QCOMPARE(topCentre, QRect(48, 0, 169, 28));
    QCOMPARE(cornerPicture, QStringLiteral("Border_bot_left.gif"));
    // Always the active look, even though the owner lost activation to it.
    QCOMPARE(topPicture, QStringLiteral("border_top_left.bmp"));
    QCOMPARE(titleColour, QColor(Qt::white));
}

void TestGuiPopUp::seamAnswersWithoutWindow()
{
    frmPopUp::setNextAnswer(false);
    frmPopUp::setNextAnswer(true);
    bool appeared = false;
    QTimer::singleShot(0, this, [&] { appeared = frmPopUp::current() != nullptr; });
    QVERIFY(!frmPopUp::CallPop(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2,
                               m_owner.get()));
    QCOMPARE(m_response->text(), QStringLiteral("False"));
    QVERIFY(frmPopUp::CallPop(QStringLiteral("Quorvane"), QStringLiteral("Paper saved"), 1, nullptr));
    QCOMPARE(m_response->text(), QStringLiteral("True"));
    QCOMPARE(frmPopUp::lastQuestion().title, QStringLiteral("Quorvane"));
    QCOMPARE(frmPopUp::lastQuestion().message, QStringLiteral("Paper saved"));
    QCOMPARE(frmPopUp::lastQuestion().buttons, 1);
    QCoreApplication::processEvents();
    QVERIFY(!appeared);
}

QTEST_MAIN(TestGuiPopUp)
#include "tst_gui_popup.moc"
