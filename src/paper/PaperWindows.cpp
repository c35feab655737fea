#include "PaperWindows.h"

#include "BrowserModule.h"
#include "PaperHost.h"
#include "PictureCache.h"
#include "Test1.h"
#include "Test2.h"

#include <QGuiApplication>
#include <QTimer>

PaperWindows::PaperWindows(PaperHost &host, QObject *parent)
    : QObject(parent), m_host(host), m_openingLimit(new QTimer(this))
{
    // A page that never reports must not leave the pointer busy for good.
    m_openingLimit->setSingleShot(true);
    m_openingLimit->setInterval(10000);
    connect(m_openingLimit, &QTimer::timeout, this, &PaperWindows::endOpening);
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
    m_openingLimit->start();
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
}

void PaperWindows::endOpening()
{
    if (!m_opening)
        return;
    m_opening = false;
    m_openingLimit->stop();
    QGuiApplication::restoreOverrideCursor();
}

void PaperWindows::closePaperWindows()
{
    if (PaperWindow *window = m_current) {
        m_current = nullptr;
        window->unload();
    }
}
