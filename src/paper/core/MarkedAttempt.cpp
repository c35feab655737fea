#include "MarkedAttempt.h"

#include "Marking.h"
#include "Score.h"

using namespace Module1;

qint64 SlotWorth(const QString &text)
{
    double v = 0;
    if (!ParseTypedNumber(text, &v) || v <= 0 || v > kMostMarksPerSlot)
        return 0;
    return qRound64(v);
}

bool FirstAttempt::isCorrect(int slot) const
{
    return results.value(slot - 1) == CorrectMark;
}

void CarryOverFirstAttempt(const FirstAttempt &first, QStringList &answers, QStringList &results,
                           int slotCount)
{
    while (answers.size() < slotCount)
        answers.append(QString());
    while (results.size() < slotCount)
        results.append(QString());
    for (int i = 1; i <= slotCount; ++i) {
        if (first.isCorrect(i)) {
            answers[i - 1] = first.answers.value(i - 1);
            results[i - 1] = CorrectMark;
        }
    }
}

bool HasUnansweredSlot(const QStringList &answers, int slotCount, const FirstAttempt &first)
{
    for (int i = 1; i <= slotCount; ++i) {
        if (!first.isCorrect(i) && answers.value(i - 1).isEmpty())
            return true;
    }
    return false;
}

QString MarkingQuestion(bool anyUnanswered)
{
    return anyUnanswered ? QStringLiteral("You have not answered all the questions.  "
                                          "Do you still want to mark your practice?")
                         : QStringLiteral("Do you want to mark your practice now?");
}

MarkedAttempt MarkAttempt(const QStringList &answers, const QStringList &keys,
                          const QStringList &kinds, const QStringList &values,
                          const FirstAttempt &first)
{
    const int slotCount = static_cast<int>(keys.size());
    QStringList given = answers;
    QStringList ignored;
    CarryOverFirstAttempt(first, given, ignored, slotCount);

    MarkedAttempt marked;
    marked.results.reserve(slotCount);
    for (int i = 1; i <= slotCount; ++i) {
        const QString kind = kinds.value(i - 1);
        const QString result = kind == QLatin1String("G") || kind == QLatin1String("M")
                                   ? MarkGroupAnswer(given, keys, kinds, i)
                                   : MarkAnswer(given.value(i - 1), keys.at(i - 1), kind);
        const qint64 value = SlotWorth(values.value(i - 1));
        marked.total += value;
        if (result == CorrectMark)
            marked.earned += value;
        marked.results.append(result);
    }
    marked.percent = Score::PercentText(marked.earned, marked.total);
    return marked;
}
