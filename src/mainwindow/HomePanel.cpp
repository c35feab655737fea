#include "HomePanel.h"

#include "Accessibility.h"
#include "ContentsLook.h"
#include "FrameMetrics.h"
#include "HomeRules.h"
#include "PercentColumn.h"
#include "PictureButton.h"
#include "SkinnedWindow.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace
{

// Pixels of the panel. The column headings keep their pictures' widths.
constexpr int kTop = 16;
constexpr int kTopicLeft = 22;
constexpr int kTopicWidth = 240;
constexpr int kPaperLeft = kTopicLeft + kTopicWidth + 24;
constexpr int kPaperWidth = 360;
constexpr int kHeadHeight = 26;
constexpr int kListTop = kTop + kHeadHeight + 12;
constexpr int kTopicPitch = 29;
constexpr int kTopicHeight = 24;
constexpr int kRowPitch = 58;
constexpr int kLineHeight = 20;
constexpr int kTipTop = kListTop + 10 * kTopicPitch + 16;
constexpr int kLinePitch = 22;
// Inside the paper column.
constexpr int kAttemptLeft = 86;
constexpr int kPercentLeft = 222;
constexpr int kButtonLeft = 244;
constexpr int kButtonCaptionLeft = kButtonLeft + 41;
// The score's right edge sits 20 twips left of the "%" column.
constexpr int kScoreGap = Module5::twipsToPixels(20);

QLabel *label(QWidget *parent, const QString &name, const QString &text, const QFont &font,
              const QColor &colour)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(font);
    ContentsLook::setColours(l, colour);
    return l;
}

int rowTop(int row)
{
    return kListTop + (row - 1) * kRowPitch;
}

} // namespace

HomePanel::HomePanel(SkinnedWindow &window, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Body_Home"));
    setAutoFillBackground(true);
    buildTopics(window);
    buildPapers(window);

    // A word on how the panel works, for a pupil new to it.
    auto *info = new PictureBox(window.pictures(), this);
    info->setObjectName(QStringLiteral("HomeTipIcon"));
    info->setPicture(QStringLiteral("info_mark.gif"));
    info->setGeometry(kTopicLeft, kTipTop, 32, 27);
    QLabel *tip =
        label(this, QStringLiteral("lblHomeTip"),
              QStringLiteral("Choose a topic, then click the green arrow to open a paper. "
                             "When a paper has been marked, \"Try again\" lets you improve "
                             "your score."),
              ContentsLook::smallFont(), ContentsLook::ink());
    tip->setWordWrap(true);
    tip->setGeometry(kTopicLeft + 42, kTipTop - 4, kPaperLeft + kPaperWidth - kTopicLeft - 42, 36);
    m_listWidgets << info << tip;

    m_message = label(this, QStringLiteral("lblHomeMessage"), QString(), ContentsLook::bodyFont(),
                      ContentsLook::heading());
    m_message->setTextFormat(Qt::RichText);
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignCenter);
    m_message->hide();
}

void HomePanel::buildTopics(SkinnedWindow &window)
{
    m_colHead1 = new PictureBox(window.pictures(), this);
    m_colHead1->setObjectName(QStringLiteral("ColHead1"));
    m_colHead1->setPicture(QStringLiteral("columnhead1.bmp"));
    m_colHead1->setGeometry(kTopicLeft, kTop, kTopicWidth, kHeadHeight);
    QLabel *head = label(this, QStringLiteral("ColHead1lbl"), QStringLiteral("Select a Topic"),
                         ContentsLook::boldFont(), ContentsLook::heading());
    head->setGeometry(m_colHead1->geometry().adjusted(12, 0, -8, 0));
    m_listWidgets << m_colHead1 << head;

    for (int k = 1; k <= 10; ++k) {
        const int top = kListTop + (k - 1) * kTopicPitch;
        auto *bullet = new PictureBox(window.pictures(), this);
        bullet->setObjectName(QStringLiteral("Bullet%1").arg(k));
        bullet->setPicture(QStringLiteral("bullet.bmp"));
        bullet->setGeometry(kTopicLeft + 4, top + (kTopicHeight - 12) / 2, 12, 12);
        QLabel *topic =
            label(this, QStringLiteral("Topic%1").arg(k), QStringLiteral("Topic %1").arg(k),
                  ContentsLook::bodyFont(), Qt::black);
        topic->setGeometry(kTopicLeft + 22, top, kTopicWidth - 22, kTopicHeight);
        topic->setIndent(8);
        topic->setToolTip(QStringLiteral("Click to select topic"));
        topic->setCursor(Qt::PointingHandCursor);
        topic->setAutoFillBackground(true);
        topic->setFocusPolicy(Qt::StrongFocus);
        Accessibility::actsAs(topic);
        topic->installEventFilter(this);
        bullet->installEventFilter(this);
        m_topics << topic;
        m_bullets << bullet;
    }
}

