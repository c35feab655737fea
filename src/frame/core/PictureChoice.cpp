#include "PictureChoice.h"

namespace Module5 {

QString StateName(ButtonState state)
{
    switch (state) {
    case ButtonState::Off:
        return QStringLiteral("off");
    case ButtonState::On:
        return QStringLiteral("on");
    case ButtonState::Pressed:
        return QStringLiteral("pressed");
    case ButtonState::Disabled:
        return QStringLiteral("disabled");
    }
    return {};
}

QString PictureFile(const QString &base, ButtonState state)
{
    return base + QLatin1Char('_') + StateName(state) + QStringLiteral(".bmp");
}

bool PtInRect(const QRect &rect, const QPoint &point)
{
    // QRect::right() is the last pixel inside; the window system's right edge
    // is one past it and lies outside.
    return point.x() >= rect.x() && point.x() < rect.x() + rect.width() && point.y() >= rect.y()
           && point.y() < rect.y() + rect.height();
}

ButtonState TwoState(bool inside)
{
    return inside ? ButtonState::On : ButtonState::Off;
}

ButtonState ToolbarState(bool available, bool inside, bool pressFlag)
{
    if (!available)
        return ButtonState::Disabled;
    if (!inside)
        return ButtonState::Off;
    return pressFlag ? ButtonState::Pressed : ButtonState::On;
}

QString TabPicture(bool current, bool inside)
{
    return PictureFile(current ? QStringLiteral("tabs_front") : QStringLiteral("tabs_back"),
                       TwoState(inside));
}

namespace {

QString buttonName(WindowButton button, bool maximised)
{
    switch (button) {
    case WindowButton::Close:
        return QStringLiteral("close");
    case WindowButton::Max:
        return maximised ? QStringLiteral("norm") : QStringLiteral("max");
    case WindowButton::Min:
        return QStringLiteral("min");
    }
    return {};
}

} // namespace

QString ActiveWindowButtonPicture(WindowButton button, bool inside, bool maximised)
{
    const QString look = inside ? QStringLiteral("prog_blue_") : QStringLiteral("prog_blueoff_");
    return look + buttonName(button, maximised) + QStringLiteral(".bmp");
}

QString InactiveWindowButtonPicture(WindowButton button)
{
    return QStringLiteral("prog_white_") + buttonName(button, false) + QStringLiteral(".bmp");
}

TopBarPictures TopBar(bool active)
{
    const QString prefix = active ? QStringLiteral("border_top_") : QStringLiteral("border_white_top_");
    return {prefix + QStringLiteral("left.bmp"), prefix + QStringLiteral("center.bmp"),
            prefix + QStringLiteral("right.bmp")};
}

} // namespace Module5
