#include "ModuleCheck.h"

#include "ContentWarnings.h"
#include "ModuleFolder.h"
#include "ProgramConfig.h"
#include "TeacherModules.h"
#include "Workspace.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstring>

namespace ModuleCheck {

std::optional<QString> requested(int argc, char **argv)
{
    const std::size_t length = std::strlen(kOption);
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], kOption) == 0)
            return i + 1 < argc ? QString::fromLocal8Bit(argv[i + 1]) : QString();
        if (std::strncmp(argv[i], kOption, length) == 0 && argv[i][length] == '=')
            return QString::fromLocal8Bit(argv[i] + length + 1);
    }
    return std::nullopt;
}

int run(const QString &folder, QTextStream &out)
{
    if (folder.isEmpty()) {
        out << "usage: tessaly " << kOption << " FOLDER\n";
        return 2;
    }
    const ModuleFolder::Result r = ModuleFolder::compile(folder);
    QStringList problems;
    for (const Diagnostics::Entry &e : r.problems)
        problems.append(e.text());
    if (r.ok) {
        // As a start would take it, beside the program's own modules alone.
        QTemporaryDir scratch;
        const ProgramConfig own =
            scratch.isValid() ? ProgramConfig::read(Workspace(scratch.path())) : ProgramConfig();
        if (const std::optional<TeacherModules::Refusal> refused = TeacherModules::refusal(r, own, folder))
            problems.append(refused->problem);
    }
    if (!problems.isEmpty()) {
        for (const QString &p : std::as_const(problems))
            out << p << '\n';
        out << problems.size() << (problems.size() == 1 ? " mistake" : " mistakes")
            << ": the program leaves this module out until every one is corrected.\n";
        return 1;
    }
    // Doubts that leave the module in use, as the build lists them for the
    // program's own papers.
    const QList<ContentWarnings::Warning> warnings =
        ContentWarnings::check(r.papers, QDir(folder).filePath(QStringLiteral("pictures")));
    for (const ContentWarnings::Warning &w : warnings)
        out << w.text() << '\n';
    out << folder << ": no mistakes";
    if (!warnings.isEmpty())
        out << " (" << warnings.size() << (warnings.size() == 1 ? " warning" : " warnings")
            << " above: worth a look, but the module is used as it is)";
    out << ". \"" << r.header.label << "\" fills slot " << r.header.slot << " with "
        << r.header.topics.size() << (r.header.topics.size() == 1 ? " topic, " : " topics, ")
        << r.header.paperCount << " papers and " << r.questionCount << " questions.\n";
    return 0;
}

} // namespace ModuleCheck
