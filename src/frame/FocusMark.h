#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

// The mark of the keyboard focus in one window: an outline over everything
// else, round the widget that has the focus and its caption (the label of a
// picture button), clipped to what of them shows. Pictures and labels draw
// no focus of their own, so without it a pupil on the keyboard cannot see
// where the keys go. A widget (or one of its parents) with the property
// "noFocusMark" set gets none.
class FocusMark : public QWidget
{
    Q_OBJECT
public:
    explicit FocusMark(QWidget *window);

    QWidget *target() const { return m_target; }
    // Places the mark again: after what covers the target has changed.
    void refresh();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow(QWidget *focused);
    // The widget and its parents up to the window.
    void watch(QWidget *widget);
    void unwatchAll();
    QRect shownRect(const QWidget *widget) const;

    QPointer<QWidget> m_target;
    QPointer<QWidget> m_caption;
    QList<QPointer<QWidget>> m_watched;
};
