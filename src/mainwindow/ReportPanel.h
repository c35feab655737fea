#pragma once

#include "ReportFigures.h"

#include <QList>
#include <QWidget>

class QLabel;
class ShadedBox;
class SummarySection;
class TopicalSection;
class TrendSection;

// Body_Report: three sections, one open at a time, under their header bars
// RCBar1..RCBar3 (captions lblRCBar1..). The bars above the open section
// stay at the top, those below it sit at the bottom.
class ReportPanel : public QWidget
{
    Q_OBJECT
public:
    explicit ReportPanel(QWidget *parent);

    // Fills all three sections.
    void ShowReport(const ReportFigures &figures, int topicTotal, const QList<double> &trend);
    // Lays out the sections for txtReportPos (1, 2, anything else: 3).
    void ShowReportSection(int reportPos);

    SummarySection *summary() const { return m_summary; }
    TopicalSection *topical() const { return m_topical; }
    TrendSection *trend() const { return m_trend; }
    ShadedBox *bar(int n) const { return m_bars.value(n - 1); }
    QWidget *section(int n) const { return m_sections.value(n - 1); }
    // How often the figures were filled in: switching sections does not.
    int fillCount() const { return m_fills; }
    // What Tab stops at: the bars, where Enter or Space opens the section
    // and Up and Down go to the bar above or below.
    QList<QWidget *> focusStops() const;

    // Bars and sections lie this far inside the panel's edges.
    static constexpr int kInset = 6;
    static constexpr int kBarHeight = 28;

signals:
    // RCBar1_Click .. RCBar3_Click, and their captions.
    void sectionClicked(int section);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    static constexpr int kBarMargin = 8;

    QList<ShadedBox *> m_bars;
    QList<QLabel *> m_barLabels;
    QList<QWidget *> m_sections;
    SummarySection *m_summary = nullptr;
    TopicalSection *m_topical = nullptr;
    TrendSection *m_trend = nullptr;
    int m_open = 1;
    int m_fills = 0;
};
