#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Resizing a frameless window by its bottom-right corner. It watches the
// surfaces of the window's edge (the window itself, its edge pictures and
// its size grip): the cursor shows the resize pointer of the edge band it is
// over; a left press in a band moves the cursor onto that edge, and a press
// in the bottom-right corner drags the size until the release, never below
// the minimum of a paper window.
class CornerResizer : public QObject
{
    Q_OBJECT
public:
    explicit CornerResizer(QWidget *window);

    void addSurface(QWidget *surface);
    bool isResizing() const { return m_resizing; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPoint cursorInWindow() const;

    QPointer<QWidget> m_window;
    bool m_resizing = false;
};
