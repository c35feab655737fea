#include "FrameFonts.h"

#include "FontChoice.h"
#include "FrameMetrics.h"

#include <QFontDatabase>

namespace Module5 {

namespace {

QFont makeFont(const QStringList &families, double pointSize, bool bold)
{
    QFont font(ChooseFamily(families, [](const QString &f) { return QFontDatabase::hasFamily(f); }));
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
