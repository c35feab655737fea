#include "Marking.h"

#include <QLocale>

#include <cmath>

namespace Module1
{

namespace
{

// A group spans at most the head and the 20 slots after it.
constexpr int kGroupReach = 20;

const QString kFollowOn = QStringLiteral(" ");

QString folded(const QString &text)
{
    return text.trimmed().toLower();
}

// The text after each ';'; text before the first ';' is no alternative, and
// an empty one (";Gas;") would accept an empty answer.
QStringList alternatives(const QString &key)
{
    QStringList alts = key.split(QLatin1Char(';')).mid(1);
    alts.removeIf([](const QString &alt) { return alt.trimmed().isEmpty(); });
    return alts;
}

// 1-based head of the group that slot `slot` belongs to, or 0 when a
// follow-on slot has no head within reach.
int groupHead(const QStringList &keys, int slot)
{
    if (slot < 1 || slot > keys.size())
        return 0;
    if (keys.at(slot - 1) != kFollowOn)
        return slot;
    for (int j = slot - 1; j >= 1 && j >= slot - kGroupReach; --j) {
        if (keys.at(j - 1) != kFollowOn)
            return j;
    }
    return 0;
}

// Last slot of the group that starts at `head`.
int groupEnd(const QStringList &keys, int head)
{
    int last = head;
    while (last < keys.size() && last - head < kGroupReach && keys.at(last) == kFollowOn)
        ++last;
    return last;
}

QString markFormula(const QString &answer, const QString &key)
{
    // The key's first blank is the one blank the answer may keep there.
    const qsizetype keep = key.indexOf(QLatin1Char(' '));
    const QString a = answer.trimmed();
    QString s;
    s.reserve(a.size());
    for (qsizetype k = 0; k < a.size(); ++k) {
        if (k == keep || a.at(k) != QLatin1Char(' '))
            s.append(a.at(k));
    }
    return s == key.trimmed() ? CorrectMark : WrongMark;
}

} // namespace

bool ParseTypedNumber(const QString &text, double *value)
{
    bool ok = false;
    const double v = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(v))
        return false;
    *value = v;
    return true;
}

QString MarkAnswer(const QString &answer, const QString &key, const QString &kind)
{
    if (kind == QLatin1String("N")) {
        double a = 0, k = 0;
        if (!ParseTypedNumber(answer, &a) || !ParseTypedNumber(key, &k))
            return WrongMark;
        return a == k ? CorrectMark : WrongMark;
    }
    if (kind == QLatin1String("Q") || kind == QLatin1String("T") || kind == QLatin1String("L"))
        return folded(answer) == folded(key) ? CorrectMark : WrongMark;
    if (kind == QLatin1String("R") || kind == QLatin1String("F") || kind == QLatin1String("X"))
        return markFormula(answer, key);
    return QString();
}

QString MarkGroupAnswer(const QStringList &answers, const QStringList &keys,
                        const QStringList &kinds, int slot)
{
    Q_UNUSED(kinds);
    const int head = groupHead(keys, slot);
    if (head == 0)
        return QString();
    const QString &headKey = keys.at(head - 1);
    if (!headKey.contains(QLatin1Char(';')))
        return QString();
    QStringList remaining;
    for (const QString &alt : alternatives(headKey))
        remaining.append(folded(alt));
    const QString answer = folded(answers.value(slot - 1));

    if (head == slot)
        return remaining.contains(answer) ? CorrectMark : WrongMark;

    for (int j = head; j < slot; ++j)
        remaining.removeAll(folded(answers.value(j - 1)));
    return !answers.value(slot - 1).isEmpty() && remaining.contains(answer) ? CorrectMark
                                                                            : WrongMark;
}

QString GroupModelAnswer(const QStringList &answers, const QStringList &keys,
                         const QStringList &kinds, int slot)
{
    const int head = groupHead(keys, slot);
    if (head == 0 || MarkGroupAnswer(answers, keys, kinds, slot) != WrongMark)
        return QString();
    const int end = groupEnd(keys, head);

    // Alternatives no slot of the group gave, handed out one each to the
    // group's wrong slots in slot order, so that two wrong parts never show
    // the same answer and an empty part gets one too.
    QStringList used;
    for (int j = head; j <= end; ++j)
        used.append(folded(answers.value(j - 1)));
    QStringList unused;
    for (const QString &alt : alternatives(keys.at(head - 1))) {
        if (!used.contains(folded(alt)))
            unused.append(alt.trimmed());
    }
    if (unused.isEmpty())
        return QString();
    int wrongBefore = 0;
    for (int j = head; j < slot; ++j) {
        if (MarkGroupAnswer(answers, keys, kinds, j) == WrongMark)
            ++wrongBefore;
    }
    return unused.at(wrongBefore < unused.size() ? wrongBefore : 0);
}

QString ModelAnswer(const QStringList &answers, const QStringList &keys, const QStringList &kinds,
                    int slot)
{
    const QString kind = kinds.value(slot - 1);
    // A lone "M" slot gets its first alternative this way too; an "M" slot
    // laid out as a group is treated like "G".
    if (kind == QLatin1String("G") || kind == QLatin1String("M"))
        return GroupModelAnswer(answers, keys, kinds, slot);
    return keys.value(slot - 1);
}

} // namespace Module1
