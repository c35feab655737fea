#include "SystemMessageBox.h"

#include "Activation.h"

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
    Activation::handBack(parent);
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
