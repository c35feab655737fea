#pragma once

#include "PictureSet.h"

#include <QImage>

// The pictures assembled as the windows use them (paper window, main
// window, pop-up, an inactive top bar), for judging the set in context.
namespace MockWindows {

QImage render(const QList<PictureSet::Picture> &pictures);

} // namespace MockWindows
