#include "ContentsPaperWindows.h"

#include "Contents.h"
#include "PaperHost.h"
#include "PaperWindow.h"
#include "PaperWindows.h"

#include <QPointer>

// The Contents of the latest opening; a paper window outlives no Contents,
// which unloads it as it closes.
class ContentsPaperWindows::Host : public PaperHost
{
public:
    QString field(const QString &name) const override
    {
        return m_contents ? m_contents->field(name) : QString();
    }
    const Workspace &workspace() const override { return m_workspace; }
    void RefreshContents() override
    {
        if (m_contents)
            m_contents->RefreshContents();
    }
    QWidget *hostWindow() const override { return m_contents; }

    void use(Contents &contents)
    {
        m_contents = &contents;
        m_workspace = contents.workspace();
    }

private:
    QPointer<Contents> m_contents;
    Workspace m_workspace{QString()};
};

ContentsPaperWindows::ContentsPaperWindows()
    : m_host(std::make_unique<Host>()), m_windows(std::make_unique<PaperWindows>(*m_host))
{
}

ContentsPaperWindows::~ContentsPaperWindows()
{
    m_windows.reset();
}

void ContentsPaperWindows::openPaper(Contents &contents, int take)
{
    m_host->use(contents);
    m_windows->openPaper(take);
}

void ContentsPaperWindows::closePaperWindows()
{
    m_windows->closePaperWindows();
}

void ContentsPaperWindows::prepare()
{
    m_windows->prepare();
}

bool ContentsPaperWindows::isOpening() const
{
    return m_windows->isOpening();
}

PaperWindow *ContentsPaperWindows::current() const
{
    return m_windows->current();
}
