#pragma once

#include "QuestionBrowser.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class AnswerFrame;
class PictureBox;
class PictureCache;
class QLineEdit;
class QScrollArea;
class QTimer;
class QLabel;

// AnsBox: the answer sheet at the right of the paper window, 20 answer
// frames of which the current question's are shown, stacked from the top,
// and the instruction picture at the foot. The frames scroll when a window
// is too low for all of them.
//
// Keys: Tab and Shift+Tab move between the boxes that take typing, round
// the question; Enter moves to the next one, and in the last box asks for
// the next question (lastBoxEntered). Page Up/Down and Ctrl or Alt with the
// up and down arrows ask for the question page to scroll. A multiple-choice
// box takes the digit of an option, which replaces what it held; any other
// character is refused with a short hint beside the box.
class AnswerSheet : public QWidget
{
    Q_OBJECT
public:
    AnswerSheet(PictureCache &pictures, bool secondAttempt, QWidget *parent);

    AnswerFrame *frame(int part) const; // 1..20
    QLineEdit *answerBox(int part) const;
    int partCount() const { return m_parts; }

    // Lays out frames 1..kinds.size() for their slots' kinds.
    void layoutFrames(const QStringList &kinds);
    // Stacks the first `parts` frames and shows exactly those; the letter of
    // a one-part question is hidden.
    void showFrames(int parts);
    void setInstructionVisible(bool visible);
    PictureBox *instruction() const { return m_instruction; }

    void focusFirstBox();

    // "Type 1, 2, 3 or 4", shown for a while after a refused key.
    QLabel *optionHint() const { return m_hint; }

signals:
    void lastBoxEntered();
    void pageScrollRequested(QuestionBrowser::Scroll step);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeChildren();
    QList<QLineEdit *> typingBoxes() const;
    int partOf(QObject *box) const;
    bool optionKey(QLineEdit *box, const QKeyEvent *key);
    void showOptionHint(QLineEdit *box);

    QScrollArea *m_scroll = nullptr;
    QWidget *m_canvas = nullptr;
    QList<AnswerFrame *> m_frames;
    PictureBox *m_instruction = nullptr;
    QLabel *m_hint = nullptr;
    QTimer *m_hintTimer = nullptr;
    int m_parts = 0;
    int m_canvasHeight = 0;
};