void HomePanel::buildPapers(SkinnedWindow &window)
{
    m_colHead2 = new PictureBox(window.pictures(), this);
    m_colHead2->setObjectName(QStringLiteral("ColHead2"));
    m_colHead2->setPicture(QStringLiteral("columnhead2.bmp"));
    m_colHead2->setGeometry(kPaperLeft, kTop, kPaperWidth, kHeadHeight);
    // The heading of the paper list names the chosen topic.
    m_subH1 = label(this, QStringLiteral("SubH1"), QStringLiteral("Select a Paper"),
                    ContentsLook::boldFont(), ContentsLook::heading());
    m_subH1->setGeometry(m_colHead2->geometry().adjusted(12, 0, -8, 0));
    m_listWidgets << m_colHead2 << m_subH1;

    m_percent = new PercentColumn(kLineHeight, this);
    m_percent->setObjectName(QStringLiteral("Percent1a"));
    m_percent->setFont(ContentsLook::boldFont());
    ContentsLook::setColours(m_percent, ContentsLook::ink());
    m_percent->setGeometry(kPaperLeft + kPercentLeft, kListTop, 16, 5 * kRowPitch);
    m_listWidgets << m_percent;

    for (int r = 1; r <= 5; ++r) {
        const int top = rowTop(r);
        const int x = kPaperLeft;
        QLabel *name =
            label(this, QStringLiteral("LblP%1").arg(r), QStringLiteral("Paper %1").arg(r),
                  ContentsLook::boldFont(), ContentsLook::heading());
        name->setGeometry(x + 10, top, kAttemptLeft - 14, kLineHeight);
        QLabel *first =
            label(this, QStringLiteral("LblFirst%1").arg(r), QStringLiteral("1st Attempt:"),
                  ContentsLook::bodyFont(), ContentsLook::ink());
        first->setGeometry(x + kAttemptLeft, top, 100, kLineHeight);
        QLabel *second =
            label(this, QStringLiteral("LblSecond%1").arg(r), QStringLiteral("2nd Attempt:"),
                  ContentsLook::bodyFont(), ContentsLook::ink());
        second->setGeometry(x + kAttemptLeft, top + kLinePitch, 100, kLineHeight);
        m_listWidgets << name << first << second;

        for (int take = 1; take <= 2; ++take) {
            const int lineTop = top + (take - 1) * kLinePitch;
            QLabel *score = label(this, QStringLiteral("MS%1%2").arg(take == 1 ? 'A' : 'B').arg(r),
                                  QString(), ContentsLook::boldFont(), ContentsLook::ink());
            score->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            score->move(x + kPercentLeft, lineTop);
            (take == 1 ? m_msa : m_msb) << score;
            m_listWidgets << score;

            const QString id = QStringLiteral("P%1%2").arg(r).arg(take == 1 ? 'a' : 'b');
            const QRect at(QPoint(x + kButtonLeft,
                                  lineTop + (kLineHeight - Module5::kLoadButtonSize.height()) / 2),
                           Module5::kLoadButtonSize);
            PictureButton *button = window.addButton(PictureButton::Rule::TwoState, id, at, this);
            button->setBase(QStringLiteral("loadbutton"));
            button->setCursor(Qt::PointingHandCursor);
            QLabel *caption = button->createCaption(
                id + QStringLiteral("lbl"), QRect(x + kButtonCaptionLeft, lineTop,
                                                  kPaperWidth - kButtonCaptionLeft, kLineHeight));
            caption->setText(take == 1 ? QStringLiteral("Open paper")
                                       : QStringLiteral("Try again"));
            caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            caption->setFont(ContentsLook::smallFont());
            caption->setCursor(Qt::PointingHandCursor);
            ContentsLook::setColours(caption, ContentsLook::accent());
            button->setTips(take == 1 ? QStringLiteral("Load paper %1").arg(r)
                                      : QStringLiteral("Try paper %1 again").arg(r));
            // The captions are alike in every row; the tooltip names the paper.
            button->setAccessibleName(button->toolTip());
            button->setFocusPolicy(Qt::TabFocus);
            connect(button, &PictureButton::clicked, this,
                    [this, r, take] { emit paperClicked(r - 1, take); });
            connect(button, &PictureButton::focusEntered, this,
                    [this, r, take] { emit paperButtonFocused(r - 1, take); });
            (take == 1 ? m_loadA : m_loadB) << button;
            m_listWidgets << button << caption;
            button->installEventFilter(this);
            caption->installEventFilter(this);
        }
        if (r < 5) {
            auto *rule = new QWidget(this);
            rule->setObjectName(QStringLiteral("RowRule%1").arg(r));
            ContentsLook::setColours(rule, ContentsLook::ink(), ContentsLook::line());
            rule->setGeometry(x + 6, top + kRowPitch - 8, kPaperWidth - 12, 1);
            m_listWidgets << rule;
        }
    }
}

void HomePanel::setTopics(const QStringList &names, int topicTotal)
{
    for (int k = 1; k <= 10; ++k) {
        m_topics.at(k - 1)->setText(names.value(k - 1));
        ShowTopicEntry(k, k <= topicTotal);
    }
}

