#pragma once

#include "PictureBox.h"

#include <QList>

class QLabel;

// fmeMark: the marking panel whose bars imgBar01..imgBar15 appear one after
// another, 0.2 s apart. While it runs the program takes no keys or clicks
// (they are dropped, not kept for later), but it keeps painting and its
// timers keep running.
class MarkingProgress : public PictureBox
{
    Q_OBJECT
public:
    MarkingProgress(PictureCache &pictures, QWidget *parent);

    inline static constexpr int kBars = 15;
    // Shows the panel centred in its parent, runs the bars, hides it again.
    void run();
    bool isRunning() const { return m_running; }

    // Seam for tests: the time between two bars.
    static void setStepMilliseconds(int ms);
    static int stepMilliseconds();

private:
    QList<PictureBox *> m_bars;
    bool m_running = false;
};
