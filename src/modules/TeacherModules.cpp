#include "TeacherModules.h"

#include "ModuleCache.h"
#include "ModuleFolder.h"
#include "Resources.h"
#include "ResultsStore.h"
#include "SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace TeacherModules {

namespace {

constexpr auto kErrorSuffix = "-errors.txt";
constexpr auto kCacheSuffix = ".cache";

QString errorFilePath(const QString &modulesDir, const QString &name)
{
    return QDir(modulesDir).filePath(name + QLatin1String(kErrorSuffix));
}

// Rewritten only when the list changed: a broken folder costs no write at
// every start.
bool writeIfChanged(const QString &path, const QByteArray &bytes)
{
    return SafeFile::holds(path, bytes) || SafeFile::write(path, bytes, SafeFile::Durability::Fast);
}

ModuleCache::Cached compiled(const QString &folder, const QString &cacheFile, const QString &programFile)
{
    const QByteArray fingerprint = ModuleCache::fingerprint(folder, programFile);
    if (std::optional<ModuleCache::Cached> cached = ModuleCache::read(cacheFile, fingerprint))
        return std::move(*cached);
    ModuleCache::Cached made{ModuleFolder::compile(folder), {}};
    ModuleCache::write(cacheFile, fingerprint, made.result);
    return made;
}

// Moves the results files of `slot` that exist in `from` to `to`, where
// they replace nothing that is there.
void moveResults(const QString &code, int slot, const QString &from, const QString &to)
{
    for (int k = ResultsStore::Marks; k <= ResultsStore::Trend; ++k) {
        const QString name = ResultsStore::fileName(static_cast<ResultsStore::Stem>(k), slot, code);
        const QString source = QDir(from).filePath(name);
        const QString target = QDir(to).filePath(name);
        if (QFile::exists(source) && !QFile::exists(target) && QDir().mkpath(to))
            QFile::rename(source, target);
    }
}

// The results files of a slot belong to the folder that last filled it. When
// another folder takes the slot, the former one's files are put on the
// shelf (its papers are not this module's), and this folder's own come back
// from it, if it had filled the slot before.
void adoptSlot(const Workspace &workspace, const QString &code, int slot, const QString &folder)
{
    const QString shelf = workspace.file(QLatin1String(kShelf));
    const QString ownerFile = QDir(shelf).filePath(QStringLiteral("slot%1.txt").arg(slot));
    QFile f(ownerFile);
    const QString owner = f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.read(4096)).trimmed() : QString();
    f.close();
    if (owner == folder)
        return;
    if (!owner.isEmpty())
        moveResults(code, slot, workspace.folder(), QDir(shelf).filePath(owner));
    moveResults(code, slot, QDir(shelf).filePath(folder), workspace.folder());
    if (QDir().mkpath(shelf))
        SafeFile::write(ownerFile, folder.toUtf8() + '\n');
}

// Whatever the program file holds is never shadowed.
bool clashesWithProgram(const QMap<int, QByteArray> &resources)
{
    for (auto it = resources.cbegin(); it != resources.cend(); ++it)
        if (Module3::InProgramFile(it.key()))
            return true;
    return false;
}

// Error lists and caches of folders that are gone.
void removeStale(const QString &modulesDir, const QString &cacheDir, const QStringList &folders)
{
    QDir modules(modulesDir);
    for (const QString &file : modules.entryList({QStringLiteral("*") + QLatin1String(kErrorSuffix)}, QDir::Files))
        if (!folders.contains(file.chopped(int(qstrlen(kErrorSuffix)))))
            modules.remove(file);
    QDir cache(cacheDir);
    for (const QString &file : cache.entryList({QStringLiteral("*") + QLatin1String(kCacheSuffix)}, QDir::Files))
        if (!folders.contains(file.chopped(int(qstrlen(kCacheSuffix)))))
            cache.remove(file);
}

// A folder's name as the pupil sees it: short, and never taken for markup.
QString shownName(const QString &name)
{
    QString shown = name.size() > 24 ? name.left(22) + QChar(0x2026) : name;
    return QLatin1Char('"') + shown.replace(u'<', QChar(0x2039)) + QLatin1Char('"');
}

} // namespace

