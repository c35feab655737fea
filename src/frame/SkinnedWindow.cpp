#include "SkinnedWindow.h"

#include "FocusMark.h"
#include "FrameFonts.h"
#include "FrameGeometry.h"
#include "FrameMetrics.h"
#include "FrameOutline.h"
#include "PictureBox.h"
#include "PictureCache.h"
#include "PictureChoice.h"
#include "WindowDragger.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>

#include <array>
#include <utility>

using Module5::WindowButton;

namespace {

// The edges below the top bar: left, right, bottom and the bottom corners.
std::array<QString, 5> edgePictures(bool popUp)
{
    return {QStringLiteral("border_left.bmp"), QStringLiteral("border_right.bmp"),
            QStringLiteral("border_bot.bmp"),
            popUp ? QStringLiteral("Border_bot_left.gif") : QStringLiteral("border_left_corners.bmp"),
            popUp ? QStringLiteral("Border_bot_right.gif")
                  : QStringLiteral("border_right_corners.bmp")};
}

} // namespace

SkinnedWindow::SkinnedWindow(const Workspace &workspace, FrameStyle style, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      m_workspace(workspace),
      m_pictures(PictureCache::forFolder(workspace.graphicsFolder())),
      m_style(std::move(style))
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    const Module5::TopBarPictures top = Module5::TopBar(true);
    const std::array<QString, 5> edges = edgePictures(m_style.outline == FrameStyle::Outline::PopUp);
    m_pieces = {makePiece("BTopLeft", top.left),   makePiece("BTopCentre", top.centre),
                makePiece("BTopRight", top.right), makePiece("BLeft", edges[0]),
                makePiece("BRight", edges[1]),     makePiece("BBot", edges[2]),
                makePiece("BBotLeft", edges[3]),   makePiece("BBotRight", edges[4])};

    if (!m_style.icon.isEmpty()) {
        m_icon = new PictureBox(*m_pictures, this);
        m_icon->setObjectName(QStringLiteral("ImgIco"));
        m_icon->setPicture(m_style.icon);
    }

    m_title = new QLabel(this);
    m_title->setObjectName(m_style.titleName);
    m_title->setFont(Module5::TitleFont());
    m_title->setAttribute(Qt::WA_TranslucentBackground);

    if (m_style.windowButtons) {
        m_close = makeWindowButton("imgProgClose", QStringLiteral("Close"));
        connect(m_close, &PictureBox::clicked, this, &SkinnedWindow::imgProgClose_Click);
        if (m_style.maximiseButton) {
            m_max = makeWindowButton("imgProgMax", QString());
            m_max->setAccessibleName(QStringLiteral("Maximize"));
            connect(m_max, &PictureBox::clicked, this, &SkinnedWindow::imgProgMax_Click);
        }
        m_min = makeWindowButton("imgProgMin", QStringLiteral("Minimize"));
        connect(m_min, &PictureBox::clicked, this, &SkinnedWindow::imgProgMin_Click);
    }

    m_focusMark = new FocusMark(this);
    m_dragger = new WindowDragger(this);
    for (int i = 0; i < 3; ++i)
        m_dragger->addHandle(m_pieces.at(i));
    m_dragger->addHandle(m_title);

    if (!m_style.focusField.isEmpty())
        m_focusFlag = makeHiddenField(m_style.focusField, QStringLiteral("0"), this);
    m_pressTrack = makeHiddenField(QStringLiteral("txtPressTrack"), QStringLiteral("0"), this);

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(100);
    connect(m_timer1, &QTimer::timeout, this, &SkinnedWindow::Timer1_Timer);

    // A window starts inactive until the window system activates it; the
    // pop-up is always drawn active.
    if (m_focusFlag)
        Form_Deactivate();
    else
        Form_Activate();
}

SkinnedWindow::~SkinnedWindow() = default;

QLineEdit *SkinnedWindow::makeHiddenField(const QString &name, const QString &text,
                                          QWidget *parent)
{
    auto *field = new QLineEdit(text, parent);
    field->setObjectName(name);
    field->hide();
    return field;
}

