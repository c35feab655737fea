#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class QWidget;

// MoveForm for a frameless window: a mouse press on one of its handles (the
// top-bar pieces and the title) drags the window until the button is
// released. The window system's own move is asked for at the first movement
// with the button still held, never on the press itself: asked for after a
// quick click, some window managers keep the window stuck to the pointer.
// Where the window system refuses (Xvfb, some window managers), the window
// follows the handle's own mouse events instead.
class WindowDragger : public QObject
{
    Q_OBJECT
public:
    explicit WindowDragger(QWidget *window);

    void addHandle(QWidget *handle);
    bool isDragging() const { return m_state != State::Idle; }

    // Off: always move from the mouse events (tests, and window systems whose
    // move misbehaves).
    static void setSystemMoveAllowed(bool allowed);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class State { Idle, Pressed, SystemMove, OwnMove };

    QPointer<QWidget> m_window;
    State m_state = State::Idle;
    QPoint m_pressGlobal;
    QPoint m_startPos;
};
