#pragma once

#include "PaperWindow.h"

// The paper window of a second attempt: the slots correct the first time
// are carried over and locked; the "second" and "sresults" files; no clock;
// at marking only the second score is stored, and the model answers are
// shown beside the parts still wrong.
class Test2 : public PaperWindow
{
    Q_OBJECT
public:
    explicit Test2(PaperHost &host);

    const FirstAttempt &first() const { return m_first; }

protected:
    ResultsStore::Stem answersStem() const override { return ResultsStore::Second; }
    ResultsStore::Stem resultsStem() const override { return ResultsStore::SResults; }
    void loadAttempt() override;
    void takeMarksRows(const MarksRows &rows) override;
    const FirstAttempt &firstAttempt() const override { return m_first; }
    AnswerFrameView frameView(int slot) const override;
    SaveResult storeMarked(const MarkedAttempt &marked, const QString &timeTaken,
                     const QString &date) override;
    void showMarkedStatus() override;

private:
    FirstAttempt m_first;
};
