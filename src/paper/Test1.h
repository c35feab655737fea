#pragma once

#include "PaperWindow.h"

// The paper window of a first attempt: the "first" and "fresults" files,
// the running clock and today's date, and at marking the score, the time
// taken, the date and the trend.
class Test1 : public PaperWindow
{
    Q_OBJECT
public:
    explicit Test1(PaperHost &host);

    const QString &timeTaken() const { return m_timeTaken; }
    const QString &dateCompleted() const { return m_dateCompleted; }

protected:
    ResultsStore::Stem answersStem() const override { return ResultsStore::First; }
    ResultsStore::Stem resultsStem() const override { return ResultsStore::FResults; }
    void takeMarksRows(const MarksRows &rows) override;
    AnswerFrameView frameView(int slot) const override;
    SaveResult storeMarked(const MarkedAttempt &marked, const QString &timeTaken,
                     const QString &date) override;
    void showMarkedStatus() override;
    void tickClock() override;

private:
    QString m_timeTaken;     // LTime
    QString m_dateCompleted; // ETime
};
