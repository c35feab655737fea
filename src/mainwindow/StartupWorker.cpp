#include "StartupWorker.h"

#include "PictureCache.h"
#include "Startup.h"

#include <QCoreApplication>
#include <QDBusConnection>

#include <system_error>
#include <utility>

StartupWorker::StartupWorker(Workspace workspace, QStringList pictures)
    : m_workspace(std::move(workspace)), m_names(std::move(pictures)),
      m_programFile(QCoreApplication::applicationFilePath())
{
    try {
        m_thread = std::thread([this] { run(); });
        // The first text box the window makes brings up the accessibility
        // bridge, which connects to the session bus on the main thread;
        // where no bus runs, that means trying to start one, which takes
        // milliseconds. Connected here first, the bridge finds the
        // connection made (or known to be missing). Nothing of the program's
        // own listens on the bus, so a message it delivers before the event
        // loop runs reaches no one.
        m_busThread = std::thread([] { QDBusConnection::sessionBus(); });
    } catch (const std::system_error &) {
        // No thread to spare: take() does the file work itself.
    }
}

StartupWorker::~StartupWorker()
{
    if (m_thread.joinable())
        m_thread.join();
    if (m_busThread.joinable())
        m_busThread.join();
}

StartupWorker::Result StartupWorker::take()
{
    if (m_thread.joinable())
        m_thread.join();
    else if (!m_done)
        run();
    return std::exchange(m_result, Result{});
}

void StartupWorker::run()
{
    m_done = true;
    // Nothing is touched while another copy uses the folder.
    m_result.lock = std::make_unique<WorkspaceLock>(m_workspace);
    if (m_result.anotherCopyRuns())
        return;
    // The order of start-up: scratch files, pictures, configuration, results.
    m_result.graphics = Startup::PrepareWorkspace(m_workspace);
    m_result.config = ProgramConfig::read(m_workspace);
    m_result.modules = TeacherModules::load(m_workspace, m_result.config, m_programFile);
    // Their results templates are needed by the check.
    TeacherModules::install(m_result.modules);
    m_result.check = CheckResultsFiles(m_workspace, m_result.config);
    const bool ownPictures = m_result.graphics != Startup::GraphicsFolder::Usable;
    for (const QString &name : std::as_const(m_names))
        m_result.pictures.insert(name, ownPictures ? PictureCache::decodeProgramPicture(name)
                                                   : PictureCache::decode(m_workspace.graphic(name)));
}
