#pragma once

#include "FileSet.h"
#include "Workspace.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

struct ProgramConfig;

// The six per-paper rows of a module's marks file, each indexed by paper
// number - 1.
struct MarksRows {
    QStringList FSE, SSE, LTM, CDD, FST, SST;

    QList<QStringList> asList() const { return {FSE, SSE, LTM, CDD, FST, SST}; }
    static QStringList keys();
};

// What storing results came to.
struct SaveResult {
    bool ok = false;
    bool noRoom = false; // the disk is full

    explicit operator bool() const { return ok; }
    static SaveResult from(bool ok, const SafeFile::Failure &failure)
    {
        return {ok, !ok && failure.noRoom()};
    }
};

// The results file set of one module: marks, first, second, fresults,
// sresults and trend + module number + product code + ".txt".
//
// Every store reads the files it changes afresh just before, record by
// record, and changes only what it stores, so that nothing an older read
// held is written back. A marked attempt changes its files as one (FileSet).
class ResultsStore
{
public:
    enum Stem { Marks = 1, First, Second, FResults, SResults, Trend };

    ResultsStore(Workspace workspace, int module, QString code, int paperCount);

    static QString fileName(Stem stem, int module, const QString &code);
    static int templateId(Stem stem, int module) { return 30100 + 10 * module + stem; }

    QString path(Stem stem) const;
    int module() const { return m_module; }
    int paperCount() const { return m_paperCount; }

    MarksRows readMarks() const;
    QStringList readPaperLines(Stem stem) const;
    // Values of paper `paper` (1-based) split into slotCount values.
    QStringList readPaperValues(Stem stem, int paper, int slotCount) const;
    QString readTrendLine() const;

    // Rewrites the paper's line of an answers or result-marks file; `lines`
    // gets the file's lines as written.
    SaveResult storePaperValues(Stem stem, QStringList &lines, int paper, const QStringList &values,
                                int slotCount) const;
    // Writes the six rows as they are.
    SaveResult writeMarks(const MarksRows &rows) const;

    // A marked first attempt, in one change: the result marks, the marks
    // rows (FSE, LTM, CDD, FST of the paper) and the trend gaining the score.
    // Without a percentage (a paper worth no marks) FSE and the trend stay.
    // `rows` and `resultLines` get what was written.
    SaveResult storeFirstAttempt(MarksRows &rows, QStringList &resultLines, int paper,
                                 const QStringList &results, int slotCount, const QString &percent,
                                 const QString &timeTaken, const QString &date) const;
    // A marked second attempt, in one change: result marks, SSE and SST.
    SaveResult storeSecondAttempt(MarksRows &rows, QStringList &resultLines, int paper,
                                  const QStringList &results, int slotCount,
                                  const QString &percent) const;

    // A file's lines as they are now, read record by record whatever the
    // file's state, in the form the store writes.
    QStringList currentLines(Stem stem) const;
    QByteArray templateBytes(Stem stem) const;

private:
    MarksRows rowsOf(const QStringList &marksLines) const;
    SaveResult storeAttempt(Stem resultsStem, MarksRows &rows, QStringList &resultLines, int paper,
                            const QStringList &results, int slotCount,
                            const std::function<void(MarksRows &)> &mark,
                            const QString &trendScore) const;

    Workspace m_workspace;
    int m_module;
    QString m_code;
    int m_paperCount;
};

// Writes every results file of every present module anew from its template,
// in one change: when it fails, every file keeps its old content.
SaveResult ResetResultsFiles(const Workspace &workspace, const ProgramConfig &config);
// The six files of module `module` anew from its templates, in one change.
SaveResult ResetModuleResultsFiles(const Workspace &workspace, const ProgramConfig &config,
                                   int module);

// What the start-up check found and did.
struct ResultsCheck {
    struct Repair {
        int module = 0;
        ResultsStore::Stem stem = ResultsStore::Marks;
        QString copy; // the damaged original, kept beside the file
    };
    bool reset = false;    // a file was missing: the files written anew
    QList<Repair> repaired;
    bool failed = false;   // a damaged file could not be rebuilt, or no room to reset
    bool noRoom = false;

    // Told to the pupil once; empty when there is nothing to tell.
    QString noticeTitle() const;
    QString notice() const;
};

// Start-up check, while no other copy of the program uses the folder: an
// interrupted change of the files finished or undone; all results files
// reset when any file of a present module is missing (a module from a
// teacher's folder has only its own reset); otherwise every file
// that is not what the store writes rebuilt from its template with every
// record that can be read (ResultsHealing), the damaged original kept beside
// it under its name + ".damaged-<yyyyMMdd-hhmmss>". A UTF-8 byte-order mark
// alone is dropped without a copy.
ResultsCheck CheckResultsFiles(const Workspace &workspace, const ProgramConfig &config);

// What the pupil is told when results could not be saved for lack of room.
QString NoRoomMessage();
