#include "ReportFigures.h"

#include "ProgramConfig.h"
#include "Score.h"

#include <algorithm>
#include <cmath>

namespace
{

// Averages of one-decimal scores that should tie can differ in the last bits.
bool atMost(double a, double b)
{
    return a <= b + 1e-9;
}

QString percentOrEmpty(double sum, int count)
{
    return count > 0 ? Score::OneDecimalText(sum / count) + QLatin1Char('%') : QString();
}

int barWidth(double sum, int count, int trackWidth)
{
    if (count <= 0 || trackWidth <= 0)
        return 0;
    const double share = std::clamp(sum / count / 100.0, 0.0, 1.0);
    return static_cast<int>(std::lround(trackWidth * share));
}

void addScores(const QStringList &row, int firstPaper, int &count, double &sum)
{
    for (int p = firstPaper; p < firstPaper + 5; ++p) {
        const QString text = row.value(p - 1);
        if (text.trimmed().isEmpty())
            continue;
        double value = 0;
        Score::ParseScore(text, &value); // unreadable text counts as 0
        ++count;
        sum += value;
    }
}

} // namespace

QString ReportFigures::Topic::firstText() const
{
    return percentOrEmpty(firstSum, firstCount);
}

QString ReportFigures::Topic::secondText() const
{
    return percentOrEmpty(secondSum, secondCount);
}

int ReportFigures::Topic::firstBarWidth(int trackWidth) const
{
    return barWidth(firstSum, firstCount, trackWidth);
}

int ReportFigures::Topic::secondBarWidth(int trackWidth) const
{
    return barWidth(secondSum, secondCount, trackWidth);
}

ReportFigures ReportFigures::compute(int topicTotal, const QStringList &topicNames,
                                     const MarksRows &rows, int paperTotal)
{
    ReportFigures f;
    topicTotal = std::clamp(topicTotal, 0, ProgramConfig::kMaxTopics);
    double firstTotal = 0;
    double secondTotal = 0;
    for (int i = 1; i <= topicTotal; ++i) {
        Topic t;
        t.name = topicNames.value(i - 1);
        addScores(rows.FSE, 5 * (i - 1) + 1, t.firstCount, t.firstSum);
        addScores(rows.SSE, 5 * (i - 1) + 1, t.secondCount, t.secondSum);
        if (t.attempted()) {
            ++f.topicsAttempted;
            t.average = (t.firstSum + t.secondSum) / (t.firstCount + t.secondCount);
        }
        firstTotal += t.firstSum;
        secondTotal += t.secondSum;
        f.completedCount += t.firstCount;
        f.secondCountTotal += t.secondCount;
        f.topics.append(t);
    }

    f.PCNum = QStringLiteral("%1 / %2").arg(f.completedCount).arg(paperTotal);
    f.OScore1 = f.completedCount < 1 ? NoReportData : percentOrEmpty(firstTotal, f.completedCount);
    f.OScore2 =
        f.secondCountTotal < 1 ? NoReportData : percentOrEmpty(secondTotal, f.secondCountTotal);

    // Every topic, the first one included, must have a marked paper and not
    // be the mock examination to be named: a topic never tried is no one's
    // weakest.
    if (f.topicsAttempted >= 2) {
        for (int i = 1; i <= topicTotal; ++i) {
            const Topic &t = f.topics.at(i - 1);
            if (!t.attempted() || t.name == MockExamination)
                continue;
            if (f.weakest == 0 || atMost(t.average, f.topics.at(f.weakest - 1).average))
                f.weakest = i;
            if (f.strongest == 0 || atMost(f.topics.at(f.strongest - 1).average, t.average))
                f.strongest = i;
        }
    }
    f.ST = f.strongest ? f.topics.at(f.strongest - 1).name + QLatin1Char(' ') : NoReportData;
    f.WT = f.weakest ? f.topics.at(f.weakest - 1).name + QLatin1Char(' ') : NoReportData;
    return f;
}
