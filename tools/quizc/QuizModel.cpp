#include "QuizModel.h"

namespace Quiz {

QList<Slot> slotsOf(const Question &question)
{
    QList<Slot> out;
    if (question.multipleChoice) {
        out.append({QStringLiteral("Q"), QString::number(question.answer), question.marks});
        return out;
    }
    for (const Part &part : question.parts) {
        for (const AnswerLine &a : part.answers) {
            const QString kind(a.kind);
            if (a.kind == u'T' || a.kind == u'N') {
                out.append({kind, a.alternatives.value(0), a.marks});
            } else if (a.kind == u'M') {
                out.append({kind, QLatin1Char(';') + a.alternatives.join(QLatin1Char(';')), a.marks});
            } else {
                // A group keeps its whole list on its first slot; the others hold " ".
                out.append({kind, QLatin1Char(';') + a.alternatives.join(QLatin1Char(';')), a.marks});
                for (int k = 1; k < a.count; ++k)
                    out.append({kind, QStringLiteral(" "), a.marks});
            }
        }
    }
    return out;
}

int slotCountOf(const Part &part)
{
    int n = 0;
    for (const AnswerLine &a : part.answers)
        n += a.count;
    return n;
}

int slotCountOf(const Question &question)
{
    if (question.multipleChoice)
        return 1;
    int n = 0;
    for (const Part &part : question.parts)
        n += slotCountOf(part);
    return n;
}

int slotCountOf(const Paper &paper)
{
    int n = 0;
    for (const Question &q : paper.questions)
        n += slotCountOf(q);
    return n;
}

} // namespace Quiz
