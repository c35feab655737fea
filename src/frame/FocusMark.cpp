#include "FocusMark.h"

#include "PictureButton.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace
{

constexpr int kMargin = 3;
const QColor kColour(0xf0, 0x8c, 0x00);

bool unmarked(const QWidget *widget)
{
    for (const QWidget *w = widget; w && !w->isWindow(); w = w->parentWidget()) {
        if (w->property("noFocusMark").toBool())
            return true;
    }
    return false;
}

} // namespace

FocusMark::FocusMark(QWidget *window) : QWidget(window)
{
    setObjectName(QStringLiteral("FocusMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { follow(now); });
}

void FocusMark::watch(QWidget *widget)
{
    // Qt tells only the widget that itself moved: a scrolled or moved parent
    // carries the target along without a word to it.
    for (QWidget *w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        if (m_watched.contains(w))
            continue;
        w->installEventFilter(this);
        m_watched.append(w);
    }
}

void FocusMark::unwatchAll()
{
    for (const QPointer<QWidget> &w : std::as_const(m_watched))
        if (w)
            w->removeEventFilter(this);
    m_watched.clear();
}

void FocusMark::follow(QWidget *focused)
{
    // The mark shows only in the window the keys go to; it comes back with
    // the focus.
    if (focused && focused->window() != window()) {
        unwatchAll();
        hide();
        return;
    }
    unwatchAll();
    m_target = focused && !unmarked(focused) ? focused : nullptr;
    auto *button = qobject_cast<PictureButton *>(m_target.data());
    m_caption = button ? button->caption() : nullptr;
    watch(m_target);
    watch(m_caption);
    refresh();
}

QRect FocusMark::shownRect(const QWidget *widget) const
{
    if (!widget || !widget->isVisible())
        return {};
    // What covers it or lies outside its parents does not show.
    const QRect shown = widget->visibleRegion().boundingRect();
    return shown.isEmpty() ? QRect() : shown.translated(widget->mapTo(window(), QPoint(0, 0)));
}

void FocusMark::refresh()
{
    const QRect around = shownRect(m_target) | shownRect(m_caption);
    if (around.isEmpty()) {
        hide();
        return;
    }
    setGeometry(around.adjusted(-kMargin, -kMargin, kMargin, kMargin) & window()->rect());
    show();
    raise();
    update();
}

bool FocusMark::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        refresh();
        break;
    default:
        break;
    }
    return false;
}

void FocusMark::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kColour, 2));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
}
