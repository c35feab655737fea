#pragma once

#include "ResultsStore.h"

#include <QList>
#include <QString>
#include <QStringList>

// The figures of the Report panel, computed from the module's marks rows:
// the overall summary and one row per topic. Topic i owns papers
// 5(i - 1) + 1 .. 5i; a paper counts when its score text is not empty.
struct ReportFigures {
    struct Topic {
        QString name;
        int firstCount = 0;
        double firstSum = 0;
        int secondCount = 0;
        double secondSum = 0;
        // First and second scores pooled, each attempt weighing the same;
        // 0 for a topic without a first score.
        double average = 0;

        bool attempted() const { return firstCount > 0; }
        // Per attempt kind: "67.5%", or "" with no score.
        QString firstText() const;
        QString secondText() const;
        // Bar in a track `trackWidth` wide: 100% fills it; 0 with no score.
        int firstBarWidth(int trackWidth) const;
        int secondBarWidth(int trackWidth) const;
    };

    QList<Topic> topics; // topic i at index i - 1, topicTotal entries
    int completedCount = 0;
    int secondCountTotal = 0;
    int topicsAttempted = 0;
    int strongest = 0; // topic number, 0 for none
    int weakest = 0;

    QString PCNum;   // "12 / 50"
    QString OScore1; // "80%" or "-"
    QString OScore2;
    QString ST; // topic name + " ", or "-"
    QString WT;

    // Strongest and weakest are searched among attempted topics not named
    // "Mock Examination"; ties go to the later topic. Both are "-" unless at
    // least two topics are attempted.
    static ReportFigures compute(int topicTotal, const QStringList &topicNames,
                                 const MarksRows &rows, int paperTotal);
};

inline const QString NoReportData = QStringLiteral("-");
inline const QString MockExamination = QStringLiteral("Mock Examination");
