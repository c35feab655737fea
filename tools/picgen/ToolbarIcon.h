#pragma once

#include <QRectF>
#include <QString>

class QPainter;

// The icons of the toolbar buttons, drawn as antialiased paths in a 24-unit
// square that is mapped onto `box`.
namespace ToolbarIcon {

// base: home, report, print, close, about, trash, setup, save, mark, back,
// forward. False for an unknown name.
bool paint(QPainter &p, const QString &base, const QRectF &box);

} // namespace ToolbarIcon
