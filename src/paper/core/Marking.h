#pragma once

#include <QString>
#include <QStringList>

// Marking of single answer slots. Arrays are QStringLists whose index i holds
// slot i + 1; slot numbers passed in are 1-based.
namespace Module1
{

// Result marks as stored in the result-marks files (bytes 0xFC and 0xFB in
// Windows-1252); "" means the slot's kind has no marking rule.
inline const QString CorrectMark = QStringLiteral("\u00FC");
inline const QString WrongMark = QStringLiteral("\u00FB");

// Kinds "Q", "T", "L" (trimmed, case-blind), "N" (numeric), "R", "F", "X"
// (blanks ignored but for the key's first blank position); "" for any other.
QString MarkAnswer(const QString &answer, const QString &key, const QString &kind);

// Kinds "M" and "G": a key ";A;B" accepts any one alternative; a follow-on
// slot (key " ") takes its group head's alternatives less those already given
// by earlier slots of the group. A key without ";" (or a follow-on slot with
// no head in the 20 slots before it) gives "".
QString MarkGroupAnswer(const QStringList &answers, const QStringList &keys,
                        const QStringList &kinds, int slot);

// The model answer for a "G" slot: the first alternative of its group that
// no slot of the group used; "" when the slot's own answer is one of them.
QString GroupModelAnswer(const QStringList &answers, const QStringList &keys,
                         const QStringList &kinds, int slot);

// The model answer shown beside a slot after a second marking: "G" as above;
// "M" the key's first alternative, or as for "G" when the key holds a single
// alternative or is a follow-on " "; any other kind the key itself.
QString ModelAnswer(const QStringList &answers, const QStringList &keys, const QStringList &kinds,
                    int slot);

// Parses a number as a pupil types it (" 5 ", "5.0", "1e2", "1,000"),
// independent of the locale; false for anything else, infinities included.
bool ParseTypedNumber(const QString &text, double *value);

} // namespace Module1
