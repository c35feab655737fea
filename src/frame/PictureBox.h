#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

class PictureCache;

// A picture control: shows one picture of the Graphics folder stretched to
// the control's size. Setting the picture it already shows does nothing, so
// a timer can set pictures every tick at no cost.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    PictureBox(PictureCache &cache, QWidget *parent = nullptr);

    // `name` is a file of the Graphics folder, any letter case. Returns true
    // when the picture changed.
    bool setPicture(const QString &name);
    const QString &picture() const { return m_name; }
    // How often the shown picture changed: a measure of repainting work.
    int pictureChanges() const { return m_changes; }

    PictureCache &cache() const { return m_cache; }

signals:
    // Any mouse button; a click is a left press and release over the control.
    void mousePressed(Qt::MouseButton button);
    void mouseReleased(Qt::MouseButton button);
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // A left press and release over the control.
    virtual void handleClick() { emit clicked(); }

private:
    PictureCache &m_cache;
    QString m_name;
    QPixmap m_pixmap;
    int m_changes = 0;
};