QStringList SkinnedWindow::framePictures(const FrameStyle &style)
{
    QStringList names;
    for (const bool active : {false, true}) {
        const Module5::TopBarPictures top = Module5::TopBar(active);
        names << top.left << top.centre << top.right;
    }
    for (const QString &edge : edgePictures(style.outline == FrameStyle::Outline::PopUp))
        names << edge;
    if (!style.icon.isEmpty())
        names << style.icon;
    if (style.windowButtons) {
        QList<WindowButton> buttons{WindowButton::Close, WindowButton::Min};
        if (style.maximiseButton)
            buttons << WindowButton::Max;
        for (const WindowButton button : buttons)
            names << Module5::InactiveWindowButtonPicture(button)
                  << Module5::ActiveWindowButtonPicture(button, false, false);
    }
    return names;
}

PictureBox *SkinnedWindow::makePiece(const char *name, const QString &picture)
{
    auto *box = new PictureBox(*m_pictures, this);
    box->setObjectName(QString::fromLatin1(name));
    box->setPicture(picture);
    return box;
}

PictureButton *SkinnedWindow::makeWindowButton(const char *name, const QString &tooltip)
{
    auto *button = new PictureButton(*m_pictures, PictureButton::Rule::TwoState, this);
    button->setObjectName(QString::fromLatin1(name));
    button->resize(Module5::kWindowButtonSize);
    button->setTips(tooltip);
    return button;
}

void SkinnedWindow::setTitle(const QString &title)
{
    setWindowTitle(title);
    m_title->setText(title);
    m_title->adjustSize();
    layoutTopBar();
}

PictureBox *SkinnedWindow::piece(Piece piece) const
{
    return m_pieces.at(static_cast<int>(piece));
}

bool SkinnedWindow::isActiveFlagSet() const
{
    return m_focusFlag ? m_focusFlag->text() == QLatin1String("1") : true;
}

bool SkinnedWindow::isPressFlagSet() const
{
    return m_pressTrack->text() == QLatin1String("1");
}

void SkinnedWindow::startTimer1()
{
    m_timer1->start();
}

PictureButton *SkinnedWindow::addButton(PictureButton::Rule rule, const QString &objectName,
                                        const QRect &geometry, QWidget *parent)
{
    auto *button = new PictureButton(*m_pictures, rule, parent ? parent : this);
    button->setObjectName(objectName);
    button->setGeometry(geometry);
    watchButton(button);
    return button;
}

void SkinnedWindow::watchButton(PictureButton *button)
{
    m_buttons.append(button);
    if (button->rule() == PictureButton::Rule::Toolbar) {
        connect(button, &PictureBox::mousePressed, this, [this] { setPressFlag(true); });
        connect(button, &PictureBox::mouseReleased, this, [this] { setPressFlag(false); });
    }
}

void SkinnedWindow::setPressFlag(bool pressed)
{
    m_pressTrack->setText(pressed ? QStringLiteral("1") : QStringLiteral("0"));
    // Show the pressed picture now rather than at the next tick.
    refreshPictures();
}

void SkinnedWindow::Timer1_Timer()
{
    refreshPictures();
}

void SkinnedWindow::refreshPictures()
{
    const QPoint cursor = QCursor::pos();
    const bool pressed = isPressFlagSet();
    for (const QPointer<PictureButton> &button : std::as_const(m_buttons)) {
        if (button && button->isVisible())
            button->hover(cursor, pressed);
    }
    if (isActiveFlagSet())
        hoverWindowButtons(cursor);
}

void SkinnedWindow::hoverWindowButtons(const QPoint &cursor)
{
    if (!m_close)
        return;
    const bool maximised = m_maximised;
    auto hover = [&](PictureButton *button, WindowButton which) {
        button->setTwoStatePictures(Module5::ActiveWindowButtonPicture(which, false, maximised),
                                    Module5::ActiveWindowButtonPicture(which, true, maximised));
        button->hover(cursor, false);
    };
    hover(m_close, WindowButton::Close);
    if (m_max && !isMinimized())
        hover(m_max, WindowButton::Max);
    hover(m_min, WindowButton::Min);
}

void SkinnedWindow::Form_Activate()
{
    QPalette pal = m_title->palette();
    pal.setColor(QPalette::WindowText, QColor(0xFF, 0xFF, 0xFF));
    m_title->setPalette(pal);
    if (m_focusFlag)
        m_focusFlag->setText(QStringLiteral("1"));
    const Module5::TopBarPictures top = Module5::TopBar(true);
    piece(Piece::TopLeft)->setPicture(top.left);
    piece(Piece::TopRight)->setPicture(top.right);
    piece(Piece::TopCentre)->setPicture(top.centre);
    if (m_close) {
        m_close->setPicture(Module5::ActiveWindowButtonPicture(WindowButton::Close, false, false));
        if (m_max)
            m_max->setPicture(Module5::ActiveWindowButtonPicture(WindowButton::Max, false, false));
        m_min->setPicture(Module5::ActiveWindowButtonPicture(WindowButton::Min, false, false));
    }
}

