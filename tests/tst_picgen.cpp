#include "GifWriter.h"
#include "IcoWriter.h"
#include "PictureNames.h"
#include "PictureSet.h"
#include "Resources.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QtTest>

// The picture generator: every picture in its format and size, states that
// can be told apart, and the GIF and ICO writers read back by Qt.
class TestPicgen : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void sizes_data();
    void sizes();
    void statesDiffer_data();
    void statesDiffer();
    void embeddedPicturesAreTheGenerated();
    void gifRoundTrip_data();
    void gifRoundTrip();
    void gifReducesManyColours();
    void icoKeepsEverySize();

private:
    QList<PictureSet::Picture> m_pictures;
    QHash<QString, PictureSet::Picture> m_byName;
};

namespace {

QImage readBack(const QByteArray &bytes, int index = 0, QByteArray *format = nullptr)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    if (format)
        *format = QImageReader::imageFormat(&buffer);
    QImageReader reader(&buffer);
    if (index > 0 && !reader.jumpToImage(index))
        return {};
    return reader.read();
}

} // namespace

void TestPicgen::initTestCase()
{
    QString error;
    m_pictures = PictureSet::generate(&error);
    QVERIFY2(!m_pictures.isEmpty(), qPrintable(error));
    for (const auto &p : m_pictures)
        m_byName.insert(p.name, p);
}

void TestPicgen::sizes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");

    const QSize toolbar(44, 45);
    for (const char *base : {"about", "close", "home", "print", "report", "setup", "trash"})
        for (const char *state : {"off", "on", "pressed"})
            QTest::addRow("%s_%s", base, state) << QStringLiteral("%1_%2.bmp").arg(base, state) << toolbar;
    for (const char *base : {"back", "forward", "mark", "save"})
        for (const char *state : {"off", "on", "pressed", "disabled"})
            QTest::addRow("%s_%s", base, state) << QStringLiteral("%1_%2.bmp").arg(base, state) << toolbar;
    QTest::addRow("tab front off") << "tabs_front_off.bmp" << QSize(79, 27);
    QTest::addRow("tab front on") << "tabs_front_on.bmp" << QSize(79, 27);
    QTest::addRow("tab back off") << "tabs_back_off.bmp" << QSize(79, 26);
    QTest::addRow("tab back on") << "tabs_back_on.bmp" << QSize(79, 26);
    for (const char *v : {"blue", "blueoff", "white"})
        for (const char *g : {"close", "max", "min", "norm"})
            QTest::addRow("prog_%s_%s", v, g) << QStringLiteral("prog_%1_%2.bmp").arg(v, g) << QSize(19, 19);
    QTest::addRow("top left") << "border_top_left.bmp" << QSize(48, 28);
    QTest::addRow("top right") << "border_top_right.bmp" << QSize(48, 28);
    QTest::addRow("top centre") << "border_top_center.bmp" << QSize(2, 28);
    QTest::addRow("white top left") << "border_white_top_left.bmp" << QSize(48, 28);
    QTest::addRow("white top right") << "border_white_top_right.bmp" << QSize(48, 28);
    QTest::addRow("white top centre") << "border_white_top_center.bmp" << QSize(1, 28);
    QTest::addRow("left edge") << "border_left.bmp" << QSize(4, 2);
    QTest::addRow("right edge") << "border_right.bmp" << QSize(4, 2);
    QTest::addRow("bottom edge") << "border_bot.bmp" << QSize(2, 4);
    QTest::addRow("left corner") << "border_left_corners.bmp" << QSize(6, 4);
    QTest::addRow("right corner") << "border_right_corners.bmp" << QSize(6, 4);
    QTest::addRow("pop-up left corner") << "Border_bot_left.gif" << QSize(6, 7);
    QTest::addRow("pop-up right corner") << "Border_bot_right.gif" << QSize(6, 7);
    for (const char *state : {"off", "on", "pressed"})
        QTest::addRow("button %s", state) << QStringLiteral("button_%1.bmp").arg(state) << QSize(80, 25);
    QTest::addRow("load button off") << "loadbutton_off.bmp" << QSize(35, 14);
    QTest::addRow("load button on") << "loadbutton_on.bmp" << QSize(35, 14);
    QTest::addRow("information mark") << "info_mark.gif" << QSize(32, 27);
    QTest::addRow("size grip") << "statusgrabber.bmp" << QSize(8, 8);
}

void TestPicgen::sizes()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QVERIFY(m_byName.contains(name));
    QByteArray format;
    const QImage image = readBack(m_byName.value(name).bytes, 0, &format);
    QCOMPARE(format, name.section(u'.', -1).toLower().toLatin1());
    QCOMPARE(image.size(), size);
}

