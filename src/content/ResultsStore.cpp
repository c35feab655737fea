#include "ResultsStore.h"

#include "ProgramConfig.h"
#include "Records.h"
#include "Resources.h"
#include "SafeFile.h"
#include "TextCodec.h"

#include <QFile>

namespace {

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
    const QString file = path(Marks);
    const QStringList keys = MarksRows::keys();
    MarksRows rows;
    QStringList *targets[6] = {&rows.FSE, &rows.SSE, &rows.LTM, &rows.CDD, &rows.FST, &rows.SST};
    for (int j = 0; j < 6; ++j)
        *targets[j] = Module1::ReadKeyValues(file, keys.at(j), m_paperCount);
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

bool ResultsStore::storePaperValues(Stem stem, QStringList &lines, int paper,
                                    const QStringList &values, int slotCount) const
{
    return Module1::ReplaceKeyLine(lines, values, QString::number(paper),
                                   QString::number(100 + paper), m_paperCount, slotCount,
                                   path(stem));
}

bool ResultsStore::writeMarks(const MarksRows &rows) const
{
    return Module1::WriteMarksFile(rows.asList(), MarksRows::keys(), m_paperCount, path(Marks));
}

bool ResultsStore::storeFirstAttempt(MarksRows &rows, QStringList &resultLines, int paper,
                                     const QStringList &results, int slotCount,
                                     const QString &percent, const QString &timeTaken,
                                     const QString &date) const
{
    if (!storePaperValues(FResults, resultLines, paper, results, slotCount))
        return false;
    QString trend = readTrendLine();
    if (trend.isEmpty())
        trend = QStringLiteral("#TRD#");
    setValue(rows.FSE, paper, percent, m_paperCount);
    setValue(rows.LTM, paper, timeTaken, m_paperCount);
    setValue(rows.CDD, paper, date, m_paperCount);
    setValue(rows.FST, paper, QStringLiteral("1"), m_paperCount);
    trend += QLatin1Char('>') + percent;
    if (!writeMarks(rows))
        return false;
    return Module1::WriteLines(path(Trend), {trend});
}

bool ResultsStore::storeSecondAttempt(MarksRows &rows, QStringList &resultLines, int paper,
                                      const QStringList &results, int slotCount,
                                      const QString &percent) const
{
    if (!storePaperValues(SResults, resultLines, paper, results, slotCount))
        return false;
    setValue(rows.SSE, paper, percent, m_paperCount);
    setValue(rows.SST, paper, QStringLiteral("1"), m_paperCount);
    return writeMarks(rows);
}

bool ResetModuleResultsFiles(const Workspace &workspace, const ProgramConfig &config, int module)
{
    bool ok = true;
    for (int k = ResultsStore::Marks; k <= ResultsStore::Trend; ++k) {
        const auto stem = static_cast<ResultsStore::Stem>(k);
        const QString file = workspace.file(ResultsStore::fileName(stem, module, config.code));
        if (Module3::ExtractResource(ResultsStore::templateId(stem, module), QStringLiteral("Custom"),
                                     file, true) != 0)
            ok = false;
    }
    return ok;
}

bool ResetResultsFiles(const Workspace &workspace, const ProgramConfig &config)
{
    bool ok = true;
    for (int n = 1; n <= 3; ++n)
        if (config.module(n).present() && !ResetModuleResultsFiles(workspace, config, n))
            ok = false;
    return ok;
}

void CheckResultsFiles(const Workspace &workspace, const ProgramConfig &config)
{
    for (int n = 1; n <= 3; ++n) {
        if (!config.module(n).present())
            continue;
        for (int k = ResultsStore::Marks; k <= ResultsStore::Trend; ++k) {
            const auto stem = static_cast<ResultsStore::Stem>(k);
            if (!QFile::exists(workspace.file(ResultsStore::fileName(stem, n, config.code)))) {
                // A module from a folder that is new (or lost a file) starts
                // afresh alone: the pupil's other results stay.
                if (!config.module(n).folder.isEmpty())
                    ResetModuleResultsFiles(workspace, config, n);
                else
                    ResetResultsFiles(workspace, config);
                break;
            }
        }
    }
}
