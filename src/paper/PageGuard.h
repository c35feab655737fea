#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

class QKeyEvent;
class QMouseEvent;

// Answers copying, cutting and the context menu on the question page with
// the system message box "Invalid operation" titled "Error". It watches the
// widget that receives the page's input (the view's focus proxy, which the
// view may replace: the filter follows each new child). Events are never
// cancelled; keys typed elsewhere (the answer boxes) are not seen.
class PageGuard : public QObject
{
    Q_OBJECT
public:
    // `messageParent` is the window the message box belongs to.
    PageGuard(QWidget *view, QWidget *messageParent);

    // Attaches to the view's current input widget; run after every page load.
    void attach();

    static bool isGuardedKey(Qt::KeyboardModifiers modifiers, int key);
    static bool isGuardedButton(Qt::MouseButton button);

    inline static const QString MessageTitle = QStringLiteral("Error");
    inline static const QString MessageText = QStringLiteral("Invalid operation");

    // Seam for tests: called instead of showing the message box.
    using MessageSeam = std::function<void(QWidget *parent)>;
    static void setMessageSeam(MessageSeam seam);

signals:
    void invalidOperation();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *inputWidget() const;
    void watch(QObject *object);
    void answer();

    QPointer<QWidget> m_view;
    QPointer<QWidget> m_parent;
    bool m_messageShown = false;
};
