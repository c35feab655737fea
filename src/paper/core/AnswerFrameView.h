#pragma once

#include "MarkedAttempt.h"

#include <QString>
#include <QStringList>

// What one answer frame shows for a slot: decided here, shown by the sheet.
struct AnswerFrameView {
    QString answer;
    int maxLength = 0;    // 1 for a multiple-choice slot, 0 for no limit
    bool locked = false;  // the box takes no typing
    bool carried = false; // correct the first time: light blue
    QString model;        // M<k>
    bool modelVisible = false;
    QString firstMark;    // FR<k>: this attempt's mark in a first attempt, the first mark in a second
    bool firstMarkVisible = false;
    QString secondMark;   // SR<k>, second attempts only
    bool secondMarkVisible = false;
};

// The per-slot tables of the attempt; index i holds slot i + 1.
struct SlotTables {
    const QStringList &answers;
    const QStringList &results;
    const QStringList &keys;
    const QStringList &kinds;
};

AnswerFrameView FirstAttemptFrame(const SlotTables &tables, int slot, bool marked);
AnswerFrameView SecondAttemptFrame(const SlotTables &tables, const FirstAttempt &first, int slot,
                                   bool marked);

// A result mark as it is shown: a tick, a cross, or nothing.
QString MarkGlyph(const QString &mark);
