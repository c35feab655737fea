#pragma once

class QWidget;

// Outlines around controls, drawn on their container's persistent surface
// (BorderLayer). Positions are the container's pixels.
namespace Module5 {

// An outline one pixel clear of `control` on `parent`; inout 1 light blue,
// 2 erases back to the container's background, anything else light grey.
void drawborder(QWidget *control, QWidget *parent, int inout);

// The four lines of an outline with the given edges; the bottom and right
// lines reach one pixel further, which closes the bottom-right corner.
void createborder(QWidget *formf, int topf, int leftf, int bottf, int rightf, int inout);

} // namespace Module5
