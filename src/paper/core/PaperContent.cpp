#include "PaperContent.h"

#include "MarkedAttempt.h"
#include "Marking.h"
#include "Records.h"
#include "Resources.h"

#include <numeric>

int PaperContent::slotsBefore(int question) const
{
    int s = 0;
    for (int q = 1; q < question && q <= partsPerQuestion.size(); ++q)
        s += partsPerQuestion.at(q - 1);
    return s;
}

int PaperContent::questionOfSlot(int slot) const
{
    int sum = 0;
    for (int q = 1; q <= partsPerQuestion.size(); ++q) {
        sum += partsPerQuestion.at(q - 1);
        if (sum >= slot)
            return q;
    }
    return 0;
}

bool PaperContent::isUsable() const
{
    const int parts = std::accumulate(partsPerQuestion.begin(), partsPerQuestion.end(), 0);
    return !questionIds.isEmpty() && slotCount() > 0 && parts == slotCount()
           && slotKinds.size() == slotKeys.size() && slotValues.size() == slotKeys.size();
}

PaperContent PaperContent::load(int module, const QString &paperKey)
{
    PaperContent paper;
    // Read straight from the program's resources: a scratch file would only
    // be written to be read back at once.
    const int base = 10 * module;
    auto table = [base](int id) { return Module1::SplitLines(Module3::ResourceBytes(id + base)); };
    paper.questionIds = Module1::ReadAllKeyValues(table(30002), paperKey);
    const QStringList keys = table(30003);
    paper.slotKeys = Module1::ReadValuesForKeys(keys, paper.questionIds);
    paper.partsPerQuestion = Module1::CountValuesPerKey(keys, paper.questionIds);
    paper.slotKinds = Module1::ReadValuesForKeys(table(30004), paper.questionIds);
    paper.slotValues = Module1::ReadValuesForKeys(table(30005), paper.questionIds);
    // Counted slot by slot as the marking counts them, so that a percentage
    // always refers to this total.
    qint64 total = 0;
    for (const QString &v : paper.slotValues)
        total += SlotWorth(v);
    paper.totalMarks = static_cast<int>(total);
    return paper;
}

QList<int> RemainingQuestions(const PaperContent &paper, const QStringList &answers)
{
    QList<int> list;
    for (int i = 1; i <= paper.slotCount(); ++i) {
        if (!answers.value(i - 1).trimmed().isEmpty())
            continue;
        const int q = paper.questionOfSlot(i);
        if (q > 0 && (list.isEmpty() || list.last() != q))
            list.append(q);
    }
    return list;
}

int AnsweredCount(const QStringList &answers)
{
    return static_cast<int>(std::count_if(answers.begin(), answers.end(),
                                          [](const QString &a) { return !a.isEmpty(); }));
}
