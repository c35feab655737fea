#include "BrowserModule.h"

#include "QuestionBrowser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <thread>

namespace BrowserModule {

namespace {

Factory testFactory;
QuestionBrowserFactory moduleFactory = nullptr;
QuestionBrowserPreparation modulePreparation = nullptr;
// Set by prepare, cleared by create: a browser asked for before the load
// ended needs no page made ready for it afterwards.
bool preparationWanted = false;
// A load that failed: getting ready again on every hover would only start
// thread after thread failing the same way. create still tries, and tells.
bool moduleFailed = false;

// The module's libraries loaded on a thread of their own: most of the time
// goes to mapping and relocating the web engine. The program may end while
// it runs, so it is waited for then.
struct Loader {
    std::thread thread;
    ~Loader() { wait(); }
    void wait()
    {
        if (thread.joinable())
            thread.join();
    }
} loader;

void loadInBackground(const QStringList &paths)
{
    for (const QString &path : paths) {
        if (!QFileInfo::exists(path))
            continue;
        QLibrary library(path);
        library.setLoadHints(QLibrary::PreventUnloadHint);
        if (library.load())
            return;
    }
}

QuestionBrowserFactory loadModule(QString *error)
{
    loader.wait();
    if (moduleFactory)
        return moduleFactory;
    QStringList reasons;
    for (const QString &path : searchPaths()) {
        if (!QFileInfo::exists(path))
            continue;
        // Never unloaded: the web engine cannot be shut down and started again.
        auto *library = new QLibrary(path);
        library->setLoadHints(QLibrary::PreventUnloadHint);
        auto factory = reinterpret_cast<QuestionBrowserFactory>(
            library->resolve(kQuestionBrowserFactory));
        if (factory) {
            moduleFailed = false;
            moduleFactory = factory;
            modulePreparation = reinterpret_cast<QuestionBrowserPreparation>(
                library->resolve(kQuestionBrowserPreparation));
            return factory;
        }
        reasons << library->errorString();
        delete library;
    }
    moduleFailed = true;
    if (error)
        *error = reasons.isEmpty() ? QStringLiteral("The page viewer %1 is missing.")
                                         .arg(QStringLiteral(TESSALY_BROWSER_MODULE))
                                   : reasons.join(QLatin1Char('\n'));
    return nullptr;
}

void finishPreparation()
{
    if (!preparationWanted)
        return;
    preparationWanted = false;
    if (loadModule(nullptr) && modulePreparation)
        modulePreparation();
}

} // namespace

QStringList searchPaths()
{
    const QString name = QStringLiteral(TESSALY_BROWSER_MODULE);
    return {QDir(QCoreApplication::applicationDirPath()).filePath(name),
            QDir(QCoreApplication::applicationDirPath())
                .filePath(QStringLiteral(TESSALY_BROWSER_INSTALL_DIR) + QLatin1Char('/') + name)};
}

QuestionBrowser *create(QWidget *parent, QString *error)
{
    if (testFactory)
        return testFactory(parent);
    preparationWanted = false;
    QuestionBrowserFactory factory = loadModule(error);
    return factory ? factory(parent) : nullptr;
}

void prepare()
{
    if (testFactory || preparationWanted || moduleFailed)
        return;
    preparationWanted = true;
    if (moduleFactory) {
        // From the event loop: the pointer's or the key's event ends first.
        QMetaObject::invokeMethod(QCoreApplication::instance(), &finishPreparation,
                                  Qt::QueuedConnection);
        return;
    }
    loader.wait(); // a load that ended, its preparation taken by create
    loader.thread = std::thread([paths = searchPaths()] {
        loadInBackground(paths);
        QMetaObject::invokeMethod(QCoreApplication::instance(), &finishPreparation,
                                  Qt::QueuedConnection);
    });
}

bool isLoaded()
{
    return moduleFactory != nullptr;
}

void setFactory(Factory factory)
{
    testFactory = std::move(factory);
}

} // namespace BrowserModule
