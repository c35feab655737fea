// Placeholder until the content compiler lands: copies the configuration only.
#include <QDir>
#include <QFile>
int main(int argc, char **argv)
{
    if (argc < 3) return 2;
    const QString src = QString::fromLocal8Bit(argv[1]), out = QString::fromLocal8Bit(argv[2]);
    QFile::copy(QDir(src).filePath("config.txt"), QDir(out).filePath("30000"));
    QFile qrc(QDir(out).filePath("resources.qrc"));
    qrc.open(QIODevice::WriteOnly);
    qrc.write("<RCC><qresource prefix=\"/res\"><file alias=\"30000\">30000</file></qresource></RCC>\n");
    return 0;
}