void HomePanel::ShowTopicEntry(int index, bool shown)
{
    m_topics.at(index - 1)->setVisible(shown && m_message->isHidden());
    m_bullets.at(index - 1)->setVisible(shown && m_message->isHidden());
}

void HomePanel::TopicChoosing(int firstPaper, const QStringList &topicNames, const MarksRows &rows)
{
    for (int r = 1; r <= 5; ++r) {
        m_msa.at(r - 1)->setText(rows.FSE.value(firstPaper + r - 2));
        m_msb.at(r - 1)->setText(rows.SSE.value(firstPaper + r - 2));
    }
    if (const int topic = HomeRules::TopicOfFirstPaper(firstPaper))
        m_subH1->setText(topicNames.value(topic - 1));
    ShowPaperList();
}

void HomePanel::Topicbuttoncolour(int topic)
{
    // Every topic plain, then the chosen one inverted.
    const QColor highlightText = palette().color(QPalette::HighlightedText);
    bool listHasFocus = false;
    for (QLabel *t : std::as_const(m_topics)) {
        ContentsLook::setColours(t, Qt::black, highlightText);
        listHasFocus = listHasFocus || t->hasFocus();
    }
    if (QLabel *chosen = topicLabel(topic)) {
        m_chosen = topic;
        ContentsLook::setColours(chosen, highlightText, QColor(0x80, 0x80, 0x80));
        // The focus of the list is on the chosen topic.
        if (listHasFocus)
            chosen->setFocus(Qt::OtherFocusReason);
    }
}

QList<QWidget *> HomePanel::focusStops() const
{
    QList<QWidget *> stops;
    if (QLabel *topic = chosenTopicLabel(); topic && !topic->isHidden())
        stops << topic;
    for (int r = 0; r < 5; ++r) {
        for (PictureButton *button : {m_loadA.at(r), m_loadB.at(r)}) {
            if (!button->isHidden())
                stops << button;
        }
    }
    return stops;
}

bool HomePanel::topicKey(int topic, int key)
{
    int shown = 0;
    while (shown < 10 && !m_topics.at(shown)->isHidden())
        ++shown;
    int to = topic;
    switch (key) {
    case Qt::Key_Up: to = topic - 1; break;
    case Qt::Key_Down: to = topic + 1; break;
    case Qt::Key_Home: to = 1; break;
    case Qt::Key_End: to = shown; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: break;
    default: return false;
    }
    if (to >= 1 && to <= shown) {
        emit topicClicked(to);
        m_topics.at(to - 1)->setFocus(Qt::OtherFocusReason);
    }
    return true;
}

void HomePanel::ShowPaperList()
{
    QList<int> percentLines;
    const int column = m_percent->x();
    for (int r = 1; r <= 5; ++r) {
        for (QLabel *score : {m_msa.at(r - 1), m_msb.at(r - 1)}) {
            score->adjustSize();
            score->resize(score->width(), kLineHeight);
            if (score->text().isEmpty()) {
                score->move(column, score->y());
            } else {
                score->move(column - score->width() - kScoreGap, score->y());
                percentLines << score->y() - m_percent->y();
            }
        }
        const bool tryAgain =
            HomeRules::OffersTryAgain(m_msa.at(r - 1)->text()) && m_message->isHidden();
        m_loadB.at(r - 1)->setVisible(tryAgain);
        if (QLabel *caption = m_loadB.at(r - 1)->caption())
            caption->setVisible(tryAgain);
    }
    m_percent->setLines(percentLines);
}

void HomePanel::setMessage(const QString &message)
{
    const bool lists = message.isEmpty();
    m_message->setText(message);
    m_message->setGeometry(rect().adjusted(60, 40, -60, -40));
    m_message->setVisible(!lists);
    for (QWidget *w : std::as_const(m_listWidgets))
        w->setVisible(lists);
    if (!lists) {
        for (int k = 1; k <= 10; ++k)
            ShowTopicEntry(k, false);
    }
    ShowPaperList();
}

bool HomePanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter) {
        for (const QList<PictureButton *> &buttons : {m_loadA, m_loadB})
            for (PictureButton *b : buttons)
                if (watched == b || watched == b->caption())
                    emit paperApproached();
    }
    if (event->type() == QEvent::KeyPress) {
        const int topic = static_cast<int>(m_topics.indexOf(qobject_cast<QLabel *>(watched))) + 1;
        auto *key = static_cast<QKeyEvent *>(event);
        if (topic >= 1 && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            && topicKey(topic, key->key()))
            return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && mouse->button() == Qt::LeftButton &&
            widget->rect().contains(mouse->position().toPoint())) {
            for (int k = 1; k <= 10; ++k) {
                if (watched == m_topics.at(k - 1) || watched == m_bullets.at(k - 1)) {
                    emit topicClicked(k);
                    return true;
                }
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

PictureButton *HomePanel::loadButton(int row, int take) const
{
    return (take == 2 ? m_loadB : m_loadA).value(row - 1);
}
