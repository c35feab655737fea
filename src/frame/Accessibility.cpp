#include "Accessibility.h"

#include "PictureButton.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTextDocumentFragment>

namespace
{

const char kRole[] = "tessalyAccessibleRole";

class ActingButton : public QAccessibleWidget
{
public:
    ActingButton(QWidget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return name();
        case QAccessible::Description:
            return widget()->toolTip() != name() ? widget()->toolTip() : QString();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        if (auto *button = qobject_cast<PictureButton *>(widget())) {
            button->click();
            return;
        }
        // A label acts on a press and release over it, as a click.
        const QPointF at = QRectF(widget()->rect()).center();
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, widget()->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(widget(), &event);
        }
    }

private:
    QString name() const
    {
        QWidget *w = widget();
        if (!w->accessibleName().isEmpty())
            return w->accessibleName();
        QString text;
        if (auto *button = qobject_cast<PictureButton *>(w); button && button->caption())
            text = button->caption()->text();
        else if (auto *label = qobject_cast<QLabel *>(w))
            text = label->textFormat() == Qt::PlainText
                       ? label->text()
                       : QTextDocumentFragment::fromHtml(label->text()).toPlainText();
        return text.trimmed().isEmpty() ? w->toolTip() : text.trimmed();
    }
};

QAccessibleInterface *factory(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    const QVariant role = widget ? widget->property(kRole) : QVariant();
    return role.isValid() ? new ActingButton(widget, QAccessible::Role(role.toInt())) : nullptr;
}

} // namespace

namespace Accessibility
{

void actsAs(QWidget *widget, QAccessible::Role role)
{
    // Installed before any interface is asked for: interfaces are kept once made.
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
    widget->setProperty(kRole, int(role));
    // The toolkit makes an interface as soon as a widget tells of a change,
    // often while it is being made: one made before now is made again.
    QAccessibleInterface *made = QAccessible::queryAccessibleInterface(widget);
    if (made && !dynamic_cast<ActingButton *>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

} // namespace Accessibility
