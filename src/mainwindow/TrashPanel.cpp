#include "TrashPanel.h"

#include "ContentsLook.h"
#include "FrameMetrics.h"
#include "PictureButton.h"
#include "ShadedBox.h"
#include "SkinnedWindow.h"

#include <QApplication>
#include <QLabel>

namespace
{

// The card the panel's texts and buttons sit on, in the panel's pixels.
constexpr QRect kCard(84, 72, 500, 230);
constexpr int kTextTop = kCard.top() + 86;
constexpr int kButtonTop = kCard.top() + 164;

QLabel *message(QWidget *parent, const char *name, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(ContentsLook::bodyFont());
    ContentsLook::setColours(l, ContentsLook::ink());
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignCenter);
    l->setGeometry(kCard.left() + 30, kTextTop, kCard.width() - 60, 60);
    return l;
}

} // namespace

TrashPanel::TrashPanel(SkinnedWindow &window, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Body_Trash"));
    setAutoFillBackground(true);

    auto *card = new ShadedBox(ShadedBox::frameStyle(), this);
    card->setGeometry(kCard);
    auto *icon = new PictureBox(window.pictures(), this);
    icon->setObjectName(QStringLiteral("TrashIcon"));
    icon->setPicture(QStringLiteral("trash_off.bmp"));
    icon->setGeometry(
        QRect(QPoint(kCard.center().x() - 21, kCard.top() + 14), Module5::kToolbarButtonSize));
    auto *heading = new QLabel(QStringLiteral("Start afresh"), this);
    heading->setObjectName(QStringLiteral("TrashHeading"));
    heading->setFont(ContentsLook::boldFont());
    ContentsLook::setColours(heading, ContentsLook::heading());
    heading->setAlignment(Qt::AlignCenter);
    heading->setGeometry(kCard.left(), kCard.top() + 60, kCard.width(), 20);

    m_lbl1 = message(this, "Trashlbl1",
                     QStringLiteral("Click on the button below if you wish to erase all your past "
                                    "results and reset the program."));
    m_lbl2 = message(this, "Trashlbl2", QStringLiteral("Are you sure?"));
    m_lbl3 = message(this, "Trashlbl3", QStringLiteral("All your past results have been erased."));

    const QSize b = Module5::kButtonSize;
    const int centre = kCard.center().x() + 1;
    auto makeButton = [&](const QString &name, const QString &caption, int left) {
        const QRect at(QPoint(left, kButtonTop), b);
        PictureButton *button = window.addButton(PictureButton::Rule::TwoState, name, at, this);
        button->setBase(QStringLiteral("button"));
        QLabel *label = button->createCaption(name + QStringLiteral("lbl"), at);
        label->setText(caption);
        label->setFont(ContentsLook::bodyFont());
        ContentsLook::setColours(label, ContentsLook::ink());
        button->setCursor(Qt::PointingHandCursor);
        button->setFocusPolicy(Qt::TabFocus);
        label->setCursor(Qt::PointingHandCursor);
        return button;
    };
    m_trash =
        makeButton(QStringLiteral("ButTrash"), QStringLiteral("Trash"), centre - b.width() / 2);
    m_yes =
        makeButton(QStringLiteral("ButTrash_Yes"), QStringLiteral("Yes"), centre - b.width() - 6);
    m_no = makeButton(QStringLiteral("ButTrash_No"), QStringLiteral("No"), centre + 6);
    connect(m_trash, &PictureButton::clicked, this, &TrashPanel::ButTrash_Click);
    connect(m_yes, &PictureButton::clicked, this, &TrashPanel::ButTrash_Yes_Click);
    connect(m_no, &PictureButton::clicked, this, &TrashPanel::ButTrash_No_Click);
    reset();
}

void TrashPanel::reset()
{
    setState(State::Offer);
}

void TrashPanel::ButTrash_Click()
{
    if (m_state == State::Offer)
        setState(State::Confirm);
}

void TrashPanel::ButTrash_No_Click()
{
    if (m_state == State::Confirm)
        setState(State::Offer);
}

void TrashPanel::ButTrash_Yes_Click()
{
    if (m_state != State::Confirm)
        return;
    const SaveResult erased = m_eraser ? m_eraser() : SaveResult();
    m_lbl3->setText(erased ? QStringLiteral("All your past results have been erased.")
                    : erased.noRoom
                        ? QStringLiteral("There is no room left on the disk, so your past "
                                         "results could not be erased. They are all kept.")
                        : QStringLiteral("Your past results could not be erased. They are all "
                                         "kept. Close the program, start it again and try "
                                         "once more."));
    setState(State::Done);
}

QList<QWidget *> TrashPanel::focusStops() const
{
    QList<QWidget *> stops;
    for (PictureButton *button : {m_trash, m_yes, m_no}) {
        if (!button->isHidden())
            stops << button;
    }
    return stops;
}

void TrashPanel::setState(State state)
{
    const bool keys = isAncestorOf(QApplication::focusWidget());
    m_state = state;
    const bool offer = state == State::Offer;
    const bool confirm = state == State::Confirm;
    auto show = [](QWidget *w, bool shown) {
        w->setVisible(shown);
        if (auto *button = qobject_cast<PictureButton *>(w); button && button->caption())
            button->caption()->setVisible(shown);
    };
    show(m_lbl1, offer);
    show(m_trash, offer);
    show(m_lbl2, confirm);
    show(m_yes, confirm);
    show(m_no, confirm);
    show(m_lbl3, state == State::Done);
    // On the keyboard the pupil goes on from the button that appeared; "No"
    // first, so that a second Enter erases nothing.
    if (keys && state != State::Done)
        (offer ? m_trash : m_no)->setFocus(Qt::OtherFocusReason);
}
