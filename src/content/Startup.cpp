#include "Startup.h"

#include "PictureNames.h"
#include "Resources.h"
#include "SafeFile.h"
#include "Workspace.h"

#include <QDir>
#include <QFileInfo>

namespace Startup {

GraphicsFolder CheckGraphicsFolder(const Workspace &workspace)
{
    const QFileInfo info(workspace.graphicsFolder());
    if (info.isSymLink()) {
        const QString root = QFileInfo(workspace.folder()).canonicalFilePath();
        const QString target = info.canonicalFilePath(); // empty for a link to nothing
        const QString named = QDir::cleanPath(info.symLinkTarget());
        const auto inside = [&root](const QString &path) {
            return !root.isEmpty() && path.startsWith(root + QLatin1Char('/'));
        };
        if (!inside(target.isEmpty() ? named : target))
            return GraphicsFolder::LinkOutside;
        return info.isDir() ? GraphicsFolder::Usable : GraphicsFolder::NotAFolder;
    }
    if (info.exists())
        return info.isDir() ? GraphicsFolder::Usable : GraphicsFolder::NotAFolder;
    return QDir().mkpath(info.filePath()) ? GraphicsFolder::Usable : GraphicsFolder::CannotMake;
}

QString GraphicsNoticeTitle()
{
    return QStringLiteral("Pictures");
}

QString GraphicsNotice()
{
    // Not "beside the program": an installed copy keeps it in the user's data folder.
    return QStringLiteral("The program's Graphics folder cannot be used, so the program shows its "
                          "own pictures. Please tell your teacher.");
}

GraphicsFolder ExtractGraphics(const Workspace &workspace)
{
    const GraphicsFolder state = CheckGraphicsFolder(workspace);
    if (state != GraphicsFolder::Usable)
        return state;
    for (const PictureEntry &p : kPictures) {
        const QString path =
            workspace.graphic(QString::fromLatin1(p.name.data(), qsizetype(p.name.size())));
        // A picture already holding the resource's bytes is left alone: the
        // effect is the same, and starting does not rewrite 89 files.
        if (SafeFile::holds(path, Module3::ResourceBytes(p.id)))
            continue;
        Module3::ExtractResource(p.id, QStringLiteral("Custom"), path);
    }
    return state;
}

void RemoveLeftovers(const Workspace &workspace)
{
    QDir folder(workspace.folder());
    // Matched by hand: wildcard filters would compile a pattern each at
    // every start.
    const QStringList files = folder.entryList(QDir::Files, QDir::NoSort);
    for (const QString &name : files) {
        if (IsLeftover(name))
            folder.remove(name);
    }
}

GraphicsFolder PrepareWorkspace(const Workspace &workspace)
{
    RemoveLeftovers(workspace);
    return ExtractGraphics(workspace);
}

bool IsLeftover(const QString &name)
{
    const auto starts = [&name](QLatin1String s) { return name.startsWith(s, Qt::CaseInsensitive); };
    const auto ends = [&name](QLatin1String s) { return name.endsWith(s, Qt::CaseInsensitive); };
    if (starts(QLatin1String("temppaper")) && ends(QLatin1String(".mht")))
        return true;
    if (name.compare(QLatin1String("temptext.txt"), Qt::CaseInsensitive) == 0
        || name.compare(QLatin1String("temptext30000.txt"), Qt::CaseInsensitive) == 0)
        return true;
    // A safe write's temporary file: "<name>.txt.new-" and six characters.
    const qsizetype at = name.lastIndexOf(QLatin1String(".txt.new-"), -1, Qt::CaseInsensitive);
    return at >= 0 && name.size() == at + 9 + 6;
}

} // namespace Startup
