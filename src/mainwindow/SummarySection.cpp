#include "SummarySection.h"

#include "ContentsLook.h"
#include "ShadedBox.h"

#include <QLabel>

namespace
{

constexpr QRect kCard(84, 50, 500, 216);
constexpr int kCaptionRight = kCard.left() + 262;
constexpr int kRowPitch = 36;

} // namespace

SummarySection::SummarySection(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("RC1Summary"));
    setAutoFillBackground(true);
    auto *card = new ShadedBox(ShadedBox::cardStyle(), this);
    card->setGeometry(kCard);

    struct Pair {
        const char *caption, *captionName, *valueName;
        QLabel **value;
    };
    const Pair pairs[] = {
        {"Number of Papers Completed:", "SumyL5", "PCNum", &m_pcNum},
        {"First Attempt Average Score:", "SumyL1", "OScore1", &m_oScore1},
        {"Second Attempt Average Score:", "SumyL2", "OScore2", &m_oScore2},
        {"Strongest Topic:", "SumyL4", "ST", &m_st},
        {"Weakest Topic:", "SumyL3", "WT", &m_wt},
    };
    int top = kCard.top() + 26;
    for (const Pair &pair : pairs) {
        auto *caption = new QLabel(QString::fromLatin1(pair.caption), this);
        caption->setObjectName(QString::fromLatin1(pair.captionName));
        caption->setFont(ContentsLook::bodyFont());
        ContentsLook::setColours(caption, ContentsLook::ink());
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        caption->setGeometry(kCard.left() + 16, top, kCaptionRight - kCard.left() - 16, 24);
        auto *value = new QLabel(NoReportData, this);
        value->setObjectName(QString::fromLatin1(pair.valueName));
        value->setFont(ContentsLook::boldFont());
        ContentsLook::setColours(value, ContentsLook::heading());
        value->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        value->setGeometry(kCaptionRight + 12, top, kCard.right() - kCaptionRight - 24, 24);
        *pair.value = value;
        top += kRowPitch;
    }
}

void SummarySection::fill(const ReportFigures &f)
{
    m_pcNum->setText(f.PCNum);
    m_oScore1->setText(f.OScore1);
    m_oScore2->setText(f.OScore2);
    m_st->setText(f.ST);
    m_wt->setText(f.WT);
    // Long topic names are cut at the card's edge; the whole name is the tip.
    for (QLabel *name : {m_st, m_wt})
        name->setToolTip(name->text() == NoReportData ? QString() : name->text().trimmed());
}
