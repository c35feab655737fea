#pragma once

#include "SkinnedWindow.h"

#include <optional>

class QEventLoop;
class QLabel;
class QLineEdit;

// The program's modal message window: a title in the blue top bar, the
// information picture, a wrapped message and "OK" or "Yes"/"No" picture
// buttons. One instance at a time, made by CallPop and destroyed once it is
// answered.
//
// The answer goes to the main window's hidden PopUpResponse field ("True"
// for the first button, "False" for the second), registered with
// setResponseField, and is also returned. The first button has the focus,
// Tab moves it to the other, Enter or Space presses the one in focus;
// Escape or a close by the window manager counts as the second button, or
// as "OK" for a one-button notice, so a caller always gets an answer.
class frmPopUp : public SkinnedWindow
{
    Q_OBJECT
public:
    // Shows the pop-up centred over Master's window and waits for the answer.
    // NumofButtons: 1 = "OK", 2 = "Yes" and "No". The pictures come from
    // Master's workspace when it is a skinned window, else from the default.
    static bool CallPop(const QString &Title, const QString &Msg, int NumofButtons,
                        QWidget *Master);

    static void setResponseField(QLineEdit *field);
    static void setDefaultWorkspace(const Workspace &workspace);

    // Seam for tests of the calling windows: the next CallPop answers at once
    // with `answer`, showing nothing. Answers queue up in order.
    static void setNextAnswer(bool answer);
    static void clearNextAnswers();

    struct Question {
        QString title;
        QString message;
        int buttons = 0;
    };
    // What the last CallPop asked, also when answered through the seam.
    static Question lastQuestion();

    // The pop-up on screen, or null.
    static frmPopUp *current();

    PictureButton *button(int n) const { return n == 1 ? m_but1 : m_but2; }
    QLabel *buttonCaption(int n) const { return n == 1 ? m_but1Lbl : m_but2Lbl; }
    QLabel *message() const { return m_message; }
    PictureBox *info() const { return m_info; }

    // But1_Click (first = true) and But2_Click.
    void answer(bool first);

protected:
    void layoutTopBar() override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    explicit frmPopUp(const Workspace &workspace);
    void Form_Load();
    void prepare(const QString &title, const QString &msg, int numOfButtons, QWidget *master);
    bool closeAnswer() const;

    PictureBox *m_info = nullptr;
    QLabel *m_message = nullptr;
    PictureButton *m_but1 = nullptr;
    PictureButton *m_but2 = nullptr;
    QLabel *m_but1Lbl = nullptr;
    QLabel *m_but2Lbl = nullptr;
    QEventLoop *m_loop = nullptr;
    std::optional<bool> m_answer;
};
