#include "AnswerSheetLayout.h"

#include <QtMath>

#include <algorithm>

namespace AnswerSheetLayout {

namespace {

constexpr int kTwips = 15;

int px(int twips)
{
    return qRound(twips / double(kTwips));
}

QRect twipRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

} // namespace

FrameRects FrameFor(const QString &kind)
{
    const int frameWidthTwips = 3855;
    FrameRects r;
    r.letter = twipRect(0, 60, 345, 255);
    if (kind == QLatin1String("L")) {
        r.height = px(2100);
        r.answer = twipRect(360, 60, frameWidthTwips - 1000, 1000);
        r.model = twipRect(360, 60 + 1000 + 100, frameWidthTwips - 500, 1000);
        // 2100 twips leave the model box 60 twips short: the frame grows to
        // hold it with the same margin as above the answer.
        r.height = std::max(r.height, r.model.bottom() + 1 + r.answer.top());
    } else {
        r.height = px(375);
        r.answer = twipRect(360, 60, 1575, 255);
        r.model = twipRect(2400, 60, 1455, 255);
    }
    // The mark stands 105 twips right of the box, where a carried-over tick
    // of a second attempt goes too.
    r.result = QRect(r.answer.right() + 1 + px(105), r.answer.y(), px(300), px(255));
    return r;
}

QList<int> StackTops(const QList<int> &heights)
{
    const int gap = heights.size() > 15 ? -10 : 105;
    QList<int> tops;
    int top = 50;
    for (int h : heights) {
        tops.append(px(top));
        top += h * kTwips + gap;
    }
    return tops;
}

QString PartLetter(int part)
{
    if (part < 1 || part > kFrameCount)
        return QString();
    return QStringLiteral("(") + QChar(u'a' + (part - 1)) + QStringLiteral(")");
}

} // namespace AnswerSheetLayout
