#pragma once

#include <QList>
#include <QRect>
#include <QString>

// Geometry of the answer sheet's frames, in pixels; the design values are
// twips (15 per pixel). Positions inside a frame are the frame's own.
namespace AnswerSheetLayout {

inline constexpr int kFrameCount = 20;
inline constexpr int kFrameLeft = 8;    // 120 twips
// 3855 twips hold the boxes; the outline of the last one lies one pixel
// beyond them.
inline constexpr int kFrameWidth = 260;

struct FrameRects {
    int height = 0;
    QRect letter; // QL<k>
    QRect answer; // FA<k>
    QRect result; // FR<k> and SR<k>, just right of the answer box
    QRect model;  // M<k>
};

// Kind "L" (a long written answer) gets tall boxes with the model answer
// under the answer; every other kind one line with the model at the right.
FrameRects FrameFor(const QString &kind);

// Frame tops for frames of the given heights: the first 50 twips down, then
// 105 twips apart, or overlapping by 10 twips when the question has more
// than 15 parts. Computed in twips, rounded to pixels per frame.
QList<int> StackTops(const QList<int> &heights);

// "(a)" for part 1 .. "(t)" for part 20.
QString PartLetter(int part);

} // namespace AnswerSheetLayout
