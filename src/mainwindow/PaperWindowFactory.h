#pragma once

class Contents;

// The paper windows Test1 (first attempt) and Test2 (second attempt) as the
// main window sees them. The paper subsystem implements it and main()
// registers it with Contents::setPaperWindows; until then opening a paper
// only sets the handover fields.
//
// While it loads, a paper window reads the handover fields of the main
// window (Contents::field or Contents::handover): PaperNum, TakeNum,
// TopicCount, SubH1, LChose, lblCOD and TtPapersCon. When it unloads it
// calls Contents::RefreshContents.
class PaperWindowFactory
{
public:
    virtual ~PaperWindowFactory() = default;

    // Shows Test1 (take 1) or Test2 (take 2) modeless, for the paper the
    // handover fields name. At most one paper window exists: the main window
    // calls closePaperWindows first.
    virtual void openPaper(Contents &contents, int take) = 0;
    // Unloads Test1 and Test2 when they are open, without asking; their own
    // unload runs (and calls RefreshContents).
    virtual void closePaperWindows() = 0;
    // A paper is likely to be opened soon: get ready for it in the background.
    virtual void prepare() {}
    // From the click that opens a paper until its first page is painted.
    virtual bool isOpening() const { return false; }
};
