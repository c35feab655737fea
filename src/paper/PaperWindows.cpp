#include "PaperWindows.h"

#include "BrowserModule.h"
#include "PaperHost.h"
#include "PictureCache.h"
#include "Test1.h"
#include "Test2.h"

#include <QGuiApplication>

PaperWindows::PaperWindows(PaperHost &host, QObject *parent)
    : QObject(parent), m_host(host)
{
}

PaperWindows::~PaperWindows()
{
    closePaperWindows();
    endOpening();
}

PaperWindow *PaperWindows::openPaper()
{
    const bool first = m_host.field(QStringLiteral("TakeNum")).trimmed() == QLatin1String("1");
    return openPaper(first ? 1 : 2);
}

PaperWindow *PaperWindows::openPaper(int take)
{
    closePaperWindows();
    beginOpening();
    const bool second = take != 1;
    PaperWindow *window = second ? static_cast<PaperWindow *>(new Test2(m_host))
                                 : static_cast<PaperWindow *>(new Test1(m_host));
    connect(window, &PaperWindow::firstPagePainted, this, &PaperWindows::endOpening);
    connect(window, &PaperWindow::openFailed, this, &PaperWindows::endOpening);
    connect(window, &PaperWindow::unloaded, this, &PaperWindows::endOpening);
    if (!window->Form_Load()) {
        delete window;
        endOpening();
        return nullptr;
    }
    m_current = window;
    window->show();
    window->activateWindow();
    emit paperOpened(window);
    return window;
}

void PaperWindows::prepare()
{
    BrowserModule::prepare();
    if (!m_picturesPrefetched) {
        m_picturesPrefetched = true;
        PictureCache::prefetch(PictureCache::forFolder(m_host.workspace().graphicsFolder()),
                               PaperWindow::picturesAtOpen());
    }
}

void PaperWindows::beginOpening()
{
    if (m_opening)
        return;
    m_opening = true;
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
}

void PaperWindows::endOpening()
{
    if (!m_opening)
        return;
    m_opening = false;
    QGuiApplication::restoreOverrideCursor();
}

void PaperWindows::closePaperWindows()
{
    if (PaperWindow *window = m_current) {
        m_current = nullptr;
        window->unload();
    }
}
