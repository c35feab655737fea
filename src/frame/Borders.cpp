#include "Borders.h"

#include "BorderLayer.h"
#include "BorderOutline.h"

#include <QWidget>

namespace Module5 {

void drawborder(QWidget *control, QWidget *parent, int inout)
{
    const QRect outline = BorderOutlineRect(control->geometry());
    createborder(parent, outline.top(), outline.left(), outline.bottom(), outline.right(), inout);
}

void createborder(QWidget *formf, int topf, int leftf, int bottf, int rightf, int inout)
{
    BorderLayer::of(formf)->drawOutline(BorderOutlineRect(topf, leftf, bottf, rightf),
                                        BorderColour(inout));
}

} // namespace Module5
