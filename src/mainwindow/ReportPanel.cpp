#include "ReportPanel.h"

#include "Accessibility.h"
#include "ContentsLook.h"
#include "ShadedBox.h"
#include "SummarySection.h"
#include "TopicalSection.h"
#include "TrendSection.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

ReportPanel::ReportPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Body_Report"));
    setAutoFillBackground(true);

    m_summary = new SummarySection(this);
    m_topical = new TopicalSection(this);
    m_trend = new TrendSection(this);
    m_sections = {m_summary, m_topical, m_trend};

    const char *captions[3] = {"Overall Results", "Topical Results", "Trend Analysis"};
    const char *tips[3] = {"Click to show overall results", "Click to show topical results",
                           "Click to show past trends"};
    for (int n = 1; n <= 3; ++n) {
        auto *bar = new ShadedBox(ShadedBox::sectionBar(), this);
        bar->setObjectName(QStringLiteral("RCBar%1").arg(n));
        bar->setToolTip(QString::fromLatin1(tips[n - 1]));
        bar->setCursor(Qt::PointingHandCursor);
        bar->setFocusPolicy(Qt::TabFocus);
        bar->setAccessibleName(QString::fromLatin1(captions[n - 1]));
        Accessibility::actsAs(bar);
        bar->installEventFilter(this);
        auto *label = new QLabel(QString::fromLatin1(captions[n - 1]), bar);
        label->setObjectName(QStringLiteral("lblRCBar%1").arg(n));
        label->setFont(ContentsLook::boldFont());
        label->setToolTip(bar->toolTip());
        label->installEventFilter(this);
        Accessibility::actsAs(label);
        label->move(14, 0);
        m_bars << bar;
        m_barLabels << label;
    }
}

void ReportPanel::ShowReport(const ReportFigures &figures, int topicTotal,
                             const QList<double> &trend)
{
    ++m_fills;
    m_summary->fill(figures);
    m_topical->fill(figures, topicTotal);
    m_trend->setValues(trend);
}

void ReportPanel::ShowReportSection(int reportPos)
{
    m_open = reportPos == 1 || reportPos == 2 ? reportPos : 3;
    const int h = height() - 2 * kInset;
    const int b = kBarHeight;
    // Tops of the three bars: those up to the open one from the top, the
    // others from the bottom.
    int tops[3];
    for (int n = 1; n <= 3; ++n)
        tops[n - 1] = kInset + (n <= m_open ? (n - 1) * b : h - (4 - n) * b);
    for (int n = 1; n <= 3; ++n) {
        ShadedBox *bar = m_bars.at(n - 1);
        bar->setGeometry(kBarMargin, tops[n - 1], width() - 2 * kBarMargin, b);
        const bool open = n == m_open;
        bar->setStyle(open ? ShadedBox::openSectionBar() : ShadedBox::sectionBar());
        QLabel *label = m_barLabels.at(n - 1);
        ContentsLook::setColours(label, open ? Qt::white : ContentsLook::heading());
        label->resize(bar->width() - 28, b);
    }
    QWidget *open = m_sections.at(m_open - 1);
    open->setGeometry(0, kInset + m_open * b, width(), h - 3 * b);
    open->raise();
    for (ShadedBox *bar : std::as_const(m_bars))
        bar->raise();
}

void ReportPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    ShowReportSection(m_open);
}

QList<QWidget *> ReportPanel::focusStops() const
{
    return {m_bars.cbegin(), m_bars.cend()};
}

bool ReportPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int n = static_cast<int>(m_bars.indexOf(qobject_cast<ShadedBox *>(watched))) + 1;
        switch (n ? static_cast<QKeyEvent *>(event)->key() : 0) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            emit sectionClicked(n);
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down: {
            const int to = n + (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Up ? -1 : 1);
            if (to >= 1 && to <= 3)
                m_bars.at(to - 1)->setFocus(Qt::OtherFocusReason);
            return true;
        }
        default:
            break;
        }
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && mouse->button() == Qt::LeftButton &&
            widget->rect().contains(mouse->position().toPoint())) {
            for (int n = 1; n <= 3; ++n) {
                if (watched == m_bars.at(n - 1) || watched == m_barLabels.at(n - 1)) {
                    emit sectionClicked(n);
                    return true;
                }
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
