#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// Layout arithmetic of the pop-up message window, in pixels of its client
// area (the design values are twips: 15 per pixel).
namespace Module5 {

inline constexpr QSize kPopUpSize{265, 150};     // 3975 x 2250 twips
inline constexpr QSize kPopUpInfoSize{32, 27};   // ImgInfo, 480 x 405 twips
inline constexpr int kPopUpMessageWidth = 192;   // lblMessage, 2880 twips
inline constexpr int kPopUpMargin = 16;          // 240 twips
inline constexpr int kPopUpMessageGap = 10;      // 150 twips, picture to message
inline constexpr int kPopUpButtonGap = 10;       // "No" to the right of "Yes"
inline constexpr int kPopUpOneLineDrop = 7;      // a one-line message is centred on the picture
inline constexpr int kPopUpOneLineLength = 32;   // at most this many characters: one line

struct PopUpFixedLayout {
    QPoint title;   // lblTitle, for the given title height
    QRect info;     // ImgInfo
    int messageLeft = 0;
    int messageTop = 0; // for a message longer than one line
    int buttonTop = 0;
};

// What Form_Load places: the pieces that never move.
PopUpFixedLayout PopUpFixed(int titleHeight);

// lblMessage's top: 7 pixels lower for a message of at most 32 characters.
int PopUpMessageTop(const PopUpFixedLayout &fixed, const QString &message);

struct PopUpButtons {
    bool valid = false; // false for a button count other than 1 or 2: leave them as they are
    bool secondVisible = false;
    int firstLeft = 0;
    int secondLeft = 0;
    QString firstCaption, secondCaption;
};

// One button: "OK" centred. Two: "Yes" at the message's left edge and "No"
// 10 pixels to its right.
PopUpButtons PopUpButtonLayout(const PopUpFixedLayout &fixed, int numOfButtons);

// The top-left corner that centres a window of `size` over `master` (both
// in screen pixels).
QPoint CentreOver(const QRect &master, QSize size);

} // namespace Module5
