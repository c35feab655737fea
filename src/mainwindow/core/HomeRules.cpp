#include "HomeRules.h"

#include "Score.h"

namespace HomeRules
{

int FirstPaperOfTopic(int topic)
{
    return 5 * topic - 4;
}

int TopicOfFirstPaper(int firstPaper)
{
    if (firstPaper < 1 || firstPaper > 46 || (firstPaper - 1) % 5 != 0)
        return 0;
    return (firstPaper - 1) / 5 + 1;
}

int PaperKey(int firstPaper, int offset)
{
    return firstPaper + 100 + offset;
}

bool OffersTryAgain(const QString &firstScore)
{
    if (firstScore.isEmpty())
        return false;
    double value = 0;
    Score::ParseScore(firstScore, &value);
    return !(value > 99);
}

} // namespace HomeRules
