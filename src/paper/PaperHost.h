#pragma once

#include "Workspace.h"

#include <QString>
#include <QWidget>

// What a paper window needs of the main window: the text of its hidden
// handover fields (PaperNum, TakeNum, TopicCount, SubH1, LChose, lblCOD,
// TtPapersCon), the workspace, and RefreshContents once the paper unloads.
class PaperHost
{
public:
    virtual ~PaperHost() = default;

    virtual QString field(const QString &name) const = 0;
    virtual const Workspace &workspace() const = 0;
    virtual void RefreshContents() = 0;
    // The window the paper windows belong to (pop-ups over a paper that
    // could not open are centred on it); may be null.
    virtual QWidget *hostWindow() const { return nullptr; }
};
