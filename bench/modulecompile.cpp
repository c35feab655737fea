// Cost of a teacher's module folder at start: compiled on the first start
// (no cache), taken from the cache on later ones. Without an argument the
// folder is made from the shipped papers: 10 topics, 50 papers.
// Usage: tessaly_bench_modulecompile [module-folder] [runs]
#include "ModuleFolder.h"
#include "ProgramConfig.h"
#include "TeacherModules.h"
#include "Workspace.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <numeric>
#include <cstdio>

namespace {

bool copyFiles(const QString &from, const QString &to, const QStringList &filters)
{
    QDir().mkpath(to);
    for (const QString &name : QDir(from).entryList(filters, QDir::Files))
        if (!QFile::copy(QDir(from).filePath(name), QDir(to).filePath(name)))
            return false;
    return true;
}

QString shippedAsFolder(const QString &root)
{
    const QString quiz = QStringLiteral(TESSALY_QUIZ_DIR);
    const QString folder = QDir(root).filePath(QStringLiteral("Modules/shipped"));
    if (!copyFiles(quiz + QStringLiteral("/module2"), folder, {QStringLiteral("paper*.txt")})
        || !copyFiles(quiz + QStringLiteral("/pictures"), folder + QStringLiteral("/pictures"), {QStringLiteral("*.svg")}))
        return {};
    QFile header(QDir(folder).filePath(QStringLiteral("module.txt")));
    header.open(QIODevice::WriteOnly);
    header.write("#LBL#>Shipped\n#SLT#>1\n#TOP#>Human Body Systems>Matter and Changes in States>"
                 "Electricity and Magnets>Life>Energy, Light and Heat>Animals>Plants>Solar System>"
                 "Forces and Simple Machines>Saving Our Earth\n#PAP#>50\n");
    return folder;
}

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v.at(v.size() / 2);
}

double loadOnce(const Workspace &ws, bool fresh)
{
    if (fresh)
        QDir(ws.file(QLatin1String(TeacherModules::kCacheFolder))).removeRecursively();
    ProgramConfig config;
    config.code = QStringLiteral("TY");
    QElapsedTimer t;
    t.start();
    const TeacherModules::Outcome out = TeacherModules::load(ws, config, QCoreApplication::applicationFilePath());
    const double ms = double(t.nsecsElapsed()) / 1e6;
    if (!config.module(1).present() && !config.module(3).present())
        std::fprintf(stderr, "the module was left out\n");
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int runs = args.size() > 2 ? args.at(2).toInt() : 11;
    QTemporaryDir root;
    QString folder = args.size() > 1 ? args.at(1) : shippedAsFolder(root.path());
    if (folder.isEmpty() || !root.isValid())
        return 1;
    if (args.size() > 1) {
        // The given folder is copied into a scratch workspace.
        const QString copy = QDir(root.path()).filePath(QStringLiteral("Modules/") + QDir(folder).dirName());
        if (!copyFiles(folder, copy, {QStringLiteral("*")})
            || !copyFiles(folder + QStringLiteral("/pictures"), copy + QStringLiteral("/pictures"), {QStringLiteral("*")}))
            return 1;
        folder = copy;
    }
    const ModuleFolder::Result r = ModuleFolder::compile(folder);
    if (!r.ok) {
        for (const auto &e : r.problems)
            std::fprintf(stderr, "%s\n", qPrintable(e.text()));
        return 1;
    }
    const Workspace ws(root.path());
    QList<double> first, later;
    for (int i = 0; i < runs; ++i) {
        first.append(loadOnce(ws, true));
        later.append(loadOnce(ws, false));
    }
    std::printf("%d papers, %d questions, %lld KB of pages and tables; median of %d runs\n",
                r.header.paperCount, r.questionCount,
                static_cast<long long>(std::accumulate(r.resources.cbegin(), r.resources.cend(), qsizetype(0),
                                                       [](qsizetype s, const QByteArray &b) { return s + b.size(); })
                                       / 1024),
                runs);
    std::printf("first start (compiled, cache written): %.1f ms\n", median(first));
    std::printf("later starts (cache read):             %.1f ms\n", median(later));
    return 0;
}
