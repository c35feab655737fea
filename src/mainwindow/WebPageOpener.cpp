#include "WebPageOpener.h"

#include "DesktopEntry.h"
#include "SystemMessageBox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

namespace
{

QString askXdgMime(const QString &mimeType)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (tool.isEmpty())
        return {};
    QProcess run;
    run.start(tool, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!run.waitForFinished(5000)) {
        run.kill();
        run.waitForFinished(1000);
        return {};
    }
    if (run.exitStatus() != QProcess::NormalExit || run.exitCode() != 0)
        return {};
    // Several ids may come back separated by ';': the first one is the default.
    return QString::fromLocal8Bit(run.readAllStandardOutput())
        .trimmed()
        .section(QLatin1Char(';'), 0, 0);
}

WebPageOpener::HandlerQuery handlerQuery = askXdgMime;

QString desktopFile(const QString &id)
{
    if (id.isEmpty() || id.contains(QLatin1Char('/')))
        return {};
    const QString path = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                QStringLiteral("applications/") + id);
    if (!path.isEmpty())
        return path;
    // "vendor-name.desktop" may live in a vendor sub-folder.
    QString nested = id;
    nested.replace(QLatin1Char('-'), QLatin1Char('/'));
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                  QStringLiteral("applications/") + nested);
}

void writeProbe(const QString &path)
{
    // One line written as a quoted string, as the design does.
    QFile probe(path);
    if (probe.open(QIODevice::WriteOnly | QIODevice::Truncate))
        probe.write("\"<HTML> <\\HTML>\"\r\n");
}

} // namespace

QString WebPageOpener::pageAddress()
{
    return QStringLiteral("www.tessaly-learning.org/eduprog.html");
}

QString WebPageOpener::linkText()
{
    return QStringLiteral("www.tessaly-learning.org");
}

QString WebPageOpener::probePath()
{
    return QDir(QDir::tempPath()).filePath(QStringLiteral("temphtm.HTM"));
}

void WebPageOpener::setHandlerQuery(HandlerQuery query)
{
    handlerQuery = query ? std::move(query) : HandlerQuery(askXdgMime);
}

QStringList WebPageOpener::findCommand(const QString &probe, const QString &argument)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(probe, QMimeDatabase::MatchExtension);
    const QString entry = desktopFile(handlerQuery(type.name()));
    if (entry.isEmpty())
        return {};
    QFile file(entry);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList command = DesktopEntry::Command(DesktopEntry::ExecValue(file.readAll()), argument);
    if (command.isEmpty())
        return {};
    const QString program = QFileInfo(command.first()).isAbsolute()
                                ? command.first()
                                : QStandardPaths::findExecutable(command.first());
    if (program.isEmpty() || !QFileInfo::exists(program))
        return {};
    command.first() = program;
    return command;
}

void WebPageOpener::OpenWebPage(QWidget *parent)
{
    const QString probe = probePath();
    writeProbe(probe);
    const QStringList command = findCommand(probe, pageAddress());
    if (command.isEmpty()) {
        SystemMessageBox::show(parent, QMessageBox::Warning, QStringLiteral("Browser Not Found"),
                               QStringLiteral("Could not find associated Browser"));
    } else if (!QProcess::startDetached(command.first(), command.mid(1))) {
        SystemMessageBox::show(parent, QMessageBox::Warning, QStringLiteral("URL Failed"),
                               QStringLiteral("Web Page not Opened"));
    }
    QFile::remove(probe);
}
