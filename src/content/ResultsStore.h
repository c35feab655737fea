#pragma once

#include "Workspace.h"

#include <QList>
#include <QString>
#include <QStringList>

struct ProgramConfig;

// The six per-paper rows of a module's marks file, each indexed by paper
// number - 1.
struct MarksRows {
    QStringList FSE, SSE, LTM, CDD, FST, SST;

    QList<QStringList> asList() const { return {FSE, SSE, LTM, CDD, FST, SST}; }
    static QStringList keys();
};

// The results file set of one module: marks, first, second, fresults,
// sresults and trend + module number + product code + ".txt".
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
    // is the file's line array as read, updated in place.
    bool storePaperValues(Stem stem, QStringList &lines, int paper, const QStringList &values,
                          int slotCount) const;
    bool writeMarks(const MarksRows &rows) const;

    // A marked first attempt: result marks, then the marks rows (FSE, LTM,
    // CDD, FST of the paper), then the trend gains the score.
    bool storeFirstAttempt(MarksRows &rows, QStringList &resultLines, int paper,
                           const QStringList &results, int slotCount, const QString &percent,
                           const QString &timeTaken, const QString &date) const;
    // A marked second attempt: result marks, then SSE and SST of the paper.
    bool storeSecondAttempt(MarksRows &rows, QStringList &resultLines, int paper,
                            const QStringList &results, int slotCount,
                            const QString &percent) const;

private:
    Workspace m_workspace;
    int m_module;
    QString m_code;
    int m_paperCount;
};

// Writes every results file of every present module anew from its template.
// Returns false when any file could not be written (that file keeps its old
// content).
bool ResetResultsFiles(const Workspace &workspace, const ProgramConfig &config);
// The six files of module `module` anew from its templates.
bool ResetModuleResultsFiles(const Workspace &workspace, const ProgramConfig &config, int module);
// Start-up check: resets all results files when any file of a present module
// is missing; a module from a teacher's folder has only its own reset.
void CheckResultsFiles(const Workspace &workspace, const ProgramConfig &config);
