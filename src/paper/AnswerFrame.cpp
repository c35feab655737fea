#include "AnswerFrame.h"

#include "Borders.h"
#include "FrameFonts.h"
#include "Marking.h"
#include "OptionChoice.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace {

constexpr int kOutlineDraw = 0;  // light grey
constexpr int kOutlineErase = 2; // the frame's background

QFont boxFont()
{
    QFont f = Module5::LabelFont();
    f.setPointSizeF(9.5);
    return f;
}

QFont markFont()
{
    // The marks are plain characters, so any font with them will do.
    QFont f;
    f.setPointSizeF(12);
    f.setBold(true);
    return f;
}

QLabel *makeMark(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setFont(markFont());
    label->setAlignment(Qt::AlignCenter);
    label->hide();
    return label;
}

} // namespace

AnswerFrame::AnswerFrame(int part, bool secondAttempt, QWidget *parent)
    : QWidget(parent)
{
    const QString k = QString::number(part);
    setObjectName(QStringLiteral("Frame") + k);

    m_letter = new QLabel(AnswerSheetLayout::PartLetter(part), this);
    m_letter->setObjectName(QStringLiteral("QL") + k);
    QFont letterFont = Module5::LabelFont();
    letterFont.setBold(true);
    m_letter->setFont(letterFont);
    m_letter->setStyleSheet(QStringLiteral("color: #1f5fae"));

    auto *unused = new QLabel(QStringLiteral("T"), this);
    unused->setObjectName(QStringLiteral("T") + k);
    unused->hide();

    m_answer = new QLineEdit(this);
    m_answer->setObjectName(QStringLiteral("FA") + k);
    m_answer->setToolTip(QStringLiteral("Enter your answer"));
    m_answer->setFrame(false);
    m_answer->setFont(boxFont());
    m_answer->setAutoFillBackground(true);

    m_model = new QLineEdit(QStringLiteral("M"), this);
    m_model->setObjectName(QStringLiteral("M") + k);
    m_model->setFrame(false);
    m_model->setReadOnly(true);
    m_model->setFocusPolicy(Qt::NoFocus);
    m_model->setFont(boxFont());
    m_model->setToolTip(QStringLiteral("Model answer"));
    m_model->setStyleSheet(QStringLiteral("QLineEdit { background: #fff6d5; color: #6a4b00; }"));
    m_model->hide();

    m_result = makeMark(QStringLiteral("FR") + k, this);
    if (secondAttempt)
        m_secondResult = makeMark(QStringLiteral("SR") + k, this);

    layoutFor(QString());
}

void AnswerFrame::outline(QWidget *box, bool drawn)
{
    Module5::drawborder(box, this, drawn ? kOutlineDraw : kOutlineErase);
}

void AnswerFrame::layoutFor(const QString &kind)
{
    const bool tall = kind == QLatin1String("L");
    if (m_laidOut && tall == m_tall)
        return;
    m_laidOut = true;
    m_tall = tall;
    const AnswerSheetLayout::FrameRects r = AnswerSheetLayout::FrameFor(kind);
    outline(m_answer, false);
    if (m_modelOutlined)
        outline(m_model, false);
    resize(AnswerSheetLayout::kFrameWidth, r.height);
    m_letter->setGeometry(r.letter);
    m_answer->setGeometry(r.answer);
    m_answer->setAlignment(tall ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignLeft | Qt::AlignVCenter);
    m_model->setGeometry(r.model);
    m_result->setGeometry(r.result);
    if (m_secondResult)
        m_secondResult->setGeometry(r.result);
    outline(m_answer, true);
    if (m_modelOutlined)
        outline(m_model, true);
}

void AnswerFrame::showMark(QLabel *label, const QString &mark, bool visible)
{
    if (!label)
        return;
    label->setText(MarkGlyph(mark));
    label->setStyleSheet(mark == Module1::CorrectMark ? QStringLiteral("color: #1c8a2e")
                                                      : QStringLiteral("color: #c62828"));
    label->setVisible(visible);
}

void AnswerFrame::show(const AnswerFrameView &view)
{
    m_answer->setMaxLength(view.maxLength > 0 ? view.maxLength : 32767);
    // A multiple-choice part takes the number of an option, and nothing else.
    const bool option = view.maxLength == 1;
    m_answer->setPlaceholderText(option && !view.locked ? QStringLiteral("1 to 4") : QString());
    if (option && !m_optionDigits)
        m_optionDigits = new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[1-%1]").arg(OptionChoice::kOptionCount)), this);
    m_answer->setValidator(option ? m_optionDigits : nullptr);
    m_answer->setText(view.answer);
    m_answer->setCursorPosition(0);
    m_answer->setReadOnly(view.locked);
    m_answer->setFocusPolicy(view.locked ? Qt::ClickFocus : Qt::StrongFocus);
    QPalette pal = m_answer->palette();
    pal.setColor(QPalette::Base, view.carried ? CarriedColour : BoxColour);
    m_answer->setPalette(pal);

    m_model->setText(view.model);
    m_model->setCursorPosition(0);
    m_model->setVisible(view.modelVisible);
    if (view.modelVisible != m_modelOutlined) {
        m_modelOutlined = view.modelVisible;
        outline(m_model, m_modelOutlined);
    }
    showMark(m_result, view.firstMark, view.firstMarkVisible);
    showMark(m_secondResult, view.secondMark, view.secondMarkVisible);
}
