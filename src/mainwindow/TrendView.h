#pragma once

#include <QList>
#include <QWidget>

// RC3TrendPlot: the trend of recent first-attempt scores, drawn on every
// repaint at the screen's resolution so it stays crisp at any scale.
class TrendView : public QWidget
{
    Q_OBJECT
public:
    explicit TrendView(QWidget *parent = nullptr);

    // Oldest first, at most 20 (TrendPlot::values).
    void setValues(const QList<double> &values);
    const QList<double> &values() const { return m_values; }

    // Discs of 30 twips: 2 pixels.
    static constexpr double kDotRadius = 2.0;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<double> m_values;
};
