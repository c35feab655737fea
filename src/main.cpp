#include "Contents.h"
#include "ContentsLook.h"
#include "ContentsPaperWindows.h"
#include "FontConfigWarmUp.h"
#include "ModuleCheck.h"
#include "PictureCache.h"
#include "SingleInstance.h"
#include "Startup.h"
#include "StartupWorker.h"
#include "Workspace.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTextStream>

#include <csignal>
#include <memory>
#include <unistd.h>

int main(int argc, char *argv[])
{
    // A teacher's check of a module folder needs no display.
    if (const std::optional<QString> folder = ModuleCheck::requested(argc, argv)) {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout);
        return ModuleCheck::run(*folder, out);
    }

    // The web engine refuses to start as root unless its sandbox is off.
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // No Qt::AA_ShareOpenGLContexts here: it would load the GL driver at every
    // start, and the browser module draws its pages without GL.
    // A write past a file-size limit must fail the write, not kill the program.
    std::signal(SIGXFSZ, SIG_IGN);

    // The font configuration loads while the application connects to the
    // window system.
    FontConfigWarmUp fonts;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tessaly"));
    QApplication::setOrganizationName(QStringLiteral("tessaly"));
    QApplication::setApplicationVersion(QStringLiteral(TESSALY_VERSION));

    // An installed copy is shared by every user of the machine: each keeps
    // their results in their own data folder, even where the program folder
    // happens to be writable (root).
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QDir here(programFolder);
    const bool installed =
        !here.exists(QStringLiteral(TESSALY_BROWSER_MODULE))
        && here.exists(QStringLiteral(TESSALY_BROWSER_FROM_BINDIR "/" TESSALY_BROWSER_MODULE));
    const QString folder = installed ? Workspace::choose(QString()) : Workspace::choose(programFolder);
    if (folder.isEmpty()) {
        fonts.wait();
        QMessageBox::critical(nullptr, QStringLiteral("Tessaly"),
                              QStringLiteral("Your results cannot be saved: neither the program "
                                             "folder nor your own data folder can be written.\n\n"
                                             "Ask your teacher to check the installation."));
        return 1;
    }

    // Start-up's file work runs on its own thread while this one loads the
    // fonts: the two are about as long, and the window needs both.
    const Workspace workspace(folder);
    StartupWorker files(workspace, Contents::picturesAtStart());
    fonts.wait();
    ContentsLook::primeFonts();
    StartupWorker::Result prepared = files.take();
    const QString socketName = WorkspaceLock::socketName(workspace);
    if (prepared.anotherCopyRuns()) {
        // Two copies in one folder would write over each other's results.
        if (!ForwardListener::askToComeForward(socketName, 3000))
            QMessageBox::information(nullptr, QStringLiteral("Tessaly"),
                                     QStringLiteral("Tessaly is already open. Look for its window "
                                                    "on the screen; this second copy closes now."));
        return 0;
    }
    const std::shared_ptr<PictureCache> pictures =
        PictureCache::forFolder(workspace.graphicsFolder());
    if (prepared.graphics != Startup::GraphicsFolder::Usable)
        pictures->useProgramPictures();
    pictures->adopt(std::move(prepared.pictures));

    Contents contents{workspace, std::move(prepared.config), Contents::WorkspaceReady{}};
    contents.setPaperWindows(std::make_unique<ContentsPaperWindows>());
    contents.setResultsCheck(prepared.check);
    if (prepared.graphics != Startup::GraphicsFolder::Usable)
        contents.addStartupNotice(Startup::GraphicsNoticeTitle(), Startup::GraphicsNotice());
    contents.Form_Load();
    if (const QString notice = TeacherModules::notice(prepared.modules.leftOut); !notice.isEmpty())
        contents.addStartupNotice(QLatin1String(TeacherModules::kNoticeTitle), notice);
    contents.show();
    ForwardListener forward;
    QObject::connect(&forward, &ForwardListener::forwardRequested, &contents,
                     &Contents::bringForward);
    forward.listen(socketName);
    return app.exec();
}
