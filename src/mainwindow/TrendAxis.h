#pragma once

#include <QWidget>

// Label7: the y-axis captions "100%" down to "0%" beside the trend plot,
// each centred on its grid line. `plotTop` and `plotHeight` place the plot
// in this widget's coordinates.
class TrendAxis : public QWidget
{
    Q_OBJECT
public:
    TrendAxis(int plotTop, int plotHeight, QWidget *parent = nullptr);

    // The captions in order from the top.
    static QStringList captions();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_plotTop;
    int m_plotHeight;
};
