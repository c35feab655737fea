#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// OpenWebPage: finds the desktop's program for HTML files through a probe
// file and starts it with the maker's page address as its argument. The
// shell is never asked to open the address itself. Failures are told in the
// system message box; the probe file is deleted in every case.
class WebPageOpener
{
public:
    // The page address, without a scheme.
    static QString pageAddress();
    // The visible text of the link.
    static QString linkText();
    static QString probePath();

    // The desktop id ("firefox.desktop") of the program for a file type; the
    // default asks xdg-mime. Tests put their own in.
    using HandlerQuery = std::function<QString(const QString &mimeType)>;
    static void setHandlerQuery(HandlerQuery query);

    // The command that opens `argument` with the program of the probe file's
    // type: program path first. Empty when there is no such program.
    static QStringList findCommand(const QString &probe, const QString &argument);

    static void OpenWebPage(QWidget *parent);
};
