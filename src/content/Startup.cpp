#include "Startup.h"

#include "PictureNames.h"
#include "Resources.h"
#include "Workspace.h"

#include <QDir>
#include <QFile>

namespace Startup {

namespace {

bool holdsExactly(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.size() == bytes.size() && file.open(QIODevice::ReadOnly) && file.readAll() == bytes;
}

} // namespace

void ExtractGraphics(const Workspace &workspace)
{
    QDir().mkpath(workspace.graphicsFolder());
    for (const PictureEntry &p : kPictures) {
        const QString path =
            workspace.graphic(QString::fromLatin1(p.name.data(), qsizetype(p.name.size())));
        // A picture already holding the resource's bytes is left alone: the
        // effect is the same, and starting does not rewrite 89 files.
        if (holdsExactly(path, Module3::ResourceBytes(p.id)))
            continue;
        Module3::ExtractResource(p.id, QStringLiteral("Custom"), path);
    }
}

void RemoveLeftovers(const Workspace &workspace)
{
    QDir folder(workspace.folder());
    const QStringList scratch = folder.entryList(
        {QStringLiteral("temppaper*.mht"), QStringLiteral("temptext.txt"),
         QStringLiteral("temptext30000.txt"), QStringLiteral("*.txt.new-??????")},
        QDir::Files);
    for (const QString &name : scratch)
        folder.remove(name);
}

} // namespace Startup
