#include "PopUpLayout.h"

#include "FrameMetrics.h"

namespace Module5 {

PopUpFixedLayout PopUpFixed(int titleHeight)
{
    PopUpFixedLayout l;
    l.title = QPoint(kPopUpMargin, (kTopBarHeight - titleHeight) / 2);
    l.info = QRect(QPoint(l.title.x(), kTopBarHeight + kPopUpMargin), kPopUpInfoSize);
    l.messageLeft = l.info.x() + l.info.width() + kPopUpMessageGap;
    l.messageTop = l.info.y();
    l.buttonTop = kPopUpSize.height() - kButtonSize.height() - kPopUpMargin;
    return l;
}

int PopUpMessageTop(const PopUpFixedLayout &fixed, const QString &message)
{
    return message.size() <= kPopUpOneLineLength ? fixed.info.y() + kPopUpOneLineDrop
                                                 : fixed.info.y();
}

PopUpButtons PopUpButtonLayout(const PopUpFixedLayout &fixed, int numOfButtons)
{
    PopUpButtons b;
    if (numOfButtons == 1) {
        b.valid = true;
        b.firstLeft = (kPopUpSize.width() - kButtonSize.width()) / 2;
        b.firstCaption = QStringLiteral("OK");
    } else if (numOfButtons == 2) {
        b.valid = true;
        b.secondVisible = true;
        b.firstLeft = fixed.messageLeft;
        b.secondLeft = b.firstLeft + kButtonSize.width() + kPopUpButtonGap;
        b.firstCaption = QStringLiteral("Yes");
        b.secondCaption = QStringLiteral("No");
    }
    return b;
}

QPoint CentreOver(const QRect &master, QSize size)
{
    return {master.x() + (master.width() - size.width()) / 2,
            master.y() + (master.height() - size.height()) / 2};
}

} // namespace Module5
