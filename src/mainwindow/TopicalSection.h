#pragma once

#include "ReportFigures.h"

#include <QList>
#include <QWidget>

class QFrame;
class QLabel;
class QLineEdit;

// RC2Topical, "Topical Results": one row per topic with its name (TopLab1..)
// and two tracks (TBack1A, TBack1B ..) holding a bar (TBar1A ..) as long as
// the average first or second score and the percentage (TMark1A ..).
class TopicalSection : public QWidget
{
    Q_OBJECT
public:
    explicit TopicalSection(QWidget *parent);

    // ShowTopicBars for every row, then rows beyond topicTotal hidden.
    void fill(const ReportFigures &figures, int topicTotal);
    void ShowTopicBars(int row, const ReportFigures::Topic &topic);

    // Inner width of the tracks: 100% fills it.
    int trackWidth() const;

private:
    struct Row {
        QLineEdit *name;
        QFrame *track[2];
        QLabel *bar[2];
        QLabel *mark[2];
    };
    QList<Row> m_rows;
};
