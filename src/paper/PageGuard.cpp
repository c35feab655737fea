#include "PageGuard.h"

#include "Activation.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>

namespace {
PageGuard::MessageSeam messageSeam;
}

PageGuard::PageGuard(QWidget *view, QWidget *messageParent)
    : QObject(view), m_view(view), m_parent(messageParent)
{
    view->installEventFilter(this);
    attach();
}

void PageGuard::setMessageSeam(MessageSeam seam)
{
    messageSeam = std::move(seam);
}

bool PageGuard::isGuardedKey(Qt::KeyboardModifiers modifiers, int key)
{
    return (modifiers & Qt::ControlModifier) && (key == Qt::Key_C || key == Qt::Key_X);
}

bool PageGuard::isGuardedButton(Qt::MouseButton button)
{
    return button == Qt::RightButton;
}

QWidget *PageGuard::inputWidget() const
{
    if (!m_view)
        return nullptr;
    QWidget *proxy = m_view->focusProxy();
    return proxy ? proxy : m_view.data();
}

void PageGuard::watch(QObject *object)
{
    // Installing twice would only move the filter to the front.
    object->removeEventFilter(this);
    object->installEventFilter(this);
}

void PageGuard::attach()
{
    if (QWidget *input = inputWidget(); input && input != m_view)
        watch(input);
}

bool PageGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view) {
        // The view sets a new input widget after adding it as a child.
        if (event->type() == QEvent::ChildAdded || event->type() == QEvent::ChildPolished)
            QTimer::singleShot(0, this, &PageGuard::attach);
        if (inputWidget() != m_view)
            return false;
    } else if (watched != inputWidget()) {
        return false; // an earlier input widget the view has dropped
    }
    switch (event->type()) {
    case QEvent::KeyPress: {
        // Ctrl+C comes as ShortcutOverride first; the key press counts once.
        auto *key = static_cast<QKeyEvent *>(event);
        if (!key->isAutoRepeat() && isGuardedKey(key->modifiers(), key->key()))
            answer();
        break;
    }
    case QEvent::MouseButtonPress:
        if (isGuardedButton(static_cast<QMouseEvent *>(event)->button()))
            answer();
        break;
    default:
        break;
    }
    return false;
}

void PageGuard::answer()
{
    emit invalidOperation();
    if (m_messageShown)
        return;
    m_messageShown = true;
    // Shown after the event is delivered: the engine is still handling it.
    QTimer::singleShot(0, this, [this] {
        if (messageSeam)
            messageSeam(m_parent);
        else
            QMessageBox::warning(m_parent, MessageTitle, MessageText, QMessageBox::Ok);
        m_messageShown = false;
        Activation::handBack(m_parent);
    });
}
