#include "BrowserModule.h"

#include "QuestionBrowser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace BrowserModule {

namespace {

Factory testFactory;
QuestionBrowserFactory moduleFactory = nullptr;

QuestionBrowserFactory loadModule(QString *error)
{
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
            moduleFactory = factory;
            return factory;
        }
        reasons << library->errorString();
        delete library;
    }
    if (error)
        *error = reasons.isEmpty() ? QStringLiteral("The page viewer %1 is missing.")
                                         .arg(QStringLiteral(TESSALY_BROWSER_MODULE))
                                   : reasons.join(QLatin1Char('\n'));
    return nullptr;
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
    QuestionBrowserFactory factory = loadModule(error);
    return factory ? factory(parent) : nullptr;
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
