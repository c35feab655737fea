#pragma once

#include <QColor>

// One palette for every picture: a friendly mid blue for the frame and
// highlights, warm accents for the icons, and the panel colour the windows
// paint behind their pictures.
namespace Palette {

inline const QColor kPanel(244, 245, 235); // RGB(244, 245, 235), the windows' panels
inline const QColor kBarTop(0x74, 0xAE, 0xF4);
inline const QColor kBarMid(0x3C, 0x82, 0xE0);
inline const QColor kBarBottom(0x1D, 0x5B, 0xB8);
inline const QColor kBarLine(0x15, 0x45, 0x8E);
inline const QColor kWhiteTop(0xFF, 0xFF, 0xFF);
inline const QColor kWhiteBottom(0xE4, 0xEA, 0xF1);
inline const QColor kWhiteLine(0xAE, 0xBB, 0xCB);
inline const QColor kEdge[4] = {QColor(0x15, 0x45, 0x8E), QColor(0x2C, 0x6F, 0xD2), QColor(0x5A, 0x97, 0xE6),
                                QColor(0xA8, 0xC8, 0xF1)}; // outer to inner
inline const QColor kHover(0xE4, 0xEF, 0xFC);
inline const QColor kHoverLine(0x86, 0xAF, 0xE6);
inline const QColor kPressed(0xB9, 0xD2, 0xF4);
inline const QColor kPressedLine(0x4C, 0x86, 0xD6);
inline const QColor kInk(0x2A, 0x3A, 0x50);
inline const QColor kRed(0xE2, 0x4B, 0x3C);
inline const QColor kGreen(0x34, 0xA8, 0x4E);
inline const QColor kOrange(0xF2, 0x9B, 0x2C);
inline const QColor kYellow(0xFF, 0xD0, 0x4A);
inline const QColor kBlue(0x2F, 0x78, 0xDC);
inline const QColor kGrey(0x7D, 0x8A, 0x9C);

} // namespace Palette
