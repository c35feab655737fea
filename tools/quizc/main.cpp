// tessaly_quizc <quizdir> <outdir> [--shipped]: compiles the quiz source into
// one file per content resource plus resources.qrc for rcc.
#include "ContentCompiler.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    ContentCompiler::Options options;
    options.shipped = args.removeAll(QStringLiteral("--shipped")) > 0;
    if (args.size() != 2) {
        std::fputs("usage: tessaly_quizc <quizdir> <outdir> [--shipped]\n", stderr);
        return 2;
    }
    ContentCompiler compiler(options);
    if (!compiler.compile(args[0])) {
        for (const auto &e : compiler.diagnostics().entries())
            std::fprintf(stderr, "%s\n", qPrintable(e.text()));
        return 1;
    }
    QString error;
    if (!compiler.write(args[1], &error)) {
        std::fprintf(stderr, "tessaly_quizc: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
