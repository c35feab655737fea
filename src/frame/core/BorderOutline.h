#pragma once

#include <QColor>
#include <QRect>

// The outline drawborder draws around a control on its container: one pixel
// wide, one pixel clear of the control on every side (30 twips above and to
// the left of the control's top-left corner, 15 twips past its far edges).
namespace Module5 {

// The outline for a control at `control` (container pixels). The result's
// corners are the outline's own pixels: left()/top() and right()/bottom()
// are all drawn.
QRect BorderOutlineRect(const QRect &control);

// The outline for createborder's four edges, given as in the original
// procedure: top, left, bottom and right lines, with the bottom and right
// lines reaching one pixel further so the corner closes.
QRect BorderOutlineRect(int topf, int leftf, int bottf, int rightf);

// 1: light blue; 2: transparent, which erases an outline down to the
// container's own background; any other value: the palette's light grey.
QColor BorderColour(int inout);

} // namespace Module5
