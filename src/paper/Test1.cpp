#include "Test1.h"

#include "PaperStatusBar.h"
#include "Score.h"

Test1::Test1(PaperHost &host)
    : PaperWindow(host, false)
{
}

void Test1::takeMarksRows(const MarksRows &rows)
{
    const int i = paper() - 1;
    setStatus(rows.FST.value(i));
    m_timeTaken = rows.LTM.value(i);
    m_dateCompleted = rows.CDD.value(i);
    setScore(rows.FSE.value(i));
}

AnswerFrameView Test1::frameView(int slot) const
{
    return FirstAttemptFrame({answers(), results(), content().slotKeys, content().slotKinds},
                             slot, isMarked());
}

SaveResult Test1::storeMarked(const MarkedAttempt &marked, const QString &timeTaken,
                              const QString &date)
{
    // Without a percentage the marks and times are kept; the trend gains nothing.
    const SaveResult saved =
        store().storeFirstAttempt(marksRows(), resultLines(), paper(), marked.results, slotCount(),
                                  marked.hasPercent() ? marked.percent : QString(), timeTaken, date);
    if (saved) {
        m_timeTaken = timeTaken;
        m_dateCompleted = date;
    }
    return saved;
}

void Test1::showMarkedStatus()
{
    statusBar()->showMarked(score(), m_timeTaken, m_dateCompleted);
}

void Test1::tickClock()
{
    if (!isMarked() && startTime().isValid())
        statusBar()->setClock(Score::TimeTakenText(startTime(), QDateTime::currentDateTime()));
}
