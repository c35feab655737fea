// tessaly_picgen <outdir> [--sheet sheet.png] [--icon icon.png]: draws the program's pictures,
// writes each as a file named by its resource id plus resources.qrc for rcc,
// and optionally a contact sheet of the whole set.
#include "ContactSheet.h"
#include "PictureSet.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString sheet;
    if (const qsizetype i = args.indexOf(QStringLiteral("--sheet")); i >= 0 && i + 1 < args.size()) {
        sheet = args[i + 1];
        args.remove(i, 2);
    }
    QString icon;
    if (const qsizetype i = args.indexOf(QStringLiteral("--icon")); i >= 0 && i + 1 < args.size()) {
        icon = args[i + 1];
        args.remove(i, 2);
    }
    if (args.size() != 1) {
        std::fputs("usage: tessaly_picgen <outdir> [--sheet sheet.png] [--icon icon.png]\n", stderr);
        return 2;
    }
    QString error;
    const QList<PictureSet::Picture> pictures = PictureSet::generate(&error);
    if (pictures.isEmpty()) {
        std::fprintf(stderr, "tessaly_picgen: %s\n", qPrintable(error));
        return 1;
    }
    const QDir out(args.first());
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "tessaly_picgen: cannot create %s\n", qPrintable(out.path()));
        return 1;
    }
    QByteArray qrc = "<RCC><qresource prefix=\"/res\">\n";
    for (const PictureSet::Picture &pic : pictures) {
        const QByteArray id = QByteArray::number(pic.id);
        QFile f(out.filePath(QString::fromLatin1(id)));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(pic.bytes) != pic.bytes.size()) {
            std::fprintf(stderr, "tessaly_picgen: cannot write %s\n", qPrintable(f.fileName()));
            return 1;
        }
        qrc += "<file alias=\"" + id + "\">" + id + "</file>\n";
    }
    qrc += "</qresource></RCC>\n";
    QFile f(out.filePath(QStringLiteral("resources.qrc")));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(qrc) != qrc.size()) {
        std::fprintf(stderr, "tessaly_picgen: cannot write resources.qrc\n");
        return 1;
    }
    if (!sheet.isEmpty() && !ContactSheet::render(pictures).save(sheet)) {
        std::fprintf(stderr, "tessaly_picgen: cannot write %s\n", qPrintable(sheet));
        return 1;
    }
    if (!icon.isEmpty() && !PictureSet::programIcon(128).save(icon)) {
        std::fprintf(stderr, "tessaly_picgen: cannot write %s\n", qPrintable(icon));
        return 1;
    }
    return 0;
}
