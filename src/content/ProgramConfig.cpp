#include "ProgramConfig.h"

#include "Records.h"
#include "Resources.h"
#include "Workspace.h"

#include <QFile>

const ModuleConfig &ProgramConfig::module(int n) const
{
    static const ModuleConfig absent;
    return (n >= 1 && n <= 3) ? modules[static_cast<size_t>(n - 1)] : absent;
}

int ProgramConfig::firstPresentModule() const
{
    for (int n = 1; n <= 3; ++n)
        if (module(n).present())
            return n;
    return 0;
}

ProgramConfig ProgramConfig::readFile(const QString &path)
{
    using namespace Module1;
    ProgramConfig config;
    config.name = ReadKeyText(path, QStringLiteral("NME"));
    config.code = ReadKeyText(path, QStringLiteral("COD"));
    const char *labelKeys[3] = {"LAH", "LBH", "LCH"};
    for (int n = 1; n <= 3; ++n) {
        ModuleConfig &m = config.modules[static_cast<size_t>(n - 1)];
        m.label = ReadKeyText(path, QLatin1String(labelKeys[n - 1]));
        if (!m.present())
            continue;
        const QString digit = QString::number(n);
        // Capacities bound the data: 10 topics, 50 papers.
        m.topicCount = qBound(0, ReadKeyText(path, QStringLiteral("TT") + digit).trimmed().toInt(),
                              kMaxTopics);
        m.paperCount = qBound(0, ReadKeyText(path, QStringLiteral("TP") + digit).trimmed().toInt(),
                              kMaxPapers);
        m.topicNames = ReadKeyValues(path, QStringLiteral("TN") + digit, m.topicCount);
    }
    return config;
}

ProgramConfig ProgramConfig::read(const Workspace &workspace)
{
    const QString temp = workspace.file(QStringLiteral("temptext30000.txt"));
    if (const int error = Module3::ExtractResource(kConfigResource, QStringLiteral("Custom"), temp)) {
        QFile::remove(temp);
        ProgramConfig none;
        none.extractError = error;
        return none;
    }
    ProgramConfig config = readFile(temp);
    QFile::remove(temp);
    return config;
}
