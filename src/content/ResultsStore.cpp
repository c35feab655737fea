#include "ResultsStore.h"

#include "ProgramConfig.h"
#include "Records.h"
#include "Resources.h"
#include "ResultsHealing.h"
#include "SafeFile.h"
#include "TextCodec.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <unistd.h>

namespace {

// Whatever a results file holds, up to a size no results file reaches: a
// file grown by damage is read only so far.
QByteArray readWhole(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Asked for no more than the file holds: a read allocates what it is asked.
    return file.read(std::clamp<qint64>(file.size(), 0, qint64(16) << 20));
}

const char *stemName(ResultsStore::Stem stem)
{
    switch (stem) {
    case ResultsStore::Marks: return "marks";
    case ResultsStore::First: return "first";
    case ResultsStore::Second: return "second";
    case ResultsStore::FResults: return "fresults";
    case ResultsStore::SResults: return "sresults";
    case ResultsStore::Trend: return "trend";
    }
    return "";
}

void setValue(QStringList &row, int paper, const QString &value, int paperCount)
{
    while (row.size() < paperCount)
        row.append(QString());
    if (paper >= 1 && paper <= row.size())
        row[paper - 1] = value;
}

} // namespace

QStringList MarksRows::keys()
{
    return {QStringLiteral("FSE"), QStringLiteral("SSE"), QStringLiteral("LTM"),
            QStringLiteral("CDD"), QStringLiteral("FST"), QStringLiteral("SST")};
}

ResultsStore::ResultsStore(Workspace workspace, int module, QString code, int paperCount)
    : m_workspace(std::move(workspace)), m_module(module), m_code(std::move(code)),
      m_paperCount(paperCount)
{
}

QString ResultsStore::fileName(Stem stem, int module, const QString &code)
{
    return QLatin1String(stemName(stem)) + QString::number(module) + code + QStringLiteral(".txt");
}

QString ResultsStore::path(Stem stem) const
{
    return m_workspace.file(fileName(stem, m_module, m_code));
}

MarksRows ResultsStore::readMarks() const
{
    // Read once, each row then found by its key.
    const QStringList lines = Module1::SplitLines(readWhole(path(Marks)));
    const QStringList keys = MarksRows::keys();
    MarksRows rows;
    QStringList *targets[6] = {&rows.FSE, &rows.SSE, &rows.LTM, &rows.CDD, &rows.FST, &rows.SST};
    for (int j = 0; j < 6; ++j)
        *targets[j] = Module1::ReadKeyValues(lines, keys.at(j), m_paperCount);
    return rows;
}

QStringList ResultsStore::readPaperLines(Stem stem) const
{
    return Module1::ReadPaperLines(path(stem), m_paperCount);
}

QStringList ResultsStore::readPaperValues(Stem stem, int paper, int slotCount) const
{
    const QStringList lines = readPaperLines(stem);
    return Module1::SplitKeyLine(lines.value(paper - 1), slotCount);
}

QString ResultsStore::readTrendLine() const
{
    return Module1::ReadKeyLine(path(Trend), QStringLiteral("TRD"));
}

QByteArray ResultsStore::templateBytes(Stem stem) const
{
    return Module3::ResourceBytes(templateId(stem, m_module));
}

QStringList ResultsStore::currentLines(Stem stem) const
{
    return ResultsHealing::heal(stem, readWhole(path(stem)), templateBytes(stem), m_paperCount).lines;
}

MarksRows ResultsStore::rowsOf(const QStringList &marksLines) const
{
    MarksRows rows;
    QStringList *targets[6] = {&rows.FSE, &rows.SSE, &rows.LTM, &rows.CDD, &rows.FST, &rows.SST};
    for (int j = 0; j < 6; ++j)
        *targets[j] = Module1::SplitKeyLine(marksLines.value(j), m_paperCount);
    return rows;
}

SaveResult ResultsStore::storePaperValues(Stem stem, QStringList &lines, int paper,
                                          const QStringList &values, int slotCount) const
{
    SafeFile::Failure failure;
    // An erase whose renames failed would otherwise put back its own copy
    // of this file over the answer stored now.
    if (!FileSet::finishPending(m_workspace, &failure))
        return SaveResult::from(false, failure);
    QStringList fresh = currentLines(stem);
    const bool ok = Module1::ReplaceKeyLine(fresh, values, QString::number(paper),
                                            QString::number(100 + paper), m_paperCount, slotCount,
                                            path(stem), &failure);
    if (ok)
        lines = fresh;
    return SaveResult::from(ok, failure);
}

