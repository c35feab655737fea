#include "PictureBox.h"

#include "PictureCache.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(PictureCache &cache, QWidget *parent)
    : QWidget(parent), m_cache(cache)
{
}

bool PictureBox::setPicture(const QString &name)
{
    if (name == m_name)
        return false;
    m_name = name;
    m_pixmap = name.isEmpty() ? QPixmap() : m_cache.picture(name);
    ++m_changes;
    update();
    return true;
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (m_pixmap.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(rect(), m_pixmap);
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit mousePressed(event->button());
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    const Qt::MouseButton button = event->button();
    emit mouseReleased(button);
    if (button == Qt::LeftButton && rect().contains(event->position().toPoint()))
        handleClick();
}
