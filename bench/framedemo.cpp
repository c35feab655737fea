// A stand-in for the program's windows, built from the frame toolkit alone:
// a main window with as many hover pictures as the real one (4 tabs, 4
// toolbar buttons, 3 buttons, 10 load buttons, 2 window buttons), and with
// --paper a resizable paper window, with --popup a question over it.
// Used by idle-cpu.sh and for looking at the frame under Xvfb.
#include "FrameMetrics.h"
#include "PictureButton.h"
#include "SkinnedWindow.h"
#include "Startup.h"
#include "ToolbarIdentity.h"
#include "frmPopUp.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace {

FrameStyle mainStyle()
{
    FrameStyle s;
    s.focusField = QStringLiteral("ContentsFocus");
    s.icon = QStringLiteral("QVicon.ico");
    return s;
}

FrameStyle paperStyle()
{
    FrameStyle s;
    s.focusField = QStringLiteral("Test1Focus");
    s.icon = QStringLiteral("Pencil.ico");
    s.maximiseButton = true;
    return s;
}

QRect captionFor(const QRect &button)
{
    const QSize c = Module5::kToolbarCaptionSize;
    return {button.x(), button.bottom() + 1 - c.height(), c.width(), c.height()};
}

class DemoMain : public SkinnedWindow
{
public:
    explicit DemoMain(const Workspace &ws) : SkinnedWindow(ws, mainStyle())
    {
        setTitle(QStringLiteral("Tessaly"));
        resize(640, 520);
        for (int t = 1; t <= 4; ++t) {
            PictureButton *tab = addButton(PictureButton::Rule::Tab, QStringLiteral("Tab0%1").arg(t),
                                           QRect(QPoint(2 + (t - 1) * 77, 34), Module5::kFrontTabSize));
            auto *label = tab->createCaption(QStringLiteral("Tab0%1lbl").arg(t), tab->geometry());
            label->setText(t == 4 ? QStringLiteral("Help") : QStringLiteral("Module %1").arg(t));
            connect(tab, &PictureBox::clicked, this, [this, t] { chooseTab(t); });
            m_tabs << tab;
        }
        for (int b = 1; b <= 4; ++b) {
            const QRect at(QPoint(12 + (b - 1) * 52, 460), Module5::kToolbarButtonSize);
            PictureButton *button =
                addButton(PictureButton::Rule::Toolbar, QStringLiteral("ToolBar0%1").arg(b), at);
            button->createCaption(QStringLiteral("lblTB0%1").arg(b), captionFor(at));
            m_toolbar << button;
        }
        for (int b = 0; b < 3; ++b) {
            PictureButton *button = addButton(PictureButton::Rule::TwoState,
                                              QStringLiteral("ButTrash%1").arg(b),
                                              QRect(QPoint(40 + b * 90, 400), Module5::kButtonSize));
            button->setBase(QStringLiteral("button"));
        }
        for (int p = 0; p < 10; ++p) {
            PictureButton *button = addButton(
                PictureButton::Rule::TwoState, QStringLiteral("P%1%2").arg(p / 2 + 1).arg(p % 2 ? 'b' : 'a'),
                QRect(QPoint(300 + (p % 2) * 50, 100 + (p / 2) * 30), Module5::kLoadButtonSize));
            button->setBase(QStringLiteral("loadbutton"));
        }
        chooseTab(1);
        startTimer1();
    }

protected:
    void Timer1_Timer() override
    {
        // As the main window does: identities follow the tab on every tick.
        for (int b = 1; b <= 4; ++b)
            m_toolbar.at(b - 1)->setIdentity(Module5::ContentsToolbarIdentity(b, m_tabPos));
        SkinnedWindow::Timer1_Timer();
    }

private:
    void chooseTab(int t)
    {
        m_tabPos = t;
        for (int i = 0; i < m_tabs.size(); ++i)
            m_tabs.at(i)->setCurrentTab(i + 1 == t);
        Timer1_Timer();
    }

    QList<PictureButton *> m_tabs;
    QList<PictureButton *> m_toolbar;
    int m_tabPos = 1;
};

class DemoPaper : public SkinnedWindow
{
public:
    explicit DemoPaper(const Workspace &ws) : SkinnedWindow(ws, paperStyle())
    {
        setTitle(QStringLiteral("Human Body Systems - Paper 1"));
        setGeometry(260, 180, 760, 520);
        for (int b = 1; b <= 6; ++b) {
            const int x = b <= 4 ? 8 + (b - 1) * 52 : 760 - 8 - (7 - b) * 52;
            const QRect at(QPoint(x, 30), Module5::kToolbarButtonSize);
            PictureButton *button =
                addButton(PictureButton::Rule::Toolbar, QStringLiteral("ToolBar0%1").arg(b), at);
            button->createCaption(QStringLiteral("lblTB0%1").arg(b), captionFor(at));
            button->setIdentity(Module5::PaperToolbarIdentity(b));
            // As on the first question of a marked paper.
            button->setAvailable(b != 1 && b != 2 && b != 5);
        }
        startTimer1();
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const Workspace ws(QCoreApplication::applicationDirPath());
    Startup::ExtractGraphics(ws);

    QLineEdit response; // the main window's hidden PopUpResponse
    frmPopUp::setResponseField(&response);

    DemoMain main(ws);
    main.move(40, 40);
    main.show();
    std::unique_ptr<DemoPaper> paper;
    if (args.contains(QStringLiteral("--paper")) || args.contains(QStringLiteral("--popup"))) {
        paper = std::make_unique<DemoPaper>(ws);
        paper->show();
        paper->activateWindow();
    }
    if (args.contains(QStringLiteral("--popup"))) {
        QTimer::singleShot(500, paper.get(), [&] {
            frmPopUp::CallPop(QStringLiteral("Marking"),
                              QStringLiteral("You have not answered all the questions.  Do you "
                                             "still want to mark your practice?"),
                              2, paper.get());
        });
    }
    return app.exec();
}
