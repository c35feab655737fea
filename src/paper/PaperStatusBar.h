#pragma once

#include <QList>
#include <QWidget>

class PictureBox;
class PictureCache;
class QComboBox;
class QLabel;

// RemQnsBG, the bar under the question page: the remaining questions
// (TxtRem with RemQns), the answered count (lblAnsweredQ of lblTotalQ), and
// in a first attempt the clock (lblClock, then LTime) and the date (lblDate,
// then ETime); a second attempt shows "Second Attempt" instead. Once the
// paper is marked lblScore takes the place of the remaining questions.
class PaperStatusBar : public QWidget
{
    Q_OBJECT
public:
    PaperStatusBar(PictureCache &pictures, bool secondAttempt, QWidget *parent);

    QComboBox *remaining() const { return m_remQns; }
    // Refills RemQns; nothing is chosen afterwards.
    void setRemaining(const QList<int> &questions);
    void setAnswered(int answered, int total);
    void setClock(const QString &text);
    void setDate(const QString &text);
    // The marked display: score, time taken and date completed instead of
    // the remaining questions, the clock and today's date.
    void showMarked(const QString &score, const QString &timeTaken, const QString &dateDone);

signals:
    void questionChosen(int question);

private:
    PictureBox *panel(const char *name, const QString &picture, int left, int width);
    QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &at,
                  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);

    PictureCache &m_pictures;
    PictureBox *m_txtRem = nullptr;
    QComboBox *m_remQns = nullptr;
    PictureBox *m_scorePanel = nullptr;
    QLabel *m_score = nullptr;
    QLabel *m_answered = nullptr;
    QLabel *m_total = nullptr;
    QLabel *m_clock = nullptr;
    QLabel *m_timeTaken = nullptr;
    QLabel *m_date = nullptr;
    QLabel *m_dateDone = nullptr;
    QLabel *m_timeCaption = nullptr;
    QLabel *m_dateCaption = nullptr;
};
