#include "AboutText.h"

namespace AboutText
{

QString PlatformLine(const QString &kernelType)
{
    static const struct {
        const char *kernel;
        const char *name;
    } names[] = {{"linux", "Linux"},     {"winnt", "Windows"}, {"darwin", "macOS"},
                 {"freebsd", "FreeBSD"}, {"netbsd", "NetBSD"}, {"openbsd", "OpenBSD"}};
    const QString kernel = kernelType.trimmed().toLower();
    if (kernel.isEmpty())
        return QString();
    for (const auto &n : names) {
        if (kernel == QLatin1String(n.kernel))
            return QStringLiteral("For ") + QLatin1String(n.name);
    }
    return QStringLiteral("For ") + kernel.at(0).toUpper() + kernel.mid(1);
}

} // namespace AboutText