void SkinnedWindow::Form_Deactivate()
{
    QPalette pal = m_title->palette();
    pal.setColor(QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    m_title->setPalette(pal);
    if (m_focusFlag)
        m_focusFlag->setText(QStringLiteral("0"));
    const Module5::TopBarPictures top = Module5::TopBar(false);
    piece(Piece::TopLeft)->setPicture(top.left);
    piece(Piece::TopRight)->setPicture(top.right);
    piece(Piece::TopCentre)->setPicture(top.centre);
    if (m_close) {
        m_close->setPicture(Module5::InactiveWindowButtonPicture(WindowButton::Close));
        if (m_max)
            m_max->setPicture(Module5::InactiveWindowButtonPicture(WindowButton::Max));
        m_min->setPicture(Module5::InactiveWindowButtonPicture(WindowButton::Min));
    }
}

void SkinnedWindow::imgProgClose_Click()
{
    close();
}

void SkinnedWindow::imgProgMin_Click()
{
    showMinimized();
}

void SkinnedWindow::imgProgMax_Click()
{
    if (!isMinimized())
        setMaximised(!maximised());
}

void SkinnedWindow::setMaximised(bool maximised)
{
    if (maximised == m_maximised)
        return;
    // The window keeps its own record and sets the geometry itself: without
    // a window manager (Xvfb, kiosk sessions) the system neither reports the
    // state back nor moves the window.
    m_maximised = maximised;
    if (m_max)
        m_max->setAccessibleName(maximised ? QStringLiteral("Restore") : QStringLiteral("Maximize"));
    if (maximised) {
        m_normalGeometry = geometry();
        setWindowState(windowState() | Qt::WindowMaximized);
        if (QScreen *s = screen())
            setGeometry(s->availableGeometry());
    } else {
        setWindowState(windowState() & ~Qt::WindowMaximized);
        if (m_normalGeometry.isValid())
            setGeometry(m_normalGeometry);
    }
}

void SkinnedWindow::layoutFrame()
{
    const QSize corner = m_style.outline == FrameStyle::Outline::PopUp ? Module5::kPopUpBottomCorner
                                                                       : Module5::kMainBottomCorner;
    const Module5::FrameRects r = Module5::LayoutFrame(size(), corner);
    piece(Piece::TopLeft)->setGeometry(r.topLeft);
    piece(Piece::TopCentre)->setGeometry(r.topCentre);
    piece(Piece::TopRight)->setGeometry(r.topRight);
    piece(Piece::Left)->setGeometry(r.left);
    piece(Piece::Right)->setGeometry(r.right);
    piece(Piece::Bottom)->setGeometry(r.bottom);
    piece(Piece::BottomLeft)->setGeometry(r.bottomLeft);
    piece(Piece::BottomRight)->setGeometry(r.bottomRight);
    layoutTopBar();
    pRoundCorners();
}

void SkinnedWindow::layoutTopBar()
{
    const Module5::TopBarRects r =
        Module5::LayoutTopBar(width(), m_title->size(), m_max != nullptr);
    m_title->move(r.title.topLeft());
    if (m_icon)
        m_icon->setGeometry(r.icon);
    if (m_close) {
        m_close->setGeometry(r.close);
        if (m_max)
            m_max->setGeometry(r.max);
        m_min->setGeometry(r.min);
    }
}

void SkinnedWindow::pRoundCorners()
{
    const QPolygon points = m_style.outline == FrameStyle::Outline::PopUp
                                ? Module5::PopUpOutline(size())
                                : Module5::MainWindowOutline(size());
    m_outline = Module5::OutlineRegion(points);
    // The offscreen platform cannot clip a window and only warns.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        setMask(m_outline);
}

QRect SkinnedWindow::contentRect() const
{
    return QRect(Module5::kEdgeWidth, Module5::kTopBarHeight,
                 width() - 2 * Module5::kEdgeWidth,
                 height() - Module5::kTopBarHeight - Module5::kBottomHeight);
}

void SkinnedWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutFrame();
}

void SkinnedWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !m_focusFlag)
        return;
    const bool active = isActiveWindow();
    if (active == isActiveFlagSet())
        return;
    if (active)
        Form_Activate();
    else
        Form_Deactivate();
    emit activationChanged(active);
}
