#include "TopicalSection.h"

#include "ContentsLook.h"
#include "FrameMetrics.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace
{

constexpr int kNameLeft = 24;
constexpr int kNameWidth = 236;
constexpr int kTrackLeft[2] = {270, 460};
constexpr int kTrackWidth = 176;
constexpr int kTrackHeight = 18; // 270 twips
constexpr int kRowPitch = 24;    // 360 twips
constexpr int kFirstRowTop = 44;
constexpr int kMarkLeft = Module5::twipsToPixels(240);

const QColor kBarColour[2] = {QColor(0xFF, 0xC0, 0xFF), QColor(0xC0, 0xC0, 0xFF)};

} // namespace

TopicalSection::TopicalSection(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("RC2Topical"));
    setAutoFillBackground(true);

    const char *headings[2] = {"First Attempt results", "Second Attempt Score"};
    const char *headingNames[2] = {"Label5", "Label6"};
    for (int c = 0; c < 2; ++c) {
        auto *h = new QLabel(QString::fromLatin1(headings[c]), this);
        h->setObjectName(QString::fromLatin1(headingNames[c]));
        h->setFont(ContentsLook::boldFont());
        ContentsLook::setColours(h, ContentsLook::heading());
        h->setGeometry(kTrackLeft[c], kFirstRowTop - 30, kTrackWidth, 22);
    }
    auto *topicHead = new QLabel(QStringLiteral("Topic"), this);
    topicHead->setObjectName(QStringLiteral("TopicHeading"));
    topicHead->setFont(ContentsLook::boldFont());
    ContentsLook::setColours(topicHead, ContentsLook::heading());
    topicHead->setGeometry(kNameLeft, kFirstRowTop - 30, kNameWidth, 22);

    for (int i = 1; i <= 10; ++i) {
        const int top = kFirstRowTop + (i - 1) * kRowPitch;
        Row row{};
        row.name = new QLineEdit(QStringLiteral("Topic %1").arg(i), this);
        row.name->setObjectName(QStringLiteral("TopLab%1").arg(i));
        row.name->setReadOnly(true);
        row.name->setFrame(false);
        row.name->setFocusPolicy(Qt::NoFocus);
        row.name->setFont(ContentsLook::bodyFont());
        ContentsLook::setColours(row.name, ContentsLook::ink(), ContentsLook::panel());
        row.name->setGeometry(kNameLeft, top - 1, kNameWidth, kTrackHeight + 2);
        for (int c = 0; c < 2; ++c) {
            const QChar letter = c == 0 ? QLatin1Char('A') : QLatin1Char('B');
            auto *track = new QFrame(this);
            track->setObjectName(QStringLiteral("TBack%1%2").arg(i).arg(letter));
            track->setFrameStyle(QFrame::Box | QFrame::Plain);
            ContentsLook::setColours(track, ContentsLook::line(), Qt::white);
            track->setGeometry(kTrackLeft[c], top, kTrackWidth, kTrackHeight);
            const QRect inner = track->contentsRect();
            auto *bar = new QLabel(track);
            bar->setObjectName(QStringLiteral("TBar%1%2").arg(i).arg(letter));
            ContentsLook::setColours(bar, ContentsLook::ink(), kBarColour[c]);
            bar->setGeometry(inner.left(), inner.top(), 0, inner.height());
            auto *mark = new QLabel(track);
            mark->setObjectName(QStringLiteral("TMark%1%2").arg(i).arg(letter));
            mark->setFont(ContentsLook::smallFont());
            ContentsLook::setColours(mark, ContentsLook::ink());
            mark->setGeometry(inner.left() + kMarkLeft, inner.top(), inner.width() - kMarkLeft,
                              inner.height());
            row.track[c] = track;
            row.bar[c] = bar;
            row.mark[c] = mark;
        }
        m_rows.append(row);
    }
}

int TopicalSection::trackWidth() const
{
    return m_rows.first().track[0]->contentsRect().width();
}

void TopicalSection::ShowTopicBars(int row, const ReportFigures::Topic &topic)
{
    Row &r = m_rows[row - 1];
    r.name->setText(topic.name);
    r.name->setCursorPosition(0);
    r.name->setToolTip(topic.name);
    const int w = trackWidth();
    const QString texts[2] = {topic.firstText(), topic.secondText()};
    const int widths[2] = {topic.firstBarWidth(w), topic.secondBarWidth(w)};
    for (int c = 0; c < 2; ++c) {
        r.mark[c]->setText(texts[c]);
        r.bar[c]->resize(widths[c], r.bar[c]->height());
        r.bar[c]->show();
    }
    r.name->show();
}

void TopicalSection::fill(const ReportFigures &figures, int topicTotal)
{
    for (int i = 1; i <= 10; ++i)
        ShowTopicBars(i, figures.topics.value(i - 1));
    for (int k = 10; k >= 1; --k) {
        const bool shown = topicTotal >= k;
        Row &r = m_rows[k - 1];
        r.name->setVisible(shown);
        r.track[0]->setVisible(shown);
        r.track[1]->setVisible(shown);
    }
}
