#include "WindowDragger.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace {
bool systemMoveAllowed = true;
}

WindowDragger::WindowDragger(QWidget *window)
    : QObject(window), m_window(window)
{
}

void WindowDragger::setSystemMoveAllowed(bool allowed)
{
    systemMoveAllowed = allowed;
}

void WindowDragger::addHandle(QWidget *handle)
{
    handle->installEventFilter(this);
}

bool WindowDragger::eventFilter(QObject *, QEvent *event)
{
    if (!m_window)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        // Any mouse button drags.
        auto *mouse = static_cast<QMouseEvent *>(event);
        m_state = State::Pressed;
        m_pressGlobal = mouse->globalPosition().toPoint();
        m_startPos = m_window->pos();
        return true;
    }
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_state == State::Idle || m_state == State::SystemMove)
            return false;
        if (mouse->buttons() == Qt::NoButton) {
            m_state = State::Idle; // the release went elsewhere
            return false;
        }
        if (m_state == State::Pressed) {
            QWindow *handle = m_window->windowHandle();
            if (systemMoveAllowed && handle && handle->startSystemMove()) {
                m_state = State::SystemMove;
                return true;
            }
            m_state = State::OwnMove;
        }
        m_window->move(m_startPos + mouse->globalPosition().toPoint() - m_pressGlobal);
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (m_state == State::Idle)
            return false;
        m_state = State::Idle;
        return true;
    default:
        return false;
    }
}
