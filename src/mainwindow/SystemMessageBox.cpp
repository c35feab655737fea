#include "SystemMessageBox.h"

#include <QWidget>

#include <utility>

namespace
{

bool recording = false;
QList<SystemMessageBox::Message> recorded;

} // namespace

void SystemMessageBox::show(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                            const QString &text)
{
    if (recording) {
        recorded.append({icon, title, text});
        return;
    }
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.exec();
    // Without a window manager nothing hands activation back, and the keys
    // would go nowhere.
    if (parent && parent->window()->isVisible())
        parent->window()->activateWindow();
}

void SystemMessageBox::setRecording(bool on)
{
    recording = on;
    recorded.clear();
}

QList<SystemMessageBox::Message> SystemMessageBox::takeRecorded()
{
    return std::exchange(recorded, {});
}
