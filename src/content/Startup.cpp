#include "Startup.h"

#include "PictureNames.h"
#include "Resources.h"
#include "Workspace.h"

#include <QDir>

namespace Startup {

void ExtractGraphics(const Workspace &workspace)
{
    QDir().mkpath(workspace.graphicsFolder());
    for (const PictureEntry &p : kPictures)
        Module3::ExtractResource(p.id, QStringLiteral("Custom"),
                                 workspace.graphic(QString::fromLatin1(p.name.data(),
                                                                       qsizetype(p.name.size()))));
}

} // namespace Startup
