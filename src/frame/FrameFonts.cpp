#include "FrameFonts.h"

#include "FontChoice.h"
#include "FontConfigWarmUp.h"
#include "FrameMetrics.h"


namespace Module5 {

namespace {

// The installed family is chosen here rather than left to the font matcher:
// for each family it lacks, the matcher ranks every font of the system as a
// fallback before it tries the next name, and that costs each start
// milliseconds.
QFont makeFont(const QStringList &families, double pointSize, bool bold)
{
    QFont font;
    font.setFamily(ChooseFamily(families, &FontConfigWarmUp::hasFamily));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    // Unhinted, as the pictures around them: the same shapes on every
    // desktop, and each letter drawn in about half the time at start.
    font.setHintingPreference(QFont::PreferNoHinting);
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
