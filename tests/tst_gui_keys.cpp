#include "AboutPanel.h"
#include "FocusMark.h"
#include "HomePanel.h"
#include "PictureButton.h"
#include "ReportPanel.h"
#include "ShadedBox.h"
#include "Startup.h"
#include "TrashPanel.h"
#include "support/ContentsHarness.h"
#include "support/FrameProbe.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTimer>

using namespace ContentsHarness;

// The main window and the pop-up on the keyboard alone: where the focus
// starts, the order Tab follows, what Enter, Space, arrows and shortcuts do,
// the mark that shows the focus, and the names and roles accessibility
// tools read.
class TestGuiKeys : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_fx = std::make_unique<Fixture>(); }
    void cleanup() { m_fx.reset(); }

    void downTabReturnOpensPaperOneOfTopicTwo();
    void topicListKeys();
    void tabOrder_data();
    void tabOrder();
    void keysPress_data();
    void keysPress();
    void trashOnTheKeyboard();
    void shortcutsInTooltips();
    void accessibleNamesAndRoles();
    void popUpButtonsOnTheKeyboard_data();
    void popUpButtonsOnTheKeyboard();

private:
    // The window started on marks giving paper 7 (row 2 of topic 2) a first
    // score, so that row offers "Try again"; active, with its keys.
    Contents &startActive()
    {
        m_fx->prepareResults();
        writeFile(m_fx->file(ResultsStore::Marks), marksFile({{7, "50"}}));
        Contents &c = m_fx->start();
        c.activateWindow();
        if (!QTest::qWaitForWindowActive(&c))
            qWarning("main window not active");
        auto windows = std::make_unique<FakePaperWindows>();
        m_papers = windows.get();
        c.setPaperWindows(std::move(windows));
        return c;
    }
    static QWidget *focused() { return QApplication::focusWidget(); }
    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *to = focused();
        QVERIFY2(to, "nothing has the focus");
        QTest::keyClick(to, Qt::Key(key), modifiers);
    }
    static QString focusName() { return focused() ? focused()->objectName() : QString(); }
    // The focus mark is shown round the focused widget.
    static bool markedRound(Contents &c, QWidget *w)
    {
        FocusMark *mark = c.focusMark();
        const QRect at(w->mapTo(&c, QPoint(0, 0)), w->size());
        return mark->isVisible() && mark->target() == w && mark->geometry().contains(at);
    }

    std::unique_ptr<Fixture> m_fx;
    FakePaperWindows *m_papers = nullptr;
};

void TestGuiKeys::downTabReturnOpensPaperOneOfTopicTwo()
{
    Contents &c = startActive();
    QCOMPARE(focusName(), QStringLiteral("Topic1"));
    QVERIFY(markedRound(c, focused()));
    press(Qt::Key_Down);
    QCOMPARE(c.field("TopicCount"), QStringLiteral("6"));
    QCOMPARE(c.field("SubH1"), QStringLiteral("Matter and Changes in States"));
    QCOMPARE(focusName(), QStringLiteral("Topic2"));
    QSignalSpy focusedPaper(c.homePanel(), &HomePanel::paperButtonFocused);
    press(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("P1a"));
    QVERIFY(markedRound(c, focused()));
    // The caption belongs to the button: the mark takes it in.
    QVERIFY(c.focusMark()->geometry().contains(
        QRect(c.homePanel()->loadButton(1, 1)->caption()->mapTo(&c, QPoint(0, 0)),
              c.homePanel()->loadButton(1, 1)->caption()->size())));
    QCOMPARE(focusedPaper.count(), 1);
    QCOMPARE(focusedPaper.first(), (QVariantList{0, 1}));
    press(Qt::Key_Return);
    QCOMPARE(m_papers->calls.size(), 2);
    QCOMPARE(m_papers->calls.at(1).what, QStringLiteral("open 1"));
    QCOMPARE(m_papers->calls.at(1).handover.paperKey, 106);
    QCOMPARE(m_papers->calls.at(1).handover.topicName,
             QStringLiteral("Matter and Changes in States"));
}

