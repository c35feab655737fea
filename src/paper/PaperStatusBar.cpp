#include "PaperStatusBar.h"

#include "FrameFonts.h"
#include "PictureBox.h"

#include <QComboBox>
#include <QLabel>

namespace {

constexpr int kHeight = 25;
constexpr int kPanelGap = 4;
constexpr int kRemWidth = 200;   // bottombg2
constexpr int kPanelWidth = 160; // bottombg1, bottombg3

QColor pale()
{
    return QColor(244, 245, 235);
}

} // namespace

PaperStatusBar::PaperStatusBar(PictureCache &pictures, bool secondAttempt, QWidget *parent)
    : QWidget(parent), m_pictures(pictures)
{
    setObjectName(QStringLiteral("RemQnsBG"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pale());
    setPalette(pal);

    m_txtRem = panel("TxtRem", QStringLiteral("bottombg2.bmp"), 0, kRemWidth);
    label(m_txtRem, QStringLiteral("TxtRemlbl"), QStringLiteral("Qns left:"), QRect(10, 0, 60, kHeight));
    m_remQns = new QComboBox(m_txtRem);
    m_remQns->setObjectName(QStringLiteral("RemQns"));
    m_remQns->setToolTip(QStringLiteral("Select a remaining question"));
    m_remQns->setFont(Module5::LabelFont());
    m_remQns->setPlaceholderText(QStringLiteral("Go to..."));
    m_remQns->setGeometry(70, 3, 120, kHeight - 6);
    connect(m_remQns, &QComboBox::activated, this, [this](int index) {
        const int question = m_remQns->itemText(index).toInt();
        if (question > 0)
            emit questionChosen(question);
    });
    m_scorePanel = panel("ScoreBG", QStringLiteral("bottombg2.bmp"), 0, kRemWidth);
    m_scorePanel->hide();
    m_score = label(m_scorePanel, QStringLiteral("lblScore"), QString(),
                    QRect(10, 0, kRemWidth - 20, kHeight));
    QFont bold = Module5::LabelFont();
    bold.setBold(true);
    bold.setPointSizeF(9.5);
    m_score->setFont(bold);
    m_score->setStyleSheet(QStringLiteral("color: #16385f"));
    m_score->setToolTip(QStringLiteral("Score"));

    int left = kRemWidth + kPanelGap;
    auto answeredPanel = [&](const char *name, const QString &picture) {
        PictureBox *p = panel(name, picture, left, kPanelWidth);
        label(p, QString(), QStringLiteral("Answered:"), QRect(10, 0, 62, kHeight));
        m_answered = label(p, QStringLiteral("lblAnsweredQ"), QStringLiteral("0"),
                           QRect(70, 0, 22, kHeight), Qt::AlignRight | Qt::AlignVCenter);
        m_answered->setToolTip(QStringLiteral("Number of questions answered"));
        label(p, QString(), QStringLiteral("of"), QRect(94, 0, 16, kHeight), Qt::AlignCenter);
        m_total = label(p, QStringLiteral("lblTotalQ"), QStringLiteral("0"),
                        QRect(112, 0, 40, kHeight));
        m_total->setToolTip(QStringLiteral("Total number of questions"));
        left += kPanelWidth + kPanelGap;
    };

    if (secondAttempt) {
        PictureBox *p = panel("Bot1", QStringLiteral("bottombg1.bmp"), left, kPanelWidth);
        QLabel *second = label(p, QStringLiteral("lblSecondAttempt"), QStringLiteral("Second Attempt"),
                               QRect(0, 0, kPanelWidth, kHeight), Qt::AlignCenter);
        second->setFont(bold);
        second->setStyleSheet(QStringLiteral("color: #8a5a00"));
        left += kPanelWidth + kPanelGap;
        answeredPanel("Bot3", QStringLiteral("bottombg3.bmp"));
        return;
    }
    answeredPanel("Bot1", QStringLiteral("bottombg3.bmp"));

    PictureBox *clock = panel("Bot2", QStringLiteral("bottombg3.bmp"), left, kPanelWidth);
    m_timeCaption = label(clock, QString(), QStringLiteral("Time:"), QRect(10, 0, 70, kHeight));
    m_clock = label(clock, QStringLiteral("lblClock"), QStringLiteral("00:00:00"), QRect(48, 0, 100, kHeight));
    m_clock->setToolTip(QStringLiteral("Clock"));
    m_timeTaken = label(clock, QStringLiteral("LTime"), QString(), QRect(78, 0, 76, kHeight));
    m_timeTaken->setToolTip(QStringLiteral("Time taken"));
    m_timeTaken->hide();
    left += kPanelWidth + kPanelGap;

    PictureBox *date = panel("Bot3", QStringLiteral("bottombg3.bmp"), left, kPanelWidth);
    m_dateCaption = label(date, QString(), QStringLiteral("Date:"), QRect(10, 0, 70, kHeight));
    m_date = label(date, QStringLiteral("lblDate"), QString(), QRect(48, 0, 100, kHeight));
    m_date->setToolTip(QStringLiteral("Date"));
    m_dateDone = label(date, QStringLiteral("ETime"), QString(), QRect(78, 0, 76, kHeight));
    m_dateDone->setToolTip(QStringLiteral("Date completed"));
    m_dateDone->hide();
}

PictureBox *PaperStatusBar::panel(const char *name, const QString &picture, int left, int width)
{
    auto *p = new PictureBox(m_pictures, this);
    p->setObjectName(QString::fromLatin1(name));
    p->setPicture(picture);
    p->setGeometry(left, 0, width, kHeight);
    return p;
}

QLabel *PaperStatusBar::label(QWidget *parent, const QString &name, const QString &text,
                              const QRect &at, Qt::Alignment align)
{
    auto *l = new QLabel(text, parent);
    if (!name.isEmpty())
        l->setObjectName(name);
    l->setFont(Module5::LabelFont());
    l->setAlignment(align);
    l->setAttribute(Qt::WA_TranslucentBackground);
    l->setGeometry(at);
    return l;
}

void PaperStatusBar::setRemaining(const QList<int> &questions)
{
    m_remQns->clear();
    for (int q : questions)
        m_remQns->addItem(QString::number(q));
    m_remQns->setCurrentIndex(-1);
}

void PaperStatusBar::setAnswered(int answered, int total)
{
    m_answered->setText(QString::number(answered));
    m_total->setText(QString::number(total));
}

void PaperStatusBar::setClock(const QString &text)
{
    if (m_clock)
        m_clock->setText(text);
}

void PaperStatusBar::setDate(const QString &text)
{
    if (m_date)
        m_date->setText(text);
}

void PaperStatusBar::showMarked(const QString &score, const QString &timeTaken,
                                const QString &dateDone)
{
    m_txtRem->hide();
    m_score->setText(score.isEmpty() ? QStringLiteral("Score: none")
                                     : QStringLiteral("Score: ") + score + QStringLiteral("%"));
    m_scorePanel->show();
    if (!m_clock)
        return;
    m_timeCaption->setText(QStringLiteral("Time taken:"));
    m_timeTaken->setText(timeTaken);
    m_clock->hide();
    m_timeTaken->show();
    m_dateCaption->setText(QStringLiteral("Completed:"));
    m_dateDone->setText(dateDone);
    m_date->hide();
    m_dateDone->show();
}
