#include "AnswerFrameView.h"

#include "Marking.h"

namespace {

AnswerFrameView common(const SlotTables &tables, int slot)
{
    AnswerFrameView v;
    v.answer = tables.answers.value(slot - 1);
    v.maxLength = tables.kinds.value(slot - 1) == QLatin1String("Q") ? 1 : 0;
    return v;
}

} // namespace

AnswerFrameView FirstAttemptFrame(const SlotTables &tables, int slot, bool marked)
{
    AnswerFrameView v = common(tables, slot);
    v.model = tables.keys.value(slot - 1); // never shown in a first attempt
    v.firstMark = tables.results.value(slot - 1);
    v.firstMarkVisible = marked;
    v.locked = marked;
    return v;
}

AnswerFrameView SecondAttemptFrame(const SlotTables &tables, const FirstAttempt &first, int slot,
                                   bool marked)
{
    AnswerFrameView v = common(tables, slot);
    v.model = Module1::ModelAnswer(tables.answers, tables.keys, tables.kinds, slot);
    v.firstMark = first.results.value(slot - 1);
    v.secondMark = tables.results.value(slot - 1);
    v.carried = first.isCorrect(slot);
    if (marked) {
        v.locked = true;
        v.secondMarkVisible = true;
        // A group whose alternatives are all used has no model left for a
        // wrong slot: no empty box then.
        v.modelVisible = tables.results.value(slot - 1) == Module1::WrongMark && !v.model.isEmpty();
    } else {
        v.locked = v.carried;
        v.firstMarkVisible = v.carried;
    }
    return v;
}

QString MarkGlyph(const QString &mark)
{
    if (mark == Module1::CorrectMark)
        return QStringLiteral("\u2713");
    if (mark == Module1::WrongMark)
        return QStringLiteral("\u2717");
    return QString();
}
