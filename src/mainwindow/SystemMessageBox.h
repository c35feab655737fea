#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

class QWidget;

// The system message box, with a seam for tests: while recording, messages
// are kept instead of shown, so nothing waits for a person.
class SystemMessageBox
{
public:
    struct Message {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title;
        QString text;
    };

    // One OK button; returns when the pupil has read it.
    static void show(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                     const QString &text);

    static void setRecording(bool recording);
    // The messages recorded since the last call, oldest first.
    static QList<Message> takeRecorded();
};
