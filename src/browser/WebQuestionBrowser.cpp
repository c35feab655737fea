#include "WebQuestionBrowser.h"

#include "OptionChoice.h"
#include "QuestionPage.h"

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QPainter>
#include <QPaintEvent>
#include <QPointer>
#include <QPrinter>
#include <QQuickWindow>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineView>

// Exported by QtGui for exactly this purpose; not in its public headers.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);

namespace {

const QUrl &blankPage()
{
    static const QUrl blank(QStringLiteral("about:blank"));
    return blank;
}

// Holds the page got ready for the next view. Made before the profile, so
// that, both being children of the application, it is deleted first: a
// profile must outlive its pages.
QObject *spareHolder = nullptr;
QPointer<QuestionPage> sparePage;
// Set on a page while it loads the blank page that starts its renderer: a
// load asked for meanwhile is lost to the blank page's, so it waits.
const char *const StartingProperty = "tessalyStarting";

// Made with the first view and kept for the run, so that later papers find
// the engine started. In memory only: nothing of the pages is stored.
QWebEngineProfile *profile = nullptr;

// Question pages are still pictures: drawn in software, the engine starts
// without the GL driver (50 to 100 ms to load) and shows a page sooner,
// most of all where the only GL is a software rasteriser. Chosen before the
// first view exists, as the toolkit requires.
void chooseSoftwareDrawing()
{
    static bool chosen = false;
    if (chosen)
        return;
    chosen = true;
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    // The engine still reads the format of the application's shared GL
    // context as it starts; one never created gives it without the driver.
    if (!QOpenGLContext::globalShareContext())
        qt_gl_set_global_share_context(new QOpenGLContext(QCoreApplication::instance()));
}

QWebEngineProfile *sharedProfile()
{
    if (profile)
        return profile;
    chooseSoftwareDrawing();
    spareHolder = new QObject(QCoreApplication::instance());
    profile = new QWebEngineProfile(QCoreApplication::instance());
    profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    QWebEngineSettings *s = profile->settings();
    // The archives carry no scripts that should run, and nothing remote.
    s->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
    // A new page must not take the focus from the answer boxes.
    s->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
    return profile;
}

// The page ready in advance when there is one, else a new page.
QuestionPage *takePage(QObject *parent)
{
    QuestionPage *page = sparePage;
    sparePage = nullptr;
    if (!page)
        return new QuestionPage(sharedProfile(), parent);
    page->setParent(parent);
    return page;
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

} // namespace

void WebQuestionBrowser::prepare()
{
    if (sparePage)
        return;
    QWebEngineProfile *p = sharedProfile();
    QuestionPage *page = new QuestionPage(p, spareHolder);
    sparePage = page;
    // A page starts its renderer process with its first load.
    page->setProperty(StartingProperty, true);
    QObject::connect(page, &QWebEnginePage::loadingChanged, page,
                     [page](const QWebEngineLoadingInfo &info) {
                         if (info.url() == blankPage()
                             && info.status() != QWebEngineLoadingInfo::LoadStartedStatus)
                             page->setProperty(StartingProperty, false);
                     });
    page->load(blankPage());
}

WebQuestionBrowser::WebQuestionBrowser(QWidget *parent)
    : QuestionBrowser(parent)
{
    setObjectName(QStringLiteral("brwWebBrowser"));
    chooseSoftwareDrawing();
    // A view without a page costs nothing: the page is what starts the engine.
    m_view = new QWebEngineView(this);
    m_view->setObjectName(QStringLiteral("brwWebView"));
    // No menu on a right click: the guard answers it instead.
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    m_view->setAcceptDrops(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    connect(m_view, &QWebEngineView::printFinished, this, &WebQuestionBrowser::finishPrint);

    if (profile) {
        attachPage();
    } else {
        // Shown without a page, the view would make one on the default
        // profile, starting the engine before the window is painted.
        m_view->hide();
        // Started once painted (paintEvent); this for a browser never shown.
        m_attachQueued = true;
        QTimer::singleShot(250, this, &WebQuestionBrowser::attachPage);
    }
}

void WebQuestionBrowser::paintEvent(QPaintEvent *event)
{
    // The page's own white until it is drawn.
    QPainter(this).fillRect(event->rect(), Qt::white);
    if (!m_webPage && m_attachQueued) {
        // After this paint reaches the screen.
        QTimer::singleShot(0, this, &WebQuestionBrowser::attachPage);
    }
}

void WebQuestionBrowser::attachPage()
{
    if (m_webPage)
        return;
    m_webPage = takePage(m_view);
    m_view->setPage(m_webPage);
    m_view->show();
    connect(m_webPage, &QuestionPage::linkClicked, this, &WebQuestionBrowser::followLink);
    connect(m_webPage, &QWebEnginePage::loadingChanged, this, &WebQuestionBrowser::loadingChanged);
    connect(m_webPage, &QWebEnginePage::pdfPrintingFinished, this,
            [this](const QString &, bool ok) { finishPrint(ok); });
    if (m_webPage->property(StartingProperty).toBool())
        return; // ready once its blank page has loaded (loadingChanged)
    m_pageReady = true;
    showPending();
}

void WebQuestionBrowser::showPending()
{
    if (!m_pendingHtml.isEmpty())
        m_webPage->setHtml(m_pendingHtml);
    else if (!m_pendingUrl.isEmpty())
        m_webPage->load(m_pendingUrl);
    m_pendingUrl.clear();
    m_pendingHtml.clear();
}

void WebQuestionBrowser::load(const QUrl &url)
{
    if (m_pageReady) {
        m_webPage->load(url);
        return;
    }
    m_pendingUrl = url;
    m_pendingHtml.clear();
}

void WebQuestionBrowser::loadingChanged(const QWebEngineLoadingInfo &info)
{
    // A link the page refused, or a page left for a newer one, stops its
    // load: that is no page shown. Nor is the blank page that started the
    // renderer; once it is loaded, the page takes what it was asked for.
    if (info.url() == blankPage()) {
        if (!m_pageReady && info.status() != QWebEngineLoadingInfo::LoadStartedStatus) {
            m_pageReady = true;
            showPending();
        }
        return;
    }
    if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus
        || info.status() == QWebEngineLoadingInfo::LoadFailedStatus)
        emit pageLoaded(info.url(), info.status() == QWebEngineLoadingInfo::LoadSucceededStatus);
}

void WebQuestionBrowser::navigateTo(const QString &file)
{
    // The engine knows the archive format by the ".mht" suffix alone.
    m_page = QUrl::fromLocalFile(file);
    QUrl url = m_page;
    if (file == m_markFile && !m_mark.isEmpty())
        url.setFragment(m_mark);
    load(url);
}

void WebQuestionBrowser::setPageMark(const QString &file, const QString &fragment)
{
    if (file == m_markFile && fragment == m_mark)
        return;
    m_markFile = file;
    m_mark = fragment;
    // Only the fragment changes: the engine moves within the page shown.
    // Dropping it would be a reload; no page needs that.
    if (fragment.isEmpty() || m_page != QUrl::fromLocalFile(file))
        return;
    QUrl url = m_page;
    url.setFragment(fragment);
    load(url);
}

void WebQuestionBrowser::followLink(const QUrl &url)
{
    if (const int option = OptionChoice::OptionOfFragment(url.fragment()))
        emit optionClicked(option);
}

void WebQuestionBrowser::scrollPage(Scroll step)
{
    if (!m_pageReady)
        return;
    // Run in the application's own world: the page's scripts are off.
    const char *by = "0";
    switch (step) {
    case Scroll::LineUp: by = "-60"; break;
    case Scroll::LineDown: by = "60"; break;
    case Scroll::PageUp: by = "-0.9 * window.innerHeight"; break;
    case Scroll::PageDown: by = "0.9 * window.innerHeight"; break;
    }
    m_webPage->runJavaScript(QStringLiteral("window.scrollBy(0, %1);").arg(QLatin1String(by)),
                             QWebEngineScript::ApplicationWorld);
}

void WebQuestionBrowser::showNotice(const QString &text)
{
    m_page.clear();
    const QString html = QStringLiteral("<html><body style=\"font-family: sans-serif; "
                                        "color: #1e2b3a; padding: 60px 32px\"><p>%1</p></body></html>")
                             .arg(escaped(text));
    if (m_pageReady) {
        m_webPage->setHtml(html);
        return;
    }
    m_pendingHtml = html;
    m_pendingUrl.clear();
}

QWidget *WebQuestionBrowser::pageView() const
{
    return m_view;
}

bool WebQuestionBrowser::print(QPrinter *printer)
{
    // The engine ignores a second print while one runs, with only a warning.
    if (m_printing || !printer || !m_pageReady)
        return false;
    m_printing = true;
    if (printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty())
        m_webPage->printToPdf(printer->outputFileName(), printer->pageLayout());
    else
        m_view->print(printer);
    return true;
}

void WebQuestionBrowser::finishPrint(bool ok)
{
    if (!m_printing)
        return;
    m_printing = false;
    emit printFinished(ok);
}

extern "C" Q_DECL_EXPORT QuestionBrowser *tessaly_create_question_browser(QWidget *parent)
{
    return new WebQuestionBrowser(parent);
}

extern "C" Q_DECL_EXPORT void tessaly_prepare_question_browser()
{
    WebQuestionBrowser::prepare();
}