QString errorListing(const QString &folderName, const QString &modulesFolder, const QStringList &lines)
{
    const QString path = QDir(modulesFolder).filePath(folderName);
    return QStringLiteral("The module in the folder \"%1\" was left out when the program started,\n"
                          "because of the mistakes below. Correct them and start the program again.\n"
                          "To check the folder without starting the program:\n"
                          "    tessaly --check-module \"%2\"\n\n")
               .arg(folderName, path)
           + lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

std::optional<Refusal> refusal(const ModuleFolder::Result &module, const ProgramConfig &config,
                               const QString &shownFolder, const QString &advice)
{
    const int slot = module.header.slot;
    if (const ModuleConfig &there = config.module(slot); there.present()) {
        const QString holder = there.folder.isEmpty()
                                   ? QStringLiteral("the program's own module \"%1\"").arg(there.label)
                                   : QStringLiteral("the folder \"%1\"").arg(there.folder);
        // One pass: a label or folder name may hold "%1".
        return Refusal{QStringLiteral("%1:%2: SLT is %3, but %4 already fills slot %3; give this module slot %5%6")
                           .arg(QDir(shownFolder).filePath(QLatin1String(ModuleFolder::kHeaderName)),
                                QString::number(module.header.slotLine), QString::number(slot), holder,
                                QString::number(4 - slot), advice),
                       QStringLiteral("another module already has their tab")};
    }
    if (clashesWithProgram(module.resources))
        return Refusal{QStringLiteral("%1: this program already uses the page numbers of slot %2; "
                                      "give this module the other slot")
                           .arg(shownFolder, QString::number(slot)),
                       QStringLiteral("they clash with the program's own papers")};
    return std::nullopt;
}

Outcome load(const Workspace &workspace, ProgramConfig &config, const QString &programFile)
{
    Outcome out;
    const QString modulesDir = workspace.file(QLatin1String(kFolder));
    if (!QFileInfo(modulesDir).isDir())
        return out;
    const QDir modules(modulesDir);
    const QString cacheDir = workspace.file(QLatin1String(kCacheFolder));
    const QStringList folders =
        modules.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);

    for (int i = 0; i < folders.size(); ++i) {
        const QString &name = folders[i];
        if (i >= kMaxFolders) {
            out.leftOut.append({name, QStringLiteral("only the first %1 folders in Modules are used").arg(kMaxFolders), {}});
            continue;
        }
        const QString path = modules.filePath(name);
        const ModuleCache::Cached made =
            compiled(path, QDir(cacheDir).filePath(name + QLatin1String(kCacheSuffix)), programFile);
        const ModuleFolder::Result &r = made.result;
        QStringList problems;
        QString reason;
        const int slot = r.header.slot;
        if (!r.ok) {
            for (Diagnostics::Entry e : r.problems) {
                e.file = modules.relativeFilePath(e.file);
                problems.append(e.text());
            }
            reason = QStringLiteral("they have mistakes");
        } else if (const std::optional<Refusal> refused =
                       refusal(r, config, name, QStringLiteral(" or take one of the two out of Modules"))) {
            problems.append(refused->problem);
            reason = refused->reason;
        } else {
            ModuleConfig &m = config.modules[static_cast<size_t>(slot - 1)];
            m.label = r.header.label;
            m.topicCount = int(r.header.topics.size());
            m.paperCount = r.header.paperCount;
            m.topicNames = r.header.topics;
            m.folder = name;
            out.resources.insert(r.resources);
            if (made.backing)
                out.backing.append(made.backing);
            adoptSlot(workspace, config.code, slot, name);
        }

        const QString errorFile = errorFilePath(modulesDir, name);
        if (problems.isEmpty()) {
            QFile::remove(errorFile);
            continue;
        }
        const bool written = writeIfChanged(errorFile, errorListing(name, modulesDir, problems).toUtf8());
        out.leftOut.append({name, reason, written ? errorFile : QString()});
    }
    removeStale(modulesDir, cacheDir, folders);
    return out;
}

void install(const Outcome &outcome)
{
    // The clash was looked for when the modules were taken.
    Module3::AddResources(outcome.resources,
                          std::make_shared<const QList<std::shared_ptr<const void>>>(outcome.backing));
}

QString notice(const QList<LeftOut> &leftOut)
{
    if (leftOut.isEmpty())
        return {};
    if (leftOut.size() == 1)
        return QStringLiteral("The papers in the folder %1 were left out because %2. Please tell your teacher.")
            .arg(shownName(leftOut.first().folder), leftOut.first().reason);
    QStringList names;
    for (const LeftOut &l : leftOut)
        names.append(shownName(l.folder));
    const QString last = names.takeLast();
    return QStringLiteral("The papers in the folders %1 and %2 were left out. Please tell your teacher.")
        .arg(names.join(QStringLiteral(", ")), last);
}

} // namespace TeacherModules
