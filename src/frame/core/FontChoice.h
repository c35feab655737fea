#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The frame's two fonts are named after fonts that may not be installed;
// each has a list of close sans-serif stand-ins, tried in order.
namespace Module5 {

QStringList TitleFamilies(); // "Trebuchet MS" first
QStringList LabelFamilies(); // "Arial" first

// The first family of `wanted` that `installed` knows; the last one when none
// is (the font system then picks its own default).
QString ChooseFamily(const QStringList &wanted, const std::function<bool(const QString &)> &installed);

} // namespace Module5
