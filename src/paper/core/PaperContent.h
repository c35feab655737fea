#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The content tables of one paper: its question ids and, per answer slot, the
// key, kind and mark value. Slots are numbered across the paper, question by
// question; index i holds slot i + 1.
struct PaperContent {
    QStringList questionIds;
    QList<int> partsPerQuestion;
    QStringList slotKeys;
    QStringList slotKinds;
    QStringList slotValues;
    int totalMarks = 0;

    int questionCount() const { return static_cast<int>(questionIds.size()); }
    int slotCount() const { return static_cast<int>(slotKeys.size()); }
    // Number of slots of the questions before question q (1-based).
    int slotsBefore(int question) const;
    // The question (1-based) that holds slot `slot` (1-based), 0 when none.
    int questionOfSlot(int slot) const;
    // A paper the window can work with: questions, and the three slot tables
    // agreeing in length.
    bool isUsable() const;

    // Unpacks the four tables of module `module` (paper lists, answer keys,
    // kinds, values) for paper key `paperKey`.
    static PaperContent load(int module, const QString &paperKey);
};

// Questions with at least one slot whose answer, trimmed, is empty; each
// listed once, ascending.
QList<int> RemainingQuestions(const PaperContent &paper, const QStringList &answers);
// Slots whose stored answer is not empty.
int AnsweredCount(const QStringList &answers);
