#pragma once

#include <QList>
#include <QWidget>

// Percent1a: the narrow column of "%" signs that the paper rows' scores are
// right-aligned against. A sign shows beside each score line that has a
// score; `lineTops` are the lines' tops in the column's coordinates.
class PercentColumn : public QWidget
{
    Q_OBJECT
public:
    PercentColumn(int lineHeight, QWidget *parent = nullptr);

    void setLines(const QList<int> &lineTops);
    const QList<int> &lines() const { return m_lines; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_lineHeight;
    QList<int> m_lines;
};
