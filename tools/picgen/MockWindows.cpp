#include "MockWindows.h"

#include "Palette.h"

#include <QBuffer>
#include <QFont>
#include <QHash>
#include <QImageReader>
#include <QPainter>

namespace {

class Kit
{
public:
    explicit Kit(const QList<PictureSet::Picture> &pictures)
    {
        for (const auto &pic : pictures) {
            QByteArray bytes = pic.bytes;
            QBuffer buffer(&bytes);
            QImageReader reader(&buffer);
            m_images.insert(pic.name.toLower(), reader.read());
        }
    }
    QImage operator()(const QString &name) const { return m_images.value(name.toLower()); }

private:
    QHash<QString, QImage> m_images;
};

QFont font(int px, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

// A window frame: top bar, edges and corners, as the
// windows stretch them.
void frame(QPainter &p, const Kit &k, const QRect &r, bool active, bool popup, const QString &title,
           const QString &icon, bool maxButton)
{
    const QString w = active ? QString() : QStringLiteral("white_");
    const QImage left = k(QStringLiteral("border_%1top_left.bmp").arg(w));
    const QImage centre = k(QStringLiteral("border_%1top_center.bmp").arg(w));
    const QImage right = k(QStringLiteral("border_%1top_right.bmp").arg(w));
    p.drawImage(r.topLeft(), left);
    p.drawImage(QRect(r.left() + 48, r.top(), r.width() - 96, 28), centre);
    p.drawImage(QPoint(r.right() + 1 - 48, r.top()), right);
    const QImage bl = k(popup ? QStringLiteral("Border_bot_left.gif") : QStringLiteral("border_left_corners.bmp"));
    const QImage br = k(popup ? QStringLiteral("Border_bot_right.gif") : QStringLiteral("border_right_corners.bmp"));
    const int bottom = r.bottom() + 1;
    p.drawImage(QRect(r.left(), r.top() + 28, 4, r.height() - 28 - bl.height()), k(QStringLiteral("border_left.bmp")));
    p.drawImage(QRect(r.right() + 1 - 4, r.top() + 28, 4, r.height() - 28 - br.height()),
                k(QStringLiteral("border_right.bmp")));
    p.drawImage(QRect(r.left() + bl.width(), bottom - 4, r.width() - bl.width() - br.width(), 4),
                k(QStringLiteral("border_bot.bmp")));
    p.drawImage(QPoint(r.left(), bottom - bl.height()), bl);
    p.drawImage(QPoint(r.right() + 1 - br.width(), bottom - br.height()), br);
    int textLeft = r.left() + 12;
    if (!icon.isEmpty()) {
        p.drawImage(QRect(r.left() + 9, r.top() + 6, 16, 16), k(icon));
        textLeft = r.left() + 30;
    }
    p.setFont(font(13, true));
    p.setPen(active ? Qt::white : QColor(0x80, 0x80, 0x80));
    p.drawText(QRect(textLeft, r.top(), 300, 28), Qt::AlignVCenter, title);
    if (popup)
        return;
    const QString variant = active ? QStringLiteral("blueoff") : QStringLiteral("white");
    int x = r.right() + 1 - 19 - 4;
    p.drawImage(QPoint(x, r.top() + 4), k(QStringLiteral("prog_%1_close.bmp").arg(variant)));
    if (maxButton) {
        x -= 21;
        p.drawImage(QPoint(x, r.top() + 4), k(QStringLiteral("prog_%1_max.bmp").arg(variant)));
    }
    x -= 21;
    p.drawImage(QPoint(x, r.top() + 4), k(QStringLiteral("prog_%1_min.bmp").arg(variant)));
}

void toolButton(QPainter &p, const Kit &k, QPoint at, const QString &picture, const QString &caption)
{
    p.drawImage(at, k(picture));
    p.setFont(font(10));
    p.setPen(QColor(0x22, 0x2E, 0x3C));
    p.drawText(QRect(at.x(), at.y() + 28, 44, 17), Qt::AlignCenter, caption);
}

void paperWindow(QPainter &p, const Kit &k, const QRect &r)
{
    p.fillRect(r, Palette::kPanel);
    frame(p, k, r, true, false, QStringLiteral("Human Body Systems - Paper 1"), QStringLiteral("pencil.ico"), true);
    const int inL = r.left() + 4, inR = r.right() + 1 - 4, top = r.top() + 28;
    toolButton(p, k, {inL + 8, top + 3}, QStringLiteral("save_off.bmp"), QStringLiteral("Save"));
    toolButton(p, k, {inL + 60, top + 3}, QStringLiteral("mark_on.bmp"), QStringLiteral("Mark"));
    toolButton(p, k, {inL + 112, top + 3}, QStringLiteral("print_pressed.bmp"), QStringLiteral("Print"));
    toolButton(p, k, {inL + 164, top + 3}, QStringLiteral("close_off.bmp"), QStringLiteral("Close"));
    toolButton(p, k, {inR - 52, top + 3}, QStringLiteral("forward_off.bmp"), QStringLiteral("Next"));
    toolButton(p, k, {inR - 104, top + 3}, QStringLiteral("back_disabled.bmp"), QStringLiteral("Back"));
    p.drawImage(QPoint(inR - 273 + 10, top + 2), k(QStringLiteral("pen.bmp")));

    const int pageTop = top + 51, bottomBar = r.bottom() + 1 - 4 - 25;
    const QRect ans(inR - 273, pageTop, 273, r.bottom() + 1 - 4 - pageTop);
    const QRect page(inL, pageTop, ans.left() - 7 - inL, bottomBar - pageTop);
    p.fillRect(page, Qt::white);
    p.fillRect(QRect(page.left() + 8, page.top() + 4, page.width() - 24, 25), QColor(0xE9, 0xF0, 0xFA));
    p.setFont(font(13, true));
    p.setPen(QColor(0x1F, 0x4F, 0x96));
    p.drawText(QRect(page.left() + 16, page.top() + 4, 200, 25), Qt::AlignVCenter, QStringLiteral("Question 1"));
    p.setFont(font(15));
    p.setPen(QColor(0x1E, 0x2B, 0x3A));
    p.drawText(QPoint(page.left() + 24, page.top() + 62), QStringLiteral("Which organ pumps blood around the body?"));
    const char *options[] = {"Lungs", "Heart", "Stomach", "Brain"};
    for (int i = 0; i < 4; ++i) {
        const QRect o(page.left() + 24, page.top() + 80 + i * 34, 300, 28);
        p.setPen(QColor(0xDB, 0xE6, 0xF3));
        p.setBrush(QColor(0xF3, 0xF7, 0xFC));
        p.drawRoundedRect(o, 6, 6);
        p.setPen(QColor(0x1F, 0x5F, 0xAE));
        p.setFont(font(15, true));
        p.drawText(o.adjusted(10, 0, 0, 0), Qt::AlignVCenter, QStringLiteral("(%1)").arg(i + 1));
        p.setPen(QColor(0x1E, 0x2B, 0x3A));
        p.setFont(font(15));
        p.drawText(o.adjusted(52, 0, 0, 0), Qt::AlignVCenter, QString::fromLatin1(options[i]));
    }
    p.drawImage(QPoint(page.left(), bottomBar), k(QStringLiteral("bottombg2.bmp")));
    p.drawImage(QPoint(page.left() + 204, bottomBar), k(QStringLiteral("bottombg3.bmp")));
    p.setFont(font(11));
    p.setPen(QColor(0x22, 0x2E, 0x3C));
    p.drawText(QRect(page.left() + 8, bottomBar, 190, 25), Qt::AlignVCenter, QStringLiteral("Qns left:  2, 3, 4"));
    p.drawText(QRect(page.left() + 212, bottomBar, 150, 25), Qt::AlignVCenter, QStringLiteral("Time  0:04:12"));

    p.drawImage(QPoint(ans.left() - 7, ans.top() + ans.height() / 2 - 24), k(QStringLiteral("Handle.bmp")));
    p.fillRect(ans, QColor(0xFB, 0xFC, 0xF7));
    for (int i = 0; i < 3; ++i) {
        const int y = ans.top() + 10 + i * 32;
        p.setPen(QColor(0x22, 0x2E, 0x3C));
        p.setFont(font(12, true));
        p.drawText(QPoint(ans.left() + 10, y + 16), QStringLiteral("(%1)").arg(QChar(u'a' + i)));
        p.setPen(QColor(0xC0, 0xC0, 0xC0));
        p.setBrush(Qt::white);
        p.drawRect(QRect(ans.left() + 40, y, 105, 17));
    }
    const QImage ins = k(QStringLiteral("instruction.gif"));
    p.drawImage(QPoint(ans.left() + 6, ans.bottom() + 1 - ins.height() - 6), ins);
    p.drawImage(QPoint(r.right() + 1 - 8 - 2, r.bottom() + 1 - 8 - 2), k(QStringLiteral("statusgrabber.bmp")));
}

void mainWindow(QPainter &p, const Kit &k, const QRect &r)
{
    p.fillRect(r, Palette::kPanel);
    frame(p, k, r, true, false, QStringLiteral("Tessaly"), QStringLiteral("QVicon.ico"), false);
    const int inL = r.left() + 4, top = r.top() + 28;
    p.drawImage(QPoint(inL + 10, top + 8), k(QStringLiteral("tabs_front_off.bmp")));
    p.drawImage(QPoint(inL + 91, top + 9), k(QStringLiteral("tabs_back_on.bmp")));
    p.setFont(font(12, true));
    p.setPen(QColor(0x1F, 0x3F, 0x6E));
    p.drawText(QRect(inL + 10, top + 8, 79, 27), Qt::AlignCenter, QStringLiteral("Practice"));
    p.drawText(QRect(inL + 91, top + 9, 79, 26), Qt::AlignCenter, QStringLiteral("Help"));
    const int strip = top + 35;
    p.fillRect(QRect(inL, strip, r.width() - 8, 3), QColor(0x86, 0xAF, 0xE6));
    const int tb = strip + 8;
    toolButton(p, k, {inL + 10, tb}, QStringLiteral("home_on.bmp"), QStringLiteral("Home"));
    toolButton(p, k, {inL + 62, tb}, QStringLiteral("report_off.bmp"), QStringLiteral("Report"));
    toolButton(p, k, {inL + 114, tb}, QStringLiteral("print_off.bmp"), QStringLiteral("Print"));
    toolButton(p, k, {inL + 166, tb}, QStringLiteral("close_off.bmp"), QStringLiteral("Close"));
    p.drawImage(QPoint(r.right() - 4 - 96 - 8, strip + 8), k(QStringLiteral("Logo.gif")));
    const int body = tb + 56;
    p.drawImage(QPoint(inL + 10, body), k(QStringLiteral("columnhead1.bmp")));
    p.setFont(font(12, true));
    p.setPen(QColor(0x1F, 0x3F, 0x6E));
    p.drawText(QRect(inL + 20, body, 220, 26), Qt::AlignVCenter, QStringLiteral("Select a Topic"));
    const char *topics[] = {"Human Body Systems", "Matter and Changes in States", "Electricity and Magnets"};
    p.setFont(font(12));
    for (int i = 0; i < 3; ++i) {
        p.drawImage(QPoint(inL + 16, body + 36 + i * 24), k(QStringLiteral("bullet.bmp")));
        p.setPen(i == 0 ? QColor(0x1F, 0x5F, 0xAE) : QColor(0x22, 0x2E, 0x3C));
        p.drawText(QPoint(inL + 34, body + 46 + i * 24), QString::fromLatin1(topics[i]));
    }
    const int col2 = inL + 262;
    p.drawImage(QPoint(col2, body), k(QStringLiteral("columnhead2.bmp")).copy(0, 0, 300, 26));
    p.setFont(font(12, true));
    p.setPen(QColor(0x1F, 0x3F, 0x6E));
    p.drawText(QRect(col2 + 10, body, 200, 26), Qt::AlignVCenter, QStringLiteral("Select a Paper"));
    p.setFont(font(12));
    for (int i = 0; i < 3; ++i) {
        const int y = body + 36 + i * 24;
        p.setPen(QColor(0x22, 0x2E, 0x3C));
        p.drawText(QPoint(col2 + 10, y + 11), QStringLiteral("Paper %1    1st Attempt:  %2").arg(i + 1).arg(i ? "" : "80 %"));
        p.drawImage(QPoint(col2 + 210, y), k(i == 1 ? QStringLiteral("loadbutton_on.bmp") : QStringLiteral("loadbutton_off.bmp")));
    }
}

void popup(QPainter &p, const Kit &k, const QRect &r)
{
    p.fillRect(r.adjusted(0, 28, 0, -7), Palette::kPanel);
    frame(p, k, r, true, true, QStringLiteral("Mark paper"), QString(), false);
    p.drawImage(QPoint(r.left() + 18, r.top() + 44), k(QStringLiteral("info_mark.gif")));
    p.setFont(font(12));
    p.setPen(QColor(0x22, 0x2E, 0x3C));
    p.drawText(QRect(r.left() + 62, r.top() + 40, r.width() - 80, 40), Qt::TextWordWrap,
               QStringLiteral("Do you want your paper to be marked now?"));
    p.drawImage(QPoint(r.left() + 62, r.top() + 90), k(QStringLiteral("button_on.bmp")));
    p.drawImage(QPoint(r.left() + 152, r.top() + 90), k(QStringLiteral("button_off.bmp")));
    p.drawText(QRect(r.left() + 62, r.top() + 90, 80, 25), Qt::AlignCenter, QStringLiteral("Yes"));
    p.drawText(QRect(r.left() + 152, r.top() + 90, 80, 25), Qt::AlignCenter, QStringLiteral("No"));
}

} // namespace

QImage MockWindows::render(const QList<PictureSet::Picture> &pictures)
{
    const Kit kit(pictures);
    QImage img(1500, 470, QImage::Format_RGB32);
    img.fill(QColor(0x6E, 0x78, 0x86));
    QPainter p(&img);
    p.setRenderHint(QPainter::TextAntialiasing);
    paperWindow(p, kit, QRect(16, 16, 760, 430));
    mainWindow(p, kit, QRect(792, 16, 692, 290));
    popup(p, kit, QRect(792, 322, 300, 130));
    QImage inactive(380, 130, QImage::Format_RGB32);
    inactive.fill(Palette::kPanel);
    {
        QPainter ip(&inactive);
        frame(ip, kit, inactive.rect(), false, false, QStringLiteral("Practice (inactive)"), QStringLiteral("pencil.ico"),
              true);
    }
    p.drawImage(QPoint(1104, 322), inactive);
    return img;
}
