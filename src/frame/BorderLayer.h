#pragma once

#include <QImage>
#include <QWidget>

// The persistent drawing surface of a container: outlines drawn on it stay
// until drawn over, beneath every other child, like lines drawn on the
// container's own background. One per container, made on first use.
class BorderLayer : public QWidget
{
    Q_OBJECT
public:
    // The container's layer, made when it has none.
    static BorderLayer *of(QWidget *container);

    // A one-pixel rectangle outline whose corner pixels are `outline`'s.
    void drawOutline(const QRect &outline, const QColor &colour);
    const QImage &image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit BorderLayer(QWidget *container);
    void fitContainer();

    QImage m_image;
};
