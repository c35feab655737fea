#pragma once

#include "AnswerFrameView.h"
#include "AnswerSheetLayout.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QValidator;

// Frame<k> of the answer sheet: the answer box FA<k>, the model answer M<k>,
// the result mark FR<k> (and SR<k> in a second attempt), the part letter
// QL<k> and the unused label T<k>. Outlines of the boxes are drawn on the
// frame in light grey, erased and drawn again when the boxes move.
class AnswerFrame : public QWidget
{
    Q_OBJECT
public:
    AnswerFrame(int part, bool secondAttempt, QWidget *parent);

    QLineEdit *answerBox() const { return m_answer; }
    QLineEdit *modelBox() const { return m_model; }
    QLabel *resultLabel() const { return m_result; }
    QLabel *secondResultLabel() const { return m_secondResult; }
    QLabel *letterLabel() const { return m_letter; }

    // Places the boxes for a slot of `kind`; the frame's height follows.
    void layoutFor(const QString &kind);
    void show(const AnswerFrameView &view);

    inline static const QColor CarriedColour{0xC0, 0xC0, 0xFF}; // &H00FFC0C0
    inline static const QColor BoxColour{0xFF, 0xFF, 0xFF};

private:
    void outline(QWidget *box, bool drawn);
    static void showMark(QLabel *label, const QString &mark, bool visible);

    QLineEdit *m_answer = nullptr;
    QLineEdit *m_model = nullptr;
    QLabel *m_result = nullptr;
    QLabel *m_secondResult = nullptr;
    QLabel *m_letter = nullptr;
    QValidator *m_optionDigits = nullptr;
    bool m_laidOut = false;
    bool m_tall = false;
    bool m_modelOutlined = false;
};
