// Placeholder until the picture generator lands.
#include "../../src/content/PictureNames.h"
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[1]);
    QByteArray qrc = "<RCC><qresource prefix=\"/res\">\n";
    for (const auto &p : kPictures) {
        QImage img(8, 8, QImage::Format_RGB32);
        img.fill(Qt::blue);
        const QString id = QString::number(p.id);
        img.save(QDir(out).filePath(id), "BMP");
        qrc += "<file alias=\"" + id.toLatin1() + "\">" + id.toLatin1() + "</file>\n";
    }
    qrc += "</qresource></RCC>\n";
    QFile f(QDir(out).filePath("resources.qrc"));
    f.open(QIODevice::WriteOnly);
    f.write(qrc);
    return 0;
}