SaveResult ResultsStore::writeMarks(const MarksRows &rows) const
{
    SafeFile::Failure failure;
    const bool ok = Module1::WriteMarksFile(rows.asList(), MarksRows::keys(), m_paperCount,
                                            path(Marks), &failure);
    return SaveResult::from(ok, failure);
}

SaveResult ResultsStore::storeAttempt(Stem resultsStem, MarksRows &rows, QStringList &resultLines,
                                      int paper, const QStringList &results, int slotCount,
                                      const std::function<void(MarksRows &)> &mark,
                                      const QString &trendScore) const
{
    if (paper < 1 || paper > m_paperCount)
        return {};
    SafeFile::Failure failure;
    // The new files are built from the current ones: a change left
    // unfinished is finished before they are read, not undone by them.
    if (!FileSet::finishPending(m_workspace, &failure))
        return SaveResult::from(false, failure);
    QStringList lines = currentLines(resultsStem);
    lines[paper - 1] = Module1::BuildKeyLine(QString::number(100 + paper), results, slotCount);
    MarksRows fresh = rowsOf(currentLines(Marks));
    mark(fresh);

    QList<FileSet::Change> changes{
        {fileName(resultsStem, m_module, m_code), Module1::LinesBytes(lines)},
        {fileName(Marks, m_module, m_code),
         Module1::LinesBytes(Module1::MarksLines(fresh.asList(), MarksRows::keys(), m_paperCount))}};
    if (!trendScore.isEmpty()) {
        const QString trend = currentLines(Trend).value(0) + QLatin1Char('>') + trendScore;
        changes.append({fileName(Trend, m_module, m_code), Module1::LinesBytes({trend})});
    }
    const bool ok = FileSet::replace(m_workspace, changes, &failure);
    if (ok) {
        rows = fresh;
        resultLines = lines;
    }
    return SaveResult::from(ok, failure);
}

SaveResult ResultsStore::storeFirstAttempt(MarksRows &rows, QStringList &resultLines, int paper,
                                           const QStringList &results, int slotCount,
                                           const QString &percent, const QString &timeTaken,
                                           const QString &date) const
{
    const int n = m_paperCount;
    return storeAttempt(
        FResults, rows, resultLines, paper, results, slotCount,
        [&](MarksRows &r) {
            if (!percent.isEmpty())
                setValue(r.FSE, paper, percent, n);
            setValue(r.LTM, paper, timeTaken, n);
            setValue(r.CDD, paper, date, n);
            setValue(r.FST, paper, QStringLiteral("1"), n);
        },
        percent);
}

SaveResult ResultsStore::storeSecondAttempt(MarksRows &rows, QStringList &resultLines, int paper,
                                            const QStringList &results, int slotCount,
                                            const QString &percent) const
{
    const int n = m_paperCount;
    return storeAttempt(
        SResults, rows, resultLines, paper, results, slotCount,
        [&](MarksRows &r) {
            setValue(r.SSE, paper, percent, n);
            setValue(r.SST, paper, QStringLiteral("1"), n);
        },
        QString());
}

namespace {

// The templates of module n's files; false when one is missing from the
// program (that file cannot be written).
bool addTemplates(QList<FileSet::Change> &changes, const ProgramConfig &config, int n)
{
    bool complete = true;
    for (int k = ResultsStore::Marks; k <= ResultsStore::Trend; ++k) {
        const auto stem = static_cast<ResultsStore::Stem>(k);
        const int id = ResultsStore::templateId(stem, n);
        if (!Module3::ResourceExists(id)) {
            complete = false;
            continue;
        }
        changes.append({ResultsStore::fileName(stem, n, config.code), Module3::ResourceBytes(id)});
    }
    return complete;
}

SaveResult replaceWithTemplates(const Workspace &workspace, const ProgramConfig &config,
                                const QList<int> &modules)
{
    QList<FileSet::Change> changes;
    bool complete = true;
    // A file whose template the program lacks cannot be written; the others
    // still are.
    for (int n : modules)
        complete = addTemplates(changes, config, n) && complete;
    SafeFile::Failure failure;
    const bool ok = FileSet::replace(workspace, changes, &failure);
    return SaveResult::from(ok && complete, failure);
}

} // namespace

SaveResult ResetModuleResultsFiles(const Workspace &workspace, const ProgramConfig &config,
                                   int module)
{
    return replaceWithTemplates(workspace, config, {module});
}

SaveResult ResetResultsFiles(const Workspace &workspace, const ProgramConfig &config)
{
    QList<int> present;
    for (int n = 1; n <= 3; ++n)
        if (config.module(n).present())
            present.append(n);
    return replaceWithTemplates(workspace, config, present);
}

