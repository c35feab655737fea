#include "frmPopUp.h"

#include "Activation.h"
#include "FrameFonts.h"
#include "FrameMetrics.h"
#include "PopUpLayout.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QQueue>
#include <QScreen>
#include <QWindow>

#include <memory>

namespace {

QPointer<QLineEdit> responseField;
std::optional<Workspace> defaultWorkspace;
QQueue<bool> nextAnswers;
frmPopUp::Question asked;
frmPopUp *shown = nullptr;

FrameStyle popUpStyle()
{
    FrameStyle style;
    style.outline = FrameStyle::Outline::PopUp;
    style.windowButtons = false;
    style.titleName = QStringLiteral("lblTitle");
    return style;
}

void writeResponse(bool first)
{
    if (responseField)
        responseField->setText(first ? QStringLiteral("True") : QStringLiteral("False"));
}

Workspace workspaceFor(QWidget *master)
{
    if (auto *skinned = qobject_cast<SkinnedWindow *>(master ? master->window() : nullptr))
        return skinned->workspace();
    if (defaultWorkspace)
        return *defaultWorkspace;
    return Workspace(QCoreApplication::applicationDirPath());
}

} // namespace

frmPopUp::frmPopUp(const Workspace &workspace)
    : SkinnedWindow(workspace, popUpStyle())
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    // The buttons take the keys; the keys they leave (Escape) come here.
    Form_Load();
}

void frmPopUp::setResponseField(QLineEdit *field)
{
    responseField = field;
}

void frmPopUp::setDefaultWorkspace(const Workspace &workspace)
{
    defaultWorkspace = workspace;
}

void frmPopUp::setNextAnswer(bool answer)
{
    nextAnswers.enqueue(answer);
}

void frmPopUp::clearNextAnswers()
{
    nextAnswers.clear();
}

frmPopUp::Question frmPopUp::lastQuestion()
{
    return asked;
}

frmPopUp *frmPopUp::current()
{
    return shown;
}

bool frmPopUp::CallPop(const QString &Title, const QString &Msg, int NumofButtons, QWidget *Master)
{
    asked = {Title, Msg, NumofButtons};
    if (!nextAnswers.isEmpty()) {
        const bool answer = nextAnswers.dequeue();
        writeResponse(answer);
        return answer;
    }

    std::unique_ptr<frmPopUp> popUp(new frmPopUp(workspaceFor(Master)));
    popUp->prepare(Title, Msg, NumofButtons, Master);
    popUp->setWindowModality(Qt::ApplicationModal);
    if (Master) {
        // Keeps the pop-up above the asking window under a window manager.
        popUp->winId();
        popUp->windowHandle()->setTransientParent(Master->window()->windowHandle());
    }
    shown = popUp.get();
    QEventLoop loop;
    popUp->m_loop = &loop;
    popUp->show();
    popUp->activateWindow();
    popUp->m_but1->setFocus(Qt::OtherFocusReason);
    if (!popUp->m_answer)
        loop.exec(QEventLoop::DialogExec);
    shown = nullptr;
    Activation::handBack(Master);
    return popUp->m_answer.value_or(popUp->closeAnswer());
}

void frmPopUp::Form_Load()
{
    using namespace Module5;
    setFixedSize(kPopUpSize);

    m_info = new PictureBox(pictures(), this);
    m_info->setObjectName(QStringLiteral("ImgInfo"));
    m_info->setPicture(QStringLiteral("info_mark.gif"));

    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("lblMessage"));
    m_message->setFont(LabelFont());
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_message->setAttribute(Qt::WA_TranslucentBackground);

    const PopUpFixedLayout fixed = PopUpFixed(titleLabel()->sizeHint().height());
    const QRect first(QPoint(0, fixed.buttonTop), kButtonSize);
    m_but1 = addButton(PictureButton::Rule::TwoState, QStringLiteral("But1"), first);
    m_but2 = addButton(PictureButton::Rule::TwoState, QStringLiteral("But2"), first);
    for (PictureButton *b : {m_but1, m_but2}) {
        b->setBase(QStringLiteral("button"));
        // Tab goes between them; Enter or Space presses the one in focus.
        b->setFocusPolicy(Qt::TabFocus);
    }
    m_but1Lbl = m_but1->createCaption(QStringLiteral("But1_lbl"), first);
    m_but2Lbl = m_but2->createCaption(QStringLiteral("But2_lbl"), first);
    connect(m_but1, &PictureBox::clicked, this, [this] { answer(true); });
    connect(m_but2, &PictureBox::clicked, this, [this] { answer(false); });

    m_info->setGeometry(fixed.info);
    m_message->move(fixed.messageLeft, fixed.messageTop);
    m_message->setFixedWidth(kPopUpMessageWidth);
    startTimer1();
    layoutFrame(); // ends with pRoundCorners
}

void frmPopUp::prepare(const QString &title, const QString &msg, int numOfButtons,
                       QWidget *master)
{
    using namespace Module5;
    setTitle(title);
    m_message->setText(msg);
    // The label grows downwards with its wrapped lines.
    m_message->setFixedHeight(m_message->heightForWidth(kPopUpMessageWidth));

    const PopUpFixedLayout fixed = PopUpFixed(titleLabel()->height());
    const PopUpButtons buttons = PopUpButtonLayout(fixed, numOfButtons);
    if (buttons.valid) {
        m_but1->move(buttons.firstLeft, fixed.buttonTop);
        m_but1Lbl->move(m_but1->pos());
        m_but1Lbl->setText(buttons.firstCaption);
        m_but2->setVisible(buttons.secondVisible);
        m_but2Lbl->setVisible(buttons.secondVisible);
        if (buttons.secondVisible) {
            m_but2->move(buttons.secondLeft, fixed.buttonTop);
            m_but2Lbl->move(m_but2->pos());
            m_but2Lbl->setText(buttons.secondCaption);
        }
    }
    m_message->move(fixed.messageLeft, PopUpMessageTop(fixed, msg));

    QRect over;
    if (master)
        over = master->window()->frameGeometry();
    else if (QScreen *screen = QGuiApplication::primaryScreen())
        over = screen->availableGeometry();
    move(CentreOver(over, size()));
}

void frmPopUp::layoutTopBar()
{
    const Module5::PopUpFixedLayout fixed = Module5::PopUpFixed(titleLabel()->height());
    titleLabel()->move(fixed.title);
}

bool frmPopUp::closeAnswer() const
{
    // The second button, or "OK" when there is only one.
    return m_but2 ? m_but2->isHidden() : true;
}

void frmPopUp::answer(bool first)
{
    if (m_answer)
        return;
    m_answer = first;
    writeResponse(first);
    hide();
    if (m_loop)
        m_loop->quit();
}

void frmPopUp::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        answer(true);
        break;
    case Qt::Key_Escape:
        answer(closeAnswer());
        break;
    default:
        SkinnedWindow::keyPressEvent(event);
    }
}

void frmPopUp::closeEvent(QCloseEvent *event)
{
    answer(closeAnswer());
    event->accept();
}
