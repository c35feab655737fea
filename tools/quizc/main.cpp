// tessaly_quizc <quizdir> <outdir> [--shipped]: compiles the quiz source into
// one file per content resource plus resources.qrc for rcc.
// tessaly_quizc --warnings <quizdir> [--shipped]: lists what in the content
// is doubtful but not wrong enough to fail a build.
#include "ContentCompiler.h"
#include "ContentWarnings.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    ContentCompiler::Options options;
    options.shipped = args.removeAll(QStringLiteral("--shipped")) > 0;
    const bool warnings = args.removeAll(QStringLiteral("--warnings")) > 0;
    if (args.size() != (warnings ? 1 : 2)) {
        std::fputs("usage: tessaly_quizc <quizdir> <outdir> [--shipped]\n"
                   "       tessaly_quizc --warnings <quizdir> [--shipped]\n",
                   stderr);
        return 2;
    }
    ContentCompiler compiler(options);
    if (!compiler.compile(args[0])) {
        for (const auto &e : compiler.diagnostics().entries())
            std::fprintf(stderr, "%s\n", qPrintable(e.text()));
        return 1;
    }
    if (warnings) {
        qsizetype count = 0;
        const QString pictures = QDir(args[0]).filePath(QStringLiteral("pictures"));
        for (const auto &papers : compiler.papers()) {
            const auto list = ContentWarnings::check(papers, pictures);
            for (const auto &w : list)
                std::printf("%s\n", qPrintable(w.text()));
            count += list.size();
        }
        std::fflush(stdout);
        std::fprintf(stderr, "%lld content warning(s)\n", static_cast<long long>(count));
        return 0;
    }
    QString error;
    if (!compiler.write(args[1], &error)) {
        std::fprintf(stderr, "tessaly_quizc: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
