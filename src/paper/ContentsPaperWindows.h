#pragma once

#include "PaperWindowFactory.h"

#include <memory>

class PaperWindow;
class PaperWindows;

// The paper windows as the main window registers them: each opening reads
// the handover fields of that Contents and reports back to it.
class ContentsPaperWindows : public PaperWindowFactory
{
public:
    ContentsPaperWindows();
    ~ContentsPaperWindows() override;

    void openPaper(Contents &contents, int take) override;
    void closePaperWindows() override;
    void prepare() override;
    bool isOpening() const override;

    PaperWindow *current() const;

private:
    class Host;
    std::unique_ptr<Host> m_host;
    std::unique_ptr<PaperWindows> m_windows;
};
