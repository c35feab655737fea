#pragma once

#include <QString>
#include <QStringList>

// A whole attempt at a paper: the pure part of marking, shared by the first
// and the second attempt windows. Arrays hold one entry per answer slot.

// The first attempt as a second attempt sees it.
struct FirstAttempt {
    QStringList answers;
    QStringList results;

    bool isCorrect(int slot) const; // 1-based slot
};

struct MarkedAttempt {
    QStringList results; // CorrectMark, WrongMark or "" per slot
    qint64 earned = 0;   // values of the correct slots
    qint64 total = 0;    // values of all slots
    QString percent;     // score text as stored; "" when total is 0

    // A paper whose slot values sum to zero has no percentage; the window
    // tells the pupil instead of storing one.
    bool hasPercent() const { return total > 0; }
};

// A slot's value as the paper's total counts it: a number as text ("2",
// "2.0"), rounded to whole marks; anything else, below zero or beyond any
// slot's worth (a damaged value, which no sum may overflow with) is worth
// nothing.
inline constexpr double kMostMarksPerSlot = 1e6;
qint64 SlotWorth(const QString &text);

// Second attempt, on opening: each slot correct the first time takes its
// first answer and the result CorrectMark. Both arrays grow to slotCount.
void CarryOverFirstAttempt(const FirstAttempt &first, QStringList &answers, QStringList &results,
                           int slotCount);

// True when a slot that still needs an answer is empty (a blank counts as an
// answer); slots correct in `first` need none.
bool HasUnansweredSlot(const QStringList &answers, int slotCount, const FirstAttempt &first = {});

inline const QString MarkingTitle = QStringLiteral("Marking");
// The confirmation asked before marking.
QString MarkingQuestion(bool anyUnanswered);

// Marks every slot of keys/kinds/values with `answers`. Passing the first
// attempt marks its correct slots again with their first answers, as they are
// carried over and locked.
MarkedAttempt MarkAttempt(const QStringList &answers, const QStringList &keys,
                          const QStringList &kinds, const QStringList &values,
                          const FirstAttempt &first = {});
