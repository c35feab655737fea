#include "BorderLayer.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

BorderLayer::BorderLayer(QWidget *container)
    : QWidget(container)
{
    setObjectName(QStringLiteral("BorderLayer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    container->installEventFilter(this);
    fitContainer();
    lower();
    show();
}

BorderLayer *BorderLayer::of(QWidget *container)
{
    auto *layer = container->findChild<BorderLayer *>(QStringLiteral("BorderLayer"),
                                                      Qt::FindDirectChildrenOnly);
    return layer ? layer : new BorderLayer(container);
}

void BorderLayer::drawOutline(const QRect &outline, const QColor &colour)
{
    fitContainer();
    QPainter painter(&m_image);
    // Replace, not blend: drawing transparent lines must erase.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setPen(QPen(colour, 0));
    painter.drawLine(outline.left(), outline.top(), outline.right(), outline.top());
    painter.drawLine(outline.left(), outline.top(), outline.left(), outline.bottom());
    painter.drawLine(outline.left(), outline.bottom(), outline.right(), outline.bottom());
    painter.drawLine(outline.right(), outline.top(), outline.right(), outline.bottom());
    painter.end();
    update(outline.adjusted(0, 0, 1, 1));
}

void BorderLayer::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_image, event->rect());
}

bool BorderLayer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        fitContainer();
    return QWidget::eventFilter(watched, event);
}

void BorderLayer::fitContainer()
{
    const QSize size = parentWidget()->size();
    if (m_image.width() < size.width() || m_image.height() < size.height()) {
        // Grow, keeping what was drawn.
        QImage grown(size.expandedTo(m_image.size()), QImage::Format_ARGB32_Premultiplied);
        grown.fill(Qt::transparent);
        QPainter(&grown).drawImage(0, 0, m_image);
        m_image = grown;
    }
    setGeometry(QRect(QPoint(0, 0), size));
}
