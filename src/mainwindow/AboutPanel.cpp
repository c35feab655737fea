#include "AboutPanel.h"

#include "Accessibility.h"
#include "AboutText.h"
#include "ContentsLook.h"
#include "PictureBox.h"
#include "ShadedBox.h"
#include "SkinnedWindow.h"
#include "WebPageOpener.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QSysInfo>

namespace
{

constexpr QRect kCard(84, 72, 500, 230);
constexpr int kTextLeft = kCard.left() + 150;

QLabel *text(QWidget *parent, const char *name, const QString &caption, const QFont &font,
             const QColor &colour, int top, int height)
{
    auto *l = new QLabel(caption, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(font);
    ContentsLook::setColours(l, colour);
    l->setGeometry(kTextLeft, top, kCard.right() - kTextLeft - 16, height);
    return l;
}

} // namespace

AboutPanel::AboutPanel(SkinnedWindow &window, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Body_About"));
    setAutoFillBackground(true);

    auto *card = new ShadedBox(ShadedBox::frameStyle(), this);
    card->setGeometry(kCard);
    auto *logo = new PictureBox(window.pictures(), this);
    logo->setObjectName(QStringLiteral("Logo"));
    logo->setPicture(QStringLiteral("Logo.gif"));
    logo->setGeometry(kCard.left() + 30, kCard.top() + 40, 96, 96);

    const int top = kCard.top() + 34;
    m_name = text(this, "ProgramName", QString(), ContentsLook::bigTitleFont(),
                  ContentsLook::heading(), top, 44);
    text(this, "Label36", AboutText::PlatformLine(QSysInfo::kernelType()), ContentsLook::bodyFont(),
         ContentsLook::ink(), top + 50, 20);
    text(this, "Label39", QStringLiteral("Version 2.0"), ContentsLook::bodyFont(),
         ContentsLook::ink(), top + 72, 20);
    QFont linkFont = ContentsLook::bodyFont();
    linkFont.setUnderline(true);
    m_link = text(this, "lbl_QVURL", WebPageOpener::linkText(), linkFont, ContentsLook::accent(),
                  top + 112, 22);
    m_link->adjustSize();
    m_link->setToolTip(QStringLiteral("Go to Quorvane home page"));
    m_link->setCursor(Qt::PointingHandCursor);
    m_link->setFocusPolicy(Qt::TabFocus);
    Accessibility::actsAs(m_link, QAccessible::Link);
    m_link->installEventFilter(this);
}

void AboutPanel::setProductName(const QString &name)
{
    m_name->setText(name);
}

QList<QWidget *> AboutPanel::focusStops() const
{
    return {m_link};
}

void AboutPanel::lbl_QVURL_Click()
{
    WebPageOpener::OpenWebPage(window());
}

bool AboutPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_link && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            lbl_QVURL_Click();
            return true;
        }
    }
    if (watched == m_link && event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton &&
            m_link->rect().contains(mouse->position().toPoint())) {
            lbl_QVURL_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
