#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

// Which picture a picture button shows. Every picture is a file of the
// Graphics folder: base name + "_" + state + ".bmp".
namespace Module5 {

enum class ButtonState { Off, On, Pressed, Disabled };

QString StateName(ButtonState state); // "off", "on", "pressed", "disabled"
QString PictureFile(const QString &base, ButtonState state);

// The point-in-rectangle rule of the window system: the left and top edges
// belong to the rectangle, the right and bottom edges do not. `rect` is a
// window's screen rectangle (position and size).
bool PtInRect(const QRect &rect, const QPoint &point);

// Two-state buttons (button, loadbutton, window buttons): inside or not.
ButtonState TwoState(bool inside);
// Toolbar buttons: disabled whatever the cursor does; pressed while the
// window's press flag is set and the cursor is inside.
ButtonState ToolbarState(bool available, bool inside, bool pressFlag);

// Tabs: the current tab shows the front pictures, the others the back ones.
QString TabPicture(bool current, bool inside);

enum class WindowButton { Close, Max, Min };

// An active window's button: "blueoff" outside, "blue" inside; the maximise
// button shows the restore ("norm") pictures while the window is maximised.
QString ActiveWindowButtonPicture(WindowButton button, bool inside, bool maximised);
// An inactive window's button, the same for a maximised window.
QString InactiveWindowButtonPicture(WindowButton button);

struct TopBarPictures {
    QString left, centre, right;
};
TopBarPictures TopBar(bool active);

} // namespace Module5
