#pragma once

#include "ReportFigures.h"

#include <QWidget>

class QLabel;

// RC1Summary, "Overall Results": papers completed, the two averages and the
// strongest and weakest topic, as caption and value pairs.
class SummarySection : public QWidget
{
    Q_OBJECT
public:
    explicit SummarySection(QWidget *parent);

    void fill(const ReportFigures &figures);

private:
    QLabel *m_pcNum, *m_oScore1, *m_oScore2, *m_st, *m_wt;
};