void TestGuiKeys::topicListKeys()
{
    Contents &c = startActive();
    press(Qt::Key_Up); // already the first
    QCOMPARE(c.field("TopicCount"), QStringLiteral("1"));
    press(Qt::Key_End);
    QCOMPARE(c.field("TopicCount"), QStringLiteral("11"));
    QCOMPARE(focusName(), QStringLiteral("Topic3"));
    press(Qt::Key_Down); // the last of three: the hidden ones are no topics
    QCOMPARE(c.field("TopicCount"), QStringLiteral("11"));
    press(Qt::Key_Home);
    QCOMPARE(c.field("TopicCount"), QStringLiteral("1"));
    // A topic clicked with the mouse is where the list's keys go on from.
    click(find(&c, "Topic2"));
    QCOMPARE(focusName(), QStringLiteral("Topic2"));
    press(Qt::Key_Down);
    QCOMPARE(c.field("TopicCount"), QStringLiteral("11"));
    // Tab comes back to the list on the chosen topic.
    press(Qt::Key_Tab);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(focusName(), QStringLiteral("Topic3"));
}

void TestGuiKeys::tabOrder_data()
{
    QTest::addColumn<QString>("panel"); // the toolbar buttons pressed first, in order
    QTest::addColumn<QStringList>("order");
    const QStringList bar{"ToolBar01", "ToolBar02", "ToolBar03", "ToolBar04", "Tab02", "Tab04"};
    const QStringList helpBar{"ToolBar01", "ToolBar02", "ToolBar04", "Tab02", "Tab04"};
    // Topic 2: row 2 holds a score, so it offers "Try again".
    QTest::addRow("Home")
        << "" << QStringList{"Topic2", "P1a", "P2a", "P2b", "P3a", "P4a", "P5a"} + bar;
    QTest::addRow("Report") << "r" << QStringList{"RCBar1", "RCBar2", "RCBar3"} + bar;
    QTest::addRow("About") << "h" << QStringList{"lbl_QVURL"} + helpBar;
    QTest::addRow("Trash") << "ht" << QStringList{"ButTrash"} + helpBar;
}

void TestGuiKeys::tabOrder()
{
    QFETCH(QString, panel);
    QFETCH(QStringList, order);
    Contents &c = startActive();
    press(Qt::Key_Down);
    for (const QChar step : panel) {
        if (step == u'r')
            c.toolbarButton(2)->click();
        else if (step == u'h')
            c.tab(4)->click();
        else if (step == u't')
            c.toolbarButton(2)->click();
    }
    // From the first stop round the window, and back the other way.
    if (focusName() != order.first())
        find(&c, order.first())->setFocus(Qt::TabFocusReason);
    QStringList forward{focusName()};
    for (int i = 0; i < order.size(); ++i) {
        QVERIFY2(markedRound(c, focused()), qPrintable(focusName()));
        press(Qt::Key_Tab);
        forward << focusName();
    }
    QCOMPARE(forward, order + QStringList{order.first()});
    QStringList backward{focusName()};
    for (int i = 0; i < order.size(); ++i) {
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        backward.prepend(focusName());
    }
    QCOMPARE(backward, order + QStringList{order.first()});
}

void TestGuiKeys::keysPress_data()
{
    QTest::addColumn<QString>("start");  // object name given the focus
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("panel");  // shown afterwards
    QTest::addColumn<QString>("reportPos");
    QTest::addRow("Enter on Report") << "ToolBar02" << int(Qt::Key_Return) << 0 << "Body_Report" << "1";
    QTest::addRow("Space on Help") << "Tab04" << int(Qt::Key_Space) << 0 << "Body_About" << "1";
    QTest::addRow("F1 anywhere") << "P3a" << int(Qt::Key_F1) << 0 << "Body_About" << "1";
    QTest::addRow("Enter on a section bar")
        << "RCBar2" << int(Qt::Key_Enter) << 0 << "Body_Report" << "2";
    QTest::addRow("Down from a bar, then Space")
        << "RCBar1" << int(Qt::Key_Down) << 0 << "Body_Report" << "3";
    QTest::addRow("Enter on the module tab") << "Tab02" << int(Qt::Key_Return) << 0 << "Body_Home"
                                             << "1";
}

