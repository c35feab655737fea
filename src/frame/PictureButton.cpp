#include "PictureButton.h"

#include "Accessibility.h"
#include "FrameFonts.h"
#include "PictureChoice.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

PictureButton::PictureButton(PictureCache &cache, Rule rule, QWidget *parent)
    : PictureBox(cache, parent), m_rule(rule)
{
    Accessibility::actsAs(this, rule == Rule::Tab ? QAccessible::PageTab : QAccessible::Button);
    if (m_rule == Rule::Tab)
        showRestingPicture();
}

void PictureButton::setBase(const QString &base)
{
    m_base = base;
    if (m_rule == Rule::TwoState) {
        m_outside = Module5::PictureFile(base, Module5::ButtonState::Off);
        m_inside = Module5::PictureFile(base, Module5::ButtonState::On);
    }
    showRestingPicture();
}

void PictureButton::setTwoStatePictures(const QString &outside, const QString &inside)
{
    m_outside = outside;
    m_inside = inside;
}

void PictureButton::setCurrentTab(bool current)
{
    m_currentTab = current;
}

void PictureButton::setAvailable(bool available)
{
    if (available == isEnabled())
        return;
    setEnabled(available);
    if (!available && m_rule == Rule::Toolbar)
        setPicture(Module5::PictureFile(m_base, Module5::ButtonState::Disabled));
}

void PictureButton::setCaption(QLabel *caption)
{
    if (m_caption)
        m_caption->removeEventFilter(this);
    m_caption = caption;
    if (m_caption) {
        Accessibility::actsAs(m_caption, QAccessible::Button);
        m_caption->installEventFilter(this);
        m_caption->setToolTip(toolTip());
    }
}

QLabel *PictureButton::createCaption(const QString &objectName, const QRect &geometry)
{
    auto *label = new QLabel(parentWidget());
    label->setObjectName(objectName);
    label->setFont(Module5::LabelFont());
    label->setAlignment(Qt::AlignCenter);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setGeometry(geometry);
    label->show();
    setCaption(label);
    return label;
}

void PictureButton::setIdentity(const ToolbarIdentity &identity)
{
    if (m_caption)
        m_caption->setText(identity.caption); // QLabel ignores an unchanged text
    setTips(identity.tooltip);
    if (identity.base != m_base)
        setBase(identity.base);
    if (identity.visible != !isHidden()) {
        setVisible(identity.visible);
        if (m_caption)
            m_caption->setVisible(identity.visible);
    }
}

void PictureButton::setTips(const QString &tooltip)
{
    // setToolTip sends a change event even for the same text.
    if (toolTip() != tooltip)
        setToolTip(tooltip);
    if (m_caption && m_caption->toolTip() != tooltip)
        m_caption->setToolTip(tooltip);
}

QRect PictureButton::screenRect() const
{
    return QRect(mapToGlobal(QPoint(0, 0)), size());
}

void PictureButton::hover(const QPoint &cursor, bool pressFlag)
{
    const bool inside = Module5::PtInRect(screenRect(), cursor);
    switch (m_rule) {
    case Rule::TwoState:
        setPicture(inside ? m_inside : m_outside);
        break;
    case Rule::Toolbar:
        if (!m_base.isEmpty())
            setPicture(Module5::PictureFile(m_base, Module5::ToolbarState(isEnabled(), inside, pressFlag)));
        break;
    case Rule::Tab:
        setPicture(Module5::TabPicture(m_currentTab, inside));
        break;
    }
}

void PictureButton::click()
{
    if (isEnabled())
        emit clicked();
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            click();
        event->accept();
        break;
    default:
        PictureBox::keyPressEvent(event);
    }
}

void PictureButton::focusInEvent(QFocusEvent *event)
{
    PictureBox::focusInEvent(event);
    emit focusEntered();
}

void PictureButton::showRestingPicture()
{
    switch (m_rule) {
    case Rule::TwoState:
        setPicture(m_outside);
        break;
    case Rule::Toolbar:
        if (!m_base.isEmpty())
            setPicture(Module5::PictureFile(m_base, isEnabled() ? Module5::ButtonState::Off
                                                                : Module5::ButtonState::Disabled));
        break;
    case Rule::Tab:
        setPicture(Module5::TabPicture(m_currentTab, false));
        break;
    }
}

bool PictureButton::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_caption)
        return PictureBox::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (isEnabled())
            emit mousePressed(static_cast<QMouseEvent *>(event)->button());
        return true;
    case QEvent::MouseButtonRelease: {
        if (!isEnabled())
            return true;
        auto *mouse = static_cast<QMouseEvent *>(event);
        emit mouseReleased(mouse->button());
        if (mouse->button() == Qt::LeftButton
            && m_caption->rect().contains(mouse->position().toPoint()))
            click();
        return true;
    }
    default:
        return false;
    }
}
