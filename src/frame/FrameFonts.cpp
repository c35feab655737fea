#include "FrameFonts.h"

#include "FontChoice.h"
#include "FrameMetrics.h"


namespace Module5 {

namespace {

// The families are handed to the font matcher in order rather than looked up
// one by one: asking the font database whether a family exists loads every
// font of the system, which would cost each start tens of milliseconds.
QFont makeFont(const QStringList &families, double pointSize, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace

QFont TitleFont()
{
    static const QFont font = makeFont(TitleFamilies(), kTitlePointSize, true);
    return font;
}

QFont LabelFont()
{
    static const QFont font = makeFont(LabelFamilies(), kLabelPointSize, false);
    return font;
}

} // namespace Module5