void TestGuiKeys::keysPress()
{
    QFETCH(QString, start);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, panel);
    QFETCH(QString, reportPos);
    Contents &c = startActive();
    if (start.startsWith(u"RCBar"))
        c.toolbarButton(2)->click();
    find(&c, start)->setFocus(Qt::TabFocusReason);
    press(key, Qt::KeyboardModifiers(modifiers));
    if (key == Qt::Key_Down) {
        press(Qt::Key_Down);
        QCOMPARE(focusName(), QStringLiteral("RCBar3"));
        press(Qt::Key_Space);
    }
    QCOMPARE(visiblePanel(c), panel);
    QCOMPARE(c.field("txtReportPos"), reportPos);
    // The keys never stay on a panel that is covered.
    QVERIFY(focused());
    for (QWidget *other : c.shownPanel()->parentWidget()->findChildren<QWidget *>(
             QString(), Qt::FindDirectChildrenOnly)) {
        if (other->objectName().startsWith(u"Body_") && other != c.shownPanel())
            QVERIFY2(!other->isAncestorOf(focused()), qPrintable(focusName()));
    }
}

void TestGuiKeys::trashOnTheKeyboard()
{
    Contents &c = startActive();
    c.tab(4)->click();
    c.toolbarButton(2)->click();
    QCOMPARE(visiblePanel(c), QStringLiteral("Body_Trash"));
    find(&c, "ButTrash")->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Return);
    QCOMPARE(c.trashPanel()->state(), TrashPanel::State::Confirm);
    // "No" first: a second Enter erases nothing.
    QCOMPARE(focusName(), QStringLiteral("ButTrash_No"));
    const QByteArray marks = readFile(m_fx->file(ResultsStore::Marks));
    press(Qt::Key_Return);
    QCOMPARE(c.trashPanel()->state(), TrashPanel::State::Offer);
    QCOMPARE(focusName(), QStringLiteral("ButTrash"));
    QCOMPARE(readFile(m_fx->file(ResultsStore::Marks)), marks);
    press(Qt::Key_Space);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(focusName(), QStringLiteral("ButTrash_Yes"));
    press(Qt::Key_Space);
    QCOMPARE(c.trashPanel()->state(), TrashPanel::State::Done);
    QVERIFY(readFile(m_fx->file(ResultsStore::Marks)) != marks);
    QVERIFY(focused() && c.isAncestorOf(focused()) && focused()->isVisible());
}

void TestGuiKeys::shortcutsInTooltips()
{
    Contents &c = startActive();
    QCOMPARE(c.toolbarButton(3)->toolTip(), QStringLiteral("Print results (Ctrl+P)"));
    QCOMPARE(c.toolbarButton(4)->toolTip(), QStringLiteral("Close program (Ctrl+Q)"));
    QCOMPARE(c.toolbarButton(4)->caption()->toolTip(), QStringLiteral("Close program (Ctrl+Q)"));
    QCOMPARE(c.tab(4)->toolTip(), QStringLiteral("Help (F1)"));
    QCOMPARE(c.toolbarButton(1)->toolTip(), QStringLiteral("Load Home page"));

    const QString pdf = m_fx->dir.filePath(QStringLiteral("keys.pdf"));
    ResultsPrinter::setNextAnswer({true, pdf});
    press(Qt::Key_P, Qt::ControlModifier);
    QVERIFY(QFile::exists(pdf));
    // Help has no Print: the keys print nothing there.
    press(Qt::Key_F1);
    QCOMPARE(c.toolbarButton(4)->toolTip(), QStringLiteral("Printer Setup"));
    QFile::remove(pdf);
    ResultsPrinter::setNextAnswer({true, pdf});
    press(Qt::Key_P, Qt::ControlModifier);
    QVERIFY(!QFile::exists(pdf));
    ResultsPrinter::clearNextAnswers();

    press(Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!c.isVisible());
}