namespace {

bool anyFileMissing(const Workspace &workspace, const ProgramConfig &config, int n)
{
    for (int k = ResultsStore::Marks; k <= ResultsStore::Trend; ++k) {
        const auto stem = static_cast<ResultsStore::Stem>(k);
        if (!QFileInfo::exists(workspace.file(ResultsStore::fileName(stem, n, config.code))))
            return true;
    }
    return false;
}

// Keeps the damaged file under its name + ".damaged-" + the time, before it
// is replaced: a second name for the same file, or a copy where the file
// system has no such names. Empty when neither could be made.
QString keepCopy(const QString &path, const QDateTime &now)
{
    const QString base = path + QStringLiteral(".damaged-") + now.toString(QStringLiteral("yyyyMMdd-hhmmss"));
    for (int k = 1; k < 100; ++k) {
        const QString copy = k == 1 ? base : base + QLatin1Char('-') + QString::number(k);
        if (QFileInfo::exists(copy) || QFileInfo(copy).isSymLink())
            continue;
        if (::link(QFile::encodeName(path).constData(), QFile::encodeName(copy).constData()) == 0
            || QFile::copy(path, copy))
            return copy;
        return {};
    }
    return {};
}

} // namespace

ResultsCheck CheckResultsFiles(const Workspace &workspace, const ProgramConfig &config)
{
    ResultsCheck check;
    FileSet::recover(workspace);
    // Silent but for a full disk, as at every first start: a module without
    // templates has nothing to lose.
    const auto reset = [&check](const SaveResult &result) {
        check.reset = true;
        check.failed = check.failed || result.noRoom;
        check.noRoom = check.noRoom || result.noRoom;
    };
    for (int n = 1; n <= 3; ++n) {
        if (!config.module(n).present() || !anyFileMissing(workspace, config, n))
            continue;
        // A module from a folder that is new (or lost a file) starts afresh
        // alone: the pupil's other results stay.
        if (!config.module(n).folder.isEmpty()) {
            reset(ResetModuleResultsFiles(workspace, config, n));
            continue;
        }
        reset(ResetResultsFiles(workspace, config));
        return check;
    }
    const QDateTime now = QDateTime::currentDateTime();
    for (int n = 1; n <= 3; ++n) {
        const ModuleConfig &module = config.module(n);
        if (!module.present())
            continue;
        for (int k = ResultsStore::Marks; k <= ResultsStore::Trend; ++k) {
            const auto stem = static_cast<ResultsStore::Stem>(k);
            const QString file = workspace.file(ResultsStore::fileName(stem, n, config.code));
            // A folder or a device in the file's place is not read; writes
            // to it fail and say so.
            if (!QFileInfo(file).isFile())
                continue;
            const QByteArray bytes = readWhole(file);
            const QByteArray templ = Module3::ResourceBytes(ResultsStore::templateId(stem, n));
            if (bytes == templ || templ.isEmpty())
                continue;
            const ResultsHealing::Healed healed =
                ResultsHealing::heal(stem, bytes, templ, module.paperCount);
            if (healed.healthy)
                continue;
            QString copy;
            if (healed.damaged()) {
                copy = keepCopy(file, now);
                // Never replaced without its evidence.
                if (copy.isEmpty()) {
                    check.failed = true;
                    continue;
                }
            }
            SafeFile::Failure failure;
            if (!SafeFile::write(file, healed.bytes, SafeFile::Durability::Durable, &failure)) {
                check.failed = true;
                check.noRoom = check.noRoom || failure.noRoom();
                if (!copy.isEmpty())
                    QFile::remove(copy);
                continue;
            }
            if (healed.damaged())
                check.repaired.append({n, stem, copy});
        }
    }
    return check;
}

QString NoRoomMessage()
{
    return QStringLiteral("There is no room left on the disk to save your answers");
}

QString ResultsCheck::noticeTitle() const
{
    return QStringLiteral("Saved Results");
}

QString ResultsCheck::notice() const
{
    if (noRoom)
        return NoRoomMessage();
    if (failed)
        return QStringLiteral("Some of your saved results could not be repaired or reset. Ask "
                              "your teacher to check the program folder.");
    if (repaired.isEmpty())
        return {};
    bool answers = false;
    bool scores = false;
    for (const Repair &r : repaired) {
        const bool score = r.stem == ResultsStore::Marks || r.stem == ResultsStore::Trend;
        scores = scores || score;
        answers = answers || !score;
    }
    const QString what = answers && scores ? QStringLiteral("answers and scores")
                         : answers        ? QStringLiteral("answers")
                                          : QStringLiteral("scores");
    return QStringLiteral("Some of your saved %1 were damaged. They have been repaired, and a "
                          "copy of each damaged file was kept.")
        .arg(what);
}
