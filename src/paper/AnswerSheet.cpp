#include "AnswerSheet.h"

#include "AnswerFrame.h"
#include "FrameFonts.h"
#include "OptionChoice.h"
#include "PaperLayout.h"
#include "PictureBox.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

AnswerSheet::AnswerSheet(PictureCache &pictures, bool secondAttempt, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("AnsBox"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("AnsScroll"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setWidgetResizable(false);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->viewport()->setAutoFillBackground(false);
    m_canvas = new QWidget;
    m_canvas->setObjectName(QStringLiteral("AnsFrames"));
    m_canvas->setPalette(pal);
    m_canvas->setAutoFillBackground(true);
    for (int k = 1; k <= AnswerSheetLayout::kFrameCount; ++k) {
        auto *f = new AnswerFrame(k, secondAttempt, m_canvas);
        f->move(AnswerSheetLayout::kFrameLeft, 0);
        f->hide();
        f->answerBox()->installEventFilter(this);
        m_frames.append(f);
    }
    m_scroll->setWidget(m_canvas);

    m_instruction = new PictureBox(pictures, this);
    m_instruction->setObjectName(QStringLiteral("PicInstruction"));
    m_instruction->setPicture(QStringLiteral("instruction.gif"));
    m_instruction->hide();

    m_hint = new QLabel(QStringLiteral("Type 1, 2, 3 or 4"), m_canvas);
    m_hint->setObjectName(QStringLiteral("lblChoiceHint"));
    m_hint->setFont(Module5::LabelFont());
    m_hint->setStyleSheet(QStringLiteral("QLabel { color: #8a4b00; background: #fff4cc; "
                                         "border: 1px solid #e0a33a; border-radius: 3px; "
                                         "padding: 1px 4px; }"));
    m_hint->adjustSize();
    m_hint->hide();
    m_hintTimer = new QTimer(this);
    m_hintTimer->setSingleShot(true);
    m_hintTimer->setInterval(3000);
    connect(m_hintTimer, &QTimer::timeout, m_hint, &QWidget::hide);
    placeChildren();
}

AnswerFrame *AnswerSheet::frame(int part) const
{
    return m_frames.value(part - 1);
}

QLineEdit *AnswerSheet::answerBox(int part) const
{
    AnswerFrame *f = frame(part);
    return f ? f->answerBox() : nullptr;
}

void AnswerSheet::layoutFrames(const QStringList &kinds)
{
    for (int k = 1; k <= kinds.size() && k <= m_frames.size(); ++k)
        frame(k)->layoutFor(kinds.at(k - 1));
}

void AnswerSheet::showFrames(int parts)
{
    m_parts = std::clamp(parts, 0, static_cast<int>(m_frames.size()));
    QList<int> heights;
    for (int k = 1; k <= m_parts; ++k)
        heights.append(frame(k)->height());
    const QList<int> tops = AnswerSheetLayout::StackTops(heights);
    m_canvasHeight = 0;
    for (int k = 1; k <= m_frames.size(); ++k) {
        AnswerFrame *f = frame(k);
        if (k <= m_parts) {
            f->move(AnswerSheetLayout::kFrameLeft, tops.at(k - 1));
            m_canvasHeight = std::max(m_canvasHeight, f->geometry().bottom() + 1);
        }
        f->setVisible(k <= m_parts);
    }
    frame(1)->letterLabel()->setVisible(m_parts >= 2);
    m_hint->hide();
    placeChildren();
    m_scroll->verticalScrollBar()->setValue(0);
}

void AnswerSheet::setInstructionVisible(bool visible)
{
    m_instruction->setVisible(visible);
    placeChildren();
}

void AnswerSheet::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeChildren();
}

void AnswerSheet::placeChildren()
{
    // At the foot of the sheet, as the window's layout places it.
    const QSize pic = Module5::kInstructionSize;
    m_instruction->setGeometry((width() - pic.width()) / 2, height() - pic.height(), pic.width(),
                               pic.height());
    const int framesHeight =
        std::max(0, height() - (m_instruction->isVisible() ? m_instruction->height() : 0));
    m_scroll->setGeometry(0, 0, width(), framesHeight);
    m_canvas->resize(std::max(0, width() - (m_canvasHeight > framesHeight
                                                ? m_scroll->verticalScrollBar()->sizeHint().width()
                                                : 0)),
                     m_canvasHeight + 4);
}

QList<QLineEdit *> AnswerSheet::typingBoxes() const
{
    QList<QLineEdit *> boxes, shown;
    for (int k = 1; k <= m_parts; ++k) {
        QLineEdit *box = answerBox(k);
        shown.append(box);
        if (!box->isReadOnly())
            boxes.append(box);
    }
    // A marked paper has no box to type in; moving still works.
    return boxes.isEmpty() ? shown : boxes;
}

int AnswerSheet::partOf(QObject *box) const
{
    for (int k = 1; k <= m_frames.size(); ++k)
        if (answerBox(k) == box)
            return k;
    return 0;
}

void AnswerSheet::focusFirstBox()
{
    const QList<QLineEdit *> boxes = typingBoxes();
    if (!boxes.isEmpty())
        boxes.first()->setFocus(Qt::OtherFocusReason);
}

bool AnswerSheet::optionKey(QLineEdit *box, const QKeyEvent *key)
{
    // Keys that type nothing, and shortcuts, go their usual way.
    const QString text = key->text();
    if (!box->validator() || box->isReadOnly() || text.isEmpty() || !text.at(0).isPrint()
        || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    if (OptionChoice::IsOptionDigit(text)) {
        m_hint->hide();
        // The box holds one option: a new one replaces it.
        box->selectAll();
        return false;
    }
    showOptionHint(box);
    return true;
}

void AnswerSheet::showOptionHint(QLineEdit *box)
{
    const QPoint at = box->mapTo(m_canvas, QPoint(box->width() + 6, 0));
    m_hint->move(at.x(), at.y() + (box->height() - m_hint->height()) / 2);
    m_hint->show();
    m_hint->raise();
    m_hintTimer->start();
}

bool AnswerSheet::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (const int k = partOf(watched))
            m_scroll->ensureWidgetVisible(frame(k), 0, 8);
        return false;
    }
    if (event->type() == QEvent::FocusOut) {
        m_hint->hide();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    auto *box = qobject_cast<QLineEdit *>(watched);
    if (box && optionKey(box, key))
        return true;
    // The page beside the sheet scrolls while the keys stay here.
    const bool withModifier = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    switch (key->key()) {
    case Qt::Key_PageUp:
        emit pageScrollRequested(QuestionBrowser::Scroll::PageUp);
        return true;
    case Qt::Key_PageDown:
        emit pageScrollRequested(QuestionBrowser::Scroll::PageDown);
        return true;
    case Qt::Key_Up:
        if (!withModifier)
            break;
        emit pageScrollRequested(QuestionBrowser::Scroll::LineUp);
        return true;
    case Qt::Key_Down:
        if (!withModifier)
            break;
        emit pageScrollRequested(QuestionBrowser::Scroll::LineDown);
        return true;
    default:
        break;
    }
    const QList<QLineEdit *> boxes = typingBoxes();
    const int at = static_cast<int>(boxes.indexOf(static_cast<QLineEdit *>(watched)));
    if (at < 0 || boxes.isEmpty())
        return false;
    const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    switch (key->key()) {
    case Qt::Key_Tab:
        if (!plain || (key->modifiers() & Qt::ShiftModifier))
            return false;
        boxes.at((at + 1) % boxes.size())->setFocus(Qt::TabFocusReason);
        return true;
    case Qt::Key_Backtab:
        if (!plain)
            return false;
        boxes.at((at + boxes.size() - 1) % boxes.size())->setFocus(Qt::BacktabFocusReason);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!plain)
            return false;
        if (at + 1 < boxes.size())
            boxes.at(at + 1)->setFocus(Qt::TabFocusReason);
        else
            emit lastBoxEntered();
        return true;
    default:
        return false;
    }
}
