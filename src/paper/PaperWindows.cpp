#include "PaperWindows.h"

#include "PaperHost.h"
#include "Test1.h"
#include "Test2.h"

PaperWindows::PaperWindows(PaperHost &host, QObject *parent)
    : QObject(parent), m_host(host)
{
}

PaperWindows::~PaperWindows()
{
    closePaperWindows();
}

PaperWindow *PaperWindows::openPaper()
{
    const bool first = m_host.field(QStringLiteral("TakeNum")).trimmed() == QLatin1String("1");
    return openPaper(first ? 1 : 2);
}

PaperWindow *PaperWindows::openPaper(int take)
{
    closePaperWindows();
    const bool second = take != 1;
    PaperWindow *window = second ? static_cast<PaperWindow *>(new Test2(m_host))
                                 : static_cast<PaperWindow *>(new Test1(m_host));
    if (!window->Form_Load()) {
        delete window;
        return nullptr;
    }
    m_current = window;
    window->show();
    window->activateWindow();
    emit paperOpened(window);
    return window;
}

void PaperWindows::closePaperWindows()
{
    if (PaperWindow *window = m_current) {
        m_current = nullptr;
        window->unload();
    }
}
