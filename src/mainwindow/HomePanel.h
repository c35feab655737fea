#pragma once

#include "ResultsStore.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class PercentColumn;
class PictureBox;
class PictureButton;
class QLabel;
class SkinnedWindow;

// Body_Home: the topics of the chosen module on the left (Topic1..Topic10
// with Bullet1..Bullet10) and the five papers of the chosen topic on the
// right, each with its first and second score (MSA1.., MSB1..), its load
// button (P1a..) and its try-again button (P1b..). Clicks are reported;
// the main window decides what they do. So is the pointer arriving on a
// paper's button (or its caption): a paper is likely to be opened next.
//
// Keys: the chosen topic takes the focus for the list, where Up, Down, Home
// and End choose another as a click does; Enter or Space presses a paper
// button that has the focus.
class HomePanel : public QWidget
{
    Q_OBJECT
public:
    HomePanel(SkinnedWindow &window, QWidget *parent);

    // Topic k caption = names(k), shown for k <= topicTotal (ShowTopicEntry).
    void setTopics(const QStringList &names, int topicTotal);
    void ShowTopicEntry(int index, bool shown);
    // Scores of the topic starting at firstPaper; SubH1 gets the topic's
    // name when firstPaper starts a topic.
    void TopicChoosing(int firstPaper, const QStringList &topicNames, const MarksRows &rows);
    void Topicbuttoncolour(int topic);
    void ShowPaperList();

    // A message (rich text) in place of the lists, for a module with nothing
    // to show; empty: the lists.
    void setMessage(const QString &message);

    QLabel *topicLabel(int k) const { return m_topics.value(k - 1); }
    QLabel *subH1() const { return m_subH1; }
    QLabel *firstScore(int row) const { return m_msa.value(row - 1); }
    QLabel *secondScore(int row) const { return m_msb.value(row - 1); }
    PictureButton *loadButton(int row, int take) const;
    PercentColumn *percentColumn() const { return m_percent; }
    // The chosen topic's label, which stands for the list in the focus order.
    QLabel *chosenTopicLabel() const { return topicLabel(m_chosen); }
    // What Tab stops at, in order: the topic list, then each row's buttons.
    QList<QWidget *> focusStops() const;

signals:
    void topicClicked(int topic);
    void paperClicked(int offset, int take);
    // The keyboard focus came to the button of row `offset` (0..4) for
    // attempt `take`: a paper may be opened next.
    void paperButtonFocused(int offset, int take);
    // The pointer came to a paper's button or its caption.
    void paperApproached();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildTopics(SkinnedWindow &window);
    void buildPapers(SkinnedWindow &window);
    bool topicKey(int topic, int key);

    QList<QLabel *> m_topics;
    QList<PictureBox *> m_bullets;
    QList<QLabel *> m_msa, m_msb;
    QList<PictureButton *> m_loadA, m_loadB;
    QList<QWidget *> m_listWidgets; // everything the message replaces
    PictureBox *m_colHead1 = nullptr;
    PictureBox *m_colHead2 = nullptr;
    QLabel *m_subH1 = nullptr;
    QLabel *m_message = nullptr;
    PercentColumn *m_percent = nullptr;
    int m_chosen = 1;
};
