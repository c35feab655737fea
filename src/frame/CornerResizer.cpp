#include "CornerResizer.h"

#include "PaperLayout.h"

#include <QCursor>
#include <QMouseEvent>
#include <QWidget>

CornerResizer::CornerResizer(QWidget *window)
    : QObject(window), m_window(window)
{
    addSurface(window);
}

void CornerResizer::addSurface(QWidget *surface)
{
    surface->setMouseTracking(true);
    surface->installEventFilter(this);
}

QPoint CornerResizer::cursorInWindow() const
{
    // The cursor, not the event's position: a surface may be any child.
    return QCursor::pos() - m_window->mapToGlobal(QPoint(0, 0));
}

bool CornerResizer::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_window)
        return false;
    auto *surface = qobject_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_resizing) {
            if (!(mouse->buttons() & Qt::LeftButton)) {
                m_resizing = false; // the release went elsewhere
                return false;
            }
            const QSize size = Module5::DraggedSize(cursorInWindow(), m_window->size());
            if (size != m_window->size())
                m_window->resize(size);
            return true;
        }
        if (surface && !(mouse->buttons() & Qt::LeftButton)) {
            const Qt::CursorShape shape =
                Module5::ResizeCursorAt(cursorInWindow(), m_window->size());
            if (surface->cursor().shape() != shape)
                surface->setCursor(shape);
        }
        return false;
    }
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (!(mouse->buttons() & Qt::LeftButton))
            return false;
        const QPoint at = cursorInWindow();
        const QSize outer = m_window->size();
        const QPoint snapped = Module5::SnapToEdges(at, outer);
        if (snapped != at)
            QCursor::setPos(m_window->mapToGlobal(snapped));
        if (!Module5::InResizeCorner(at, outer))
            return false;
        m_resizing = true;
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (!m_resizing)
            return false;
        m_resizing = false;
        return true;
    default:
        return false;
    }
}
