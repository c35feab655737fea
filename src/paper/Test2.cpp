#include "Test2.h"

#include "PaperStatusBar.h"

Test2::Test2(PaperHost &host)
    : PaperWindow(host, true)
{
}

void Test2::loadAttempt()
{
    // The first attempt's files are only read.
    m_first.results = store().readPaperValues(ResultsStore::FResults, paper(), slotCount());
    m_first.answers = store().readPaperValues(ResultsStore::First, paper(), slotCount());
    CarryOverFirstAttempt(m_first, answersRef(), resultsRef(), slotCount());
}

void Test2::takeMarksRows(const MarksRows &rows)
{
    const int i = paper() - 1;
    setStatus(rows.SST.value(i));
    setScore(rows.SSE.value(i));
}

AnswerFrameView Test2::frameView(int slot) const
{
    return SecondAttemptFrame({answers(), results(), content().slotKeys, content().slotKinds},
                              m_first, slot, isMarked());
}

SaveResult Test2::storeMarked(const MarkedAttempt &marked, const QString &, const QString &)
{
    // Time, date and trend belong to the first attempt.
    return store().storeSecondAttempt(marksRows(), resultLines(), paper(), marked.results,
                                      slotCount(), marked.percent);
}

void Test2::showMarkedStatus()
{
    statusBar()->showMarked(score(), QString(), QString());
}
