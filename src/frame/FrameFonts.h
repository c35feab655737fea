#pragma once

#include <QFont>

// The two fonts of the frame: "Trebuchet MS" 9.75 point bold for titles,
// "Arial" 8.25 point for captions and messages, or the closest installed
// stand-in. Labels using them size themselves to their text.
namespace Module5 {

QFont TitleFont();
QFont LabelFont();

} // namespace Module5