void TestGuiKeys::accessibleNamesAndRoles()
{
    Contents &c = startActive();
    c.toolbarButton(2)->click(); // Report, so that its bars exist
    c.tab(4)->click();           // About
    c.toolbarButton(2)->click(); // Trash
    struct Expected {
        QWidget *widget;
        QAccessible::Role role;
        QString name;
        QString description;
    };
    HomePanel *home = c.homePanel();
    const QList<Expected> expected{
        {c.toolbarButton(1), QAccessible::Button, "About", "About Quorvane"},
        {c.toolbarButton(1)->caption(), QAccessible::Button, "About", "About Quorvane"},
        {c.toolbarButton(4), QAccessible::Button, "Setup", "Printer Setup"},
        {c.tab(2), QAccessible::PageTab, "Practice", "Load Practice Module"},
        {c.tab(4), QAccessible::PageTab, "Help", "Help (F1)"},
        {c.closeButton(), QAccessible::Button, "Close", ""},
        {c.minButton(), QAccessible::Button, "Minimize", ""},
        {home->loadButton(1, 1), QAccessible::Button, "Load paper 1", ""},
        {home->loadButton(2, 2), QAccessible::Button, "Try paper 2 again", ""},
        {home->loadButton(2, 2)->caption(), QAccessible::Button, "Try again", "Try paper 2 again"},
        {home->topicLabel(1), QAccessible::Button, "Human Body Systems", "Click to select topic"},
        {c.reportPanel()->bar(2), QAccessible::Button, "Topical Results",
         "Click to show topical results"},
        {find(&c, "lblRCBar3"), QAccessible::Button, "Trend Analysis", "Click to show past trends"},
        {c.aboutPanel()->link(), QAccessible::Link, c.aboutPanel()->link()->text(),
         "Go to Quorvane home page"},
        {find(&c, "ButTrash"), QAccessible::Button, "Trash", ""},
    };
    for (const Expected &e : expected) {
        QVERIFY(e.widget);
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(e.widget);
        QVERIFY2(a, qPrintable(e.widget->objectName()));
        QCOMPARE(a->role(), e.role);
        QCOMPARE(a->text(QAccessible::Name), e.name);
        QCOMPARE(a->text(QAccessible::Description), e.description);
    }
    // Focus is told as the keys move.
    QAccessibleInterface *trash = QAccessible::queryAccessibleInterface(find(&c, "ButTrash"));
    QVERIFY(trash->state().focusable);
    // The press action does what a click does.
    QAccessibleInterface *home1 = QAccessible::queryAccessibleInterface(c.tab(2));
    QVERIFY(home1->actionInterface());
    QVERIFY(home1->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    home1->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(visiblePanel(c), QStringLiteral("Body_Home"));
    QAccessibleInterface *topic3 = QAccessible::queryAccessibleInterface(home->topicLabel(3));
    topic3->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(c.field("TopicCount"), QStringLiteral("11"));
}

void TestGuiKeys::popUpButtonsOnTheKeyboard_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("focusedFirst");
    QTest::addRow("Enter: the first") << QList<int>{Qt::Key_Return} << 2 << true << "But1";
    QTest::addRow("Tab, Enter: the second") << QList<int>{Qt::Key_Tab, Qt::Key_Return} << 2
                                            << false << "But1";
    QTest::addRow("Tab twice, Space: the first")
        << QList<int>{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space} << 2 << true << "But1";
    QTest::addRow("Shift+Tab, Space: the second")
        << QList<int>{Qt::Key_Backtab, Qt::Key_Space} << 2 << false << "But1";
    QTest::addRow("OK alone: Tab stays") << QList<int>{Qt::Key_Tab, Qt::Key_Return} << 1 << true
                                         << "But1";
}

void TestGuiKeys::popUpButtonsOnTheKeyboard()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, buttons);
    QFETCH(bool, answer);
    QFETCH(QString, focusedFirst);
    Startup::ExtractGraphics(m_fx->ws());
    FrameProbe owner(m_fx->ws(), QStringLiteral("Test1Focus"), true);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    QLineEdit response;
    frmPopUp::setResponseField(&response);
    QString seen;
    bool marked = false;
    QTimer::singleShot(0, this, [&] {
        frmPopUp *p = frmPopUp::current();
        if (!p)
            return;
        // The offscreen platform may drop an activation asked for before
        // the window shows.
        p->activateWindow();
        QTRY_VERIFY(p->isActiveWindow());
        seen = focusName();
        marked = p->focusMark()->isVisible() && p->focusMark()->target() == focused();
        for (int key : keys)
            QTest::keyClick(focused(), Qt::Key(key),
                            key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    });
    QTimer::singleShot(5000, this, [] {
        if (frmPopUp *p = frmPopUp::current())
            p->close();
    });
    const bool got = frmPopUp::CallPop(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"),
                                       buttons, &owner);
    frmPopUp::setResponseField(nullptr);
    QCOMPARE(seen, focusedFirst);
    QVERIFY(marked);
    QCOMPARE(got, answer);
    QCOMPARE(response.text(), answer ? QStringLiteral("True") : QStringLiteral("False"));
}

QTEST_MAIN(TestGuiKeys)
#include "tst_gui_keys.moc"
