#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

#include <array>

// The paper window's regions for a client area, in pixels (design values
// are twips, 15 per pixel). Toolbar buttons are in ScnTabBG's coordinates,
// PicInstruction in AnsBox's, ImgHandle in PicHideAns's; the rest in the
// window's. No size is ever negative: below the fixed parts a region
// shrinks to nothing.
namespace Module5 {

inline constexpr int kStripHeight = 51;     // ScnTabBG, 765 twips
inline constexpr int kSheetWidth = 273;     // AnsBox, 4095 twips
inline constexpr int kHandleStripWidth = 7; // PicHideAns, 100 twips
inline constexpr int kBarHeight = 25;       // QnTitleBG and RemQnsBG, 375 twips
inline constexpr int kToolbarGap = 8;       // 120 twips between toolbar buttons
inline constexpr int kQnTitleLeft = 8;      // 120 twips
inline constexpr QSize kSizerSize{8, 8};    // 120 x 120 twips
inline constexpr QSize kPenSize{64, 48};
inline constexpr QSize kInstructionSize{260, 44};
inline constexpr QSize kHandleSize{7, 48};
inline constexpr int kGrabBand = 6;         // resize zones along the window's edges

// Smallest outer size a corner drag reaches: just over 7300 x 5000 twips.
inline constexpr int kMinWidthTwips = 7300;
inline constexpr int kMinHeightTwips = 5000;
QSize MinimumPaperSize();

struct PaperRects {
    QRect scnTabBG;
    std::array<QRect, 6> toolbar; // ToolBar01..06 in ScnTabBG
    QRect paperSum;               // in ScnTabBG
    QRect ansBox;
    QRect picHideAns;
    QRect imgHandle; // in PicHideAns
    QRect browser;
    QRect qnTitleBG;
    QRect remQnsBG;
    QRect picInstruction; // in AnsBox
    QRect sizer;
};

// The layout for `client`; with the sheet hidden AnsBox lies just right of
// the client area and the page takes its width. QnTitleBG keeps the width it
// has with the sheet shown.
PaperRects LayoutPaper(QSize client, bool sheetShown);

// Where a paper window opens: the middle 80 % of the screen.
QRect PaperStartGeometry(const QRect &screen);

// Resize zones, for a point relative to the window's outer top-left corner.
bool InResizeCorner(QPoint at, QSize outer);
Qt::CursorShape ResizeCursorAt(QPoint at, QSize outer);
// A press in a zone moves the cursor onto the edge of that zone (the last
// pixel of the window on the right and at the bottom).
QPoint SnapToEdges(QPoint at, QSize outer);

// A corner drag with the cursor on pixel `at` (relative to the window's top-left
// corner): each dimension follows the cursor only while it stays above its
// minimum; `current` is the size before this step.
QSize DraggedSize(QPoint at, QSize current);

} // namespace Module5
