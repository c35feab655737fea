#pragma once

#include <QColor>
#include <QFont>

class QWidget;

// Colours and fonts of the main window's panels. The pictures are drawn on
// the panel colour, so everything they sit on uses it too.
namespace ContentsLook
{

QColor panel();   // background of the window and its panels
QColor ink();     // body text
QColor heading(); // headings and captions on the tabs
QColor line();    // separators and card outlines
QColor card();    // white cards
QColor accent();  // links and the chosen section

// Loads the fonts the main window shows at start (the frame's two and
// those above) ahead of need, so that this can overlap other start-up work.
void primeFonts();

QFont bodyFont();     // 10 pt, the label family of the frame
QFont boldFont();     // the same, bold
QFont smallFont();    // 9 pt
QFont bigTitleFont(); // the product name on the About panel

// Sets the text colour (and, with `background` valid, a filled background).
void setColours(QWidget *widget, const QColor &text, const QColor &background = QColor());

} // namespace ContentsLook
