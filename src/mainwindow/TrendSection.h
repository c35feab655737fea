#pragma once

#include <QList>
#include <QWidget>

class TrendView;

// RC3Trend, "Trend Analysis": the plot of recent first-attempt scores with
// its y-axis captions (Label7) and its x-axis caption (Label8).
class TrendSection : public QWidget
{
    Q_OBJECT
public:
    explicit TrendSection(QWidget *parent);

    void setValues(const QList<double> &values);
    TrendView *plot() const { return m_plot; }

private:
    TrendView *m_plot = nullptr;
};
