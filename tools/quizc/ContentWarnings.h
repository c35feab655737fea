#pragma once

#include "QuizModel.h"

#include <QList>
#include <QString>

// Doubts about compiled quiz content that do not stop a build: an accepted
// plural whose singular a pupil would be marked wrong for, a question asked
// twice, a typed answer handed over by another question of the same paper.
// A deliberate case is kept by a "% allow KIND" line directly above the line
// warned about; a marker that keeps nothing is itself warned about.
class ContentWarnings
{
public:
    struct Warning {
        QString file;
        int line = 0;
        QString kind; // plural, repeat, giveaway or marker
        QString message;
        QString text() const;
    };

    // The papers of one module. Diagram labels count as question text; the
    // diagrams are read from `pictureDir`.
    static QList<Warning> check(const QList<Quiz::Paper> &papers, const QString &pictureDir);
};
