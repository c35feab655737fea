#include "ToolbarIdentity.h"

namespace Module5 {

namespace {

ToolbarIdentity make(const QString &caption, const QString &tooltip, const char *base)
{
    return {caption, tooltip, QString::fromLatin1(base), true};
}

} // namespace

ToolbarIdentity ContentsToolbarIdentity(int button, int tabPos)
{
    const bool help = tabPos == 4;
    QString caption;
    switch (button) {
    case 1:
        if (help) {
            caption = QStringLiteral("About");
            return make(caption, caption + QStringLiteral(" Quorvane"), "about");
        }
        caption = QStringLiteral("Home");
        return make(caption, QStringLiteral("Load ") + caption + QStringLiteral(" page"), "home");
    case 2:
        if (help) {
            caption = QStringLiteral("Trash");
            return make(caption, caption + QStringLiteral(" past results"), "trash");
        }
        caption = QStringLiteral("Report");
        return make(caption, QStringLiteral("Load ") + caption + QStringLiteral(" card"), "report");
    case 3:
        if (help)
            return {QString(), QString(), QString(), false};
        caption = QStringLiteral("Print");
        return make(caption, caption + QStringLiteral(" results"), "print");
    case 4:
        if (help) {
            caption = QStringLiteral("Setup");
            return make(caption, QStringLiteral("Printer ") + caption, "setup");
        }
        caption = QStringLiteral("Close");
        return make(caption, caption + QStringLiteral(" program"), "close");
    default:
        return {QString(), QString(), QString(), false};
    }
}

ToolbarIdentity PaperToolbarIdentity(int button)
{
    switch (button) {
    case 1:
        return make(QStringLiteral("Save"), QStringLiteral("Save paper"), "save");
    case 2:
        return make(QStringLiteral("Mark"), QStringLiteral("Mark paper"), "mark");
    case 3:
        return make(QStringLiteral("Print"), QStringLiteral("Print question"), "print");
    case 4:
        return make(QStringLiteral("Close"), QStringLiteral("Close paper"), "close");
    case 5:
        return make(QStringLiteral("Back"), QStringLiteral("Previous question"), "back");
    case 6:
        return make(QStringLiteral("Next"), QStringLiteral("Next question"), "forward");
    default:
        return {QString(), QString(), QString(), false};
    }
}

} // namespace Module5
