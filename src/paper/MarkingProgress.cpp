#include "MarkingProgress.h"

#include "FrameFonts.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>

namespace {

int stepMs = 200;

// Drops input for the whole program while the bars run.
class InputDropper : public QObject
{
public:
    InputDropper() { QCoreApplication::instance()->installEventFilter(this); }
    ~InputDropper() override { QCoreApplication::instance()->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
            return true;
        default:
            return false;
        }
    }
};

} // namespace

MarkingProgress::MarkingProgress(PictureCache &pictures, QWidget *parent)
    : PictureBox(pictures, parent)
{
    setObjectName(QStringLiteral("fmeMark"));
    setPicture(QStringLiteral("bottombg4.bmp"));
    resize(260, 64);
    auto *caption = new QLabel(QStringLiteral("Marking your paper..."), this);
    caption->setObjectName(QStringLiteral("lblMarking"));
    QFont f = Module5::LabelFont();
    f.setBold(true);
    f.setPointSizeF(9.5);
    caption->setFont(f);
    caption->setStyleSheet(QStringLiteral("color: #16385f"));
    caption->setAttribute(Qt::WA_TranslucentBackground);
    caption->setGeometry(12, 10, 236, 20);
    for (int i = 0; i < kBars; ++i) {
        auto *bar = new PictureBox(pictures, this);
        bar->setObjectName(QStringLiteral("imgBar%1").arg(i + 1, 2, 10, QLatin1Char('0')));
        bar->setPicture(QStringLiteral("progressbar.bmp"));
        // The panel's track holds 15 bars of 14 pixels, 16 apart.
        bar->setGeometry(10 + 16 * i, 34, 14, 18);
        bar->hide();
        m_bars.append(bar);
    }
    hide();
}

void MarkingProgress::setStepMilliseconds(int ms)
{
    stepMs = ms;
}

int MarkingProgress::stepMilliseconds()
{
    return stepMs;
}

void MarkingProgress::run()
{
    if (m_running)
        return;
    m_running = true;
    InputDropper dropper;
    if (QWidget *p = parentWidget())
        move((p->width() - width()) / 2, (p->height() - height()) / 2);
    for (PictureBox *bar : std::as_const(m_bars))
        bar->hide();
    raise();
    show();
    repaint();
    for (PictureBox *bar : std::as_const(m_bars)) {
        bar->show();
        repaint();
        QEventLoop wait;
        QTimer::singleShot(stepMs, &wait, &QEventLoop::quit);
        wait.exec();
    }
    hide();
    m_running = false;
}
