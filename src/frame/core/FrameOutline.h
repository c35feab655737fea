#pragma once

#include <QPolygon>
#include <QRegion>
#include <QSize>

// The rounded outline a skinned window is clipped to, for a client area of
// `size` pixels. Corners are cut by short diagonal steps rather than arcs so
// that the outline matches the corner pictures pixel for pixel.
namespace Module5 {

// 12 points: top corners rounded with a radius of 5, bottom corners square.
QPolygon MainWindowOutline(QSize size);
// 18 points: as above, and bottom corners rounded with a radius of 7.
QPolygon PopUpOutline(QSize size);
// The polygon as a region, winding fill; right and bottom edges lie outside.
QRegion OutlineRegion(const QPolygon &outline);

} // namespace Module5
