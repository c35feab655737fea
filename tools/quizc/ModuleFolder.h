#pragma once

#include "Diagnostics.h"
#include "ModuleHeader.h"
#include "QuizModel.h"

#include <QByteArray>
#include <QMap>
#include <QString>

// A teacher's module folder: module.txt, paper101.txt .. in the quiz source
// format, and the diagrams in pictures/. Checked as the build checks the
// program's own papers, and turned into the resources of module 1 or 3.
// The folder comes from outside the program: every size is bounded and no
// file is read from outside it.
class ModuleFolder
{
public:
    static constexpr auto kHeaderName = "module.txt";
    static constexpr qint64 kMaxHeaderBytes = 16 * 1024;
    static constexpr qint64 kMaxPaperBytes = 512 * 1024;
    static constexpr qint64 kMaxPictureBytes = 1024 * 1024;
    static constexpr qint64 kMaxTotalBytes = 32 * 1024 * 1024;

    // Question pages of a folder's module: 4000 ids per slot (50 papers of
    // at most 80 questions), clear of the program's own pages below 20000
    // and of the tables from 30000.
    static constexpr int kQuestionIdsPerSlot = 4000;
    static int firstQuestionId(int slot) { return slot == 1 ? 20001 : 24001; }

    struct Result {
        bool ok = false;
        ModuleHeader header;
        int questionCount = 0;
        QMap<int, QByteArray> resources; // by id; empty unless ok
        QList<Quiz::Paper> papers;       // as read, for a closer look; not cached
        QList<Diagnostics::Entry> problems;
    };

    // Paths in the problems start with `dir` as given.
    static Result compile(const QString &dir);
};
