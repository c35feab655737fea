#pragma once

#include "ProgramConfig.h"
#include "ResultsStore.h"
#include "SingleInstance.h"
#include "Startup.h"
#include "TeacherModules.h"
#include "Workspace.h"

#include <QHash>
#include <QImage>
#include <QStringList>

#include <memory>
#include <thread>

// The file work of start-up, done on a thread of its own while the main
// thread loads the window's fonts: the folder's lock taken (when another copy
// holds it, nothing else is done), the scratch files of an interrupted run
// removed, the pictures written to Graphics, the configuration read, the
// teachers' module folders checked (or taken from their cache) and their
// resources added, the results files checked, and the pictures the main
// window shows first read back from their files. Meanwhile
// a second thread connects to the session bus, which the toolkit would
// otherwise do on the main thread at the first text box.
class StartupWorker
{
public:
    struct Result {
        std::unique_ptr<WorkspaceLock> lock; // held for the whole run
        Startup::GraphicsFolder graphics = Startup::GraphicsFolder::Usable;
        ProgramConfig config;
        ResultsCheck check;
        QHash<QString, QImage> pictures; // by file name; null when unreadable
        TeacherModules::Outcome modules; // already part of `config`

        bool anotherCopyRuns() const
        {
            return lock && lock->state() == WorkspaceLock::State::HeldElsewhere;
        }
    };

    StartupWorker(Workspace workspace, QStringList pictures);
    ~StartupWorker();
    StartupWorker(const StartupWorker &) = delete;
    StartupWorker &operator=(const StartupWorker &) = delete;

    // Waits for the work to end and hands over what it read.
    Result take();

private:
    void run();

    Workspace m_workspace;
    QStringList m_names;
    QString m_programFile;
    Result m_result;
    std::thread m_thread;
    std::thread m_busThread;
    bool m_done = false;
};
