#pragma once

#include "PictureSet.h"

#include <QImage>

// One image showing every picture enlarged with its file name and size, so
// the whole set can be judged at a glance.
namespace ContactSheet {

QImage render(const QList<PictureSet::Picture> &pictures);

} // namespace ContactSheet