void TestPicgen::statesDiffer_data()
{
    QTest::addColumn<QStringList>("names");
    for (const char *base : {"back", "forward", "mark", "save"})
        QTest::addRow("%s", base) << QStringList{QStringLiteral("%1_off.bmp").arg(base), QStringLiteral("%1_on.bmp").arg(base),
                                                 QStringLiteral("%1_pressed.bmp").arg(base),
                                                 QStringLiteral("%1_disabled.bmp").arg(base)};
    for (const char *base : {"about", "close", "home", "print", "report", "setup", "trash"})
        QTest::addRow("%s", base) << QStringList{QStringLiteral("%1_off.bmp").arg(base), QStringLiteral("%1_on.bmp").arg(base),
                                                 QStringLiteral("%1_pressed.bmp").arg(base)};
    // Back and forward are one arrow mirrored; their direction tells them apart.
    QTest::addRow("icons of one state") << QStringList{"about_off.bmp", "back_off.bmp",   "close_off.bmp",
                                                       "home_off.bmp", "mark_off.bmp",
                                                       "print_off.bmp", "report_off.bmp", "save_off.bmp",
                                                       "setup_off.bmp", "trash_off.bmp"};
    QTest::addRow("window buttons") << QStringList{"prog_blue_close.bmp", "prog_blueoff_close.bmp", "prog_white_close.bmp",
                                                   "prog_blue_max.bmp",   "prog_blue_min.bmp",      "prog_blue_norm.bmp"};
    QTest::addRow("tabs") << QStringList{"tabs_front_off.bmp", "tabs_front_on.bmp"};
    QTest::addRow("buttons") << QStringList{"button_off.bmp", "button_on.bmp", "button_pressed.bmp"};
    QTest::addRow("load buttons") << QStringList{"loadbutton_off.bmp", "loadbutton_on.bmp"};
    QTest::addRow("top bars") << QStringList{"border_top_left.bmp", "border_white_top_left.bmp"};
}

void TestPicgen::statesDiffer()
{
    QFETCH(QStringList, names);
    // Visibly different: a good share of the pixels changes between any two.
    for (int i = 0; i < names.size(); ++i) {
        for (int j = i + 1; j < names.size(); ++j) {
            const QImage a = readBack(m_byName.value(names[i]).bytes), b = readBack(m_byName.value(names[j]).bytes);
            QCOMPARE(a.size(), b.size());
            int changed = 0;
            for (int y = 0; y < a.height(); ++y)
                for (int x = 0; x < a.width(); ++x) {
                    const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                    if (std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) > 40)
                        ++changed;
                }
            QVERIFY2(changed * 20 > a.width() * a.height(), qPrintable(QString(names[i] + QStringLiteral(" ~ ") + names[j])));
        }
    }
}

void TestPicgen::embeddedPicturesAreTheGenerated()
{
    QCOMPARE(m_pictures.size(), int(kPictures.size()));
    for (const auto &p : m_pictures)
        QVERIFY2(Module3::ResourceBytes(p.id) == p.bytes, qPrintable(p.name));
}

void TestPicgen::gifRoundTrip_data()
{
    QTest::addColumn<QImage>("image");
    QImage flat(37, 23, QImage::Format_ARGB32);
    flat.fill(QColor(10, 200, 30));
    QTest::addRow("one colour") << flat;

    QImage stripes(64, 64, QImage::Format_ARGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            stripes.setPixel(x, y, (x / 3 + y / 5) % 2 ? qRgb(255, 255, 255) : qRgb((x % 15) * 17, (y % 16) * 16, 128));
    QTest::addRow("many distinct colours under 256") << stripes;

    QImage holes(20, 20, QImage::Format_ARGB32);
    holes.fill(Qt::transparent);
    for (int k = 0; k < 20; ++k)
        holes.setPixel(k, k, qRgb(200, 20, 20));
    QTest::addRow("transparent around a line") << holes;

    // Long runs of a small alphabet fill the LZW table and force a clear code.
    QImage noise(300, 300, QImage::Format_ARGB32);
    quint32 seed = 7;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 300; ++x) {
            seed = seed * 1103515245u + 12345u;
            noise.setPixel(x, y, qRgb(int((seed >> 16) % 16) * 16, 80, 160));
        }
    QTest::addRow("table fills and clears") << noise;
}

void TestPicgen::gifRoundTrip()
{
    QFETCH(QImage, image);
    const QImage back = readBack(GifWriter::encode(image, Qt::white)).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(back.size(), image.size());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb want = image.pixel(x, y);
            const QRgb got = back.pixel(x, y);
            if (qAlpha(want) < 128)
                QCOMPARE(qAlpha(got), 0);
            else
                QCOMPARE(got, want);
        }
}

void TestPicgen::gifReducesManyColours()
{
    QImage ramp(256, 64, QImage::Format_ARGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 256; ++x)
            ramp.setPixel(x, y, qRgb(x, y * 4, 255 - x));
    const QImage back = readBack(GifWriter::encode(ramp, Qt::white)).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(back.size(), ramp.size());
    int worst = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 256; ++x) {
            const QRgb a = ramp.pixel(x, y), b = back.pixel(x, y);
            worst = std::max(worst, std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                                        std::abs(qBlue(a) - qBlue(b)));
        }
    QVERIFY2(worst <= 60, qPrintable(QString::number(worst)));
}

void TestPicgen::icoKeepsEverySize()
{
    QList<QImage> sizes;
    for (int s : {16, 32, 48}) {
        QImage img(s, s, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.fillRect(0, 0, s / 2, s, QColor(20, 40, 200));
        sizes.append(img);
    }
    const QByteArray ico = IcoWriter::encode(sizes);
    for (int i = 0; i < sizes.size(); ++i) {
        const QImage back = readBack(ico, i).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(back.size(), sizes[i].size());
        QCOMPARE(back.pixel(0, 0), qRgba(20, 40, 200, 255));
        QCOMPARE(qAlpha(back.pixel(back.width() - 1, back.height() - 1)), 0);
    }
    QCOMPARE(readBack(m_byName.value(QStringLiteral("QVicon.ico")).bytes, 2).size(), QSize(48, 48));
}

QTEST_MAIN(TestPicgen)
#include "tst_picgen.moc"
