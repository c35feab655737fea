#include "WebQuestionBrowser.h"

#include "OptionChoice.h"
#include "QuestionPage.h"

#include <QGuiApplication>
#include <QOpenGLContext>

#include <QCoreApplication>
#include <QPrinter>
#include <QVBoxLayout>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

// Made with the first view and kept for the run, so that later papers find
// the engine started. In memory only: nothing of the pages is stored.
QWebEngineProfile *sharedProfile()
{
    static QWebEngineProfile *profile = [] {
        auto *p = new QWebEngineProfile(QCoreApplication::instance());
        p->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
        p->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
        QWebEngineSettings *s = p->settings();
        // The archives carry no scripts that should run, and nothing remote.
        s->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
        s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
        s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
        s->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
        // A new page must not take the focus from the answer boxes.
        s->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
        return p;
    }();
    return profile;
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

} // namespace

WebQuestionBrowser::WebQuestionBrowser(QWidget *parent)
    : QuestionBrowser(parent)
{
    setObjectName(QStringLiteral("brwWebBrowser"));
    m_view = new QWebEngineView(this);
    m_view->setObjectName(QStringLiteral("brwWebView"));
    auto *page = new QuestionPage(sharedProfile(), m_view);
    m_view->setPage(page);
    connect(page, &QuestionPage::linkClicked, this, &WebQuestionBrowser::followLink);
    // No menu on a right click: the guard answers it instead.
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    m_view->setAcceptDrops(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);

    // A link the page refused, or a page left for a newer one, stops its
    // load: that is no page shown.
    connect(page, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo &info) {
        if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus
            || info.status() == QWebEngineLoadingInfo::LoadFailedStatus)
            emit pageLoaded(info.url(), info.status() == QWebEngineLoadingInfo::LoadSucceededStatus);
    });
    connect(m_view, &QWebEngineView::printFinished, this, &WebQuestionBrowser::finishPrint);
    connect(m_view->page(), &QWebEnginePage::pdfPrintingFinished, this,
            [this](const QString &, bool ok) { finishPrint(ok); });
}

void WebQuestionBrowser::navigateTo(const QString &file)
{
    // The engine knows the archive format by the ".mht" suffix alone.
    m_page = QUrl::fromLocalFile(file);
    QUrl url = m_page;
    if (file == m_markFile && !m_mark.isEmpty())
        url.setFragment(m_mark);
    m_view->load(url);
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
    m_view->load(url);
}

void WebQuestionBrowser::followLink(const QUrl &url)
{
    if (const int option = OptionChoice::OptionOfFragment(url.fragment()))
        emit optionClicked(option);
}

void WebQuestionBrowser::scrollPage(Scroll step)
{
    // Run in the application's own world: the page's scripts are off.
    const char *by = "0";
    switch (step) {
    case Scroll::LineUp: by = "-60"; break;
    case Scroll::LineDown: by = "60"; break;
    case Scroll::PageUp: by = "-0.9 * window.innerHeight"; break;
    case Scroll::PageDown: by = "0.9 * window.innerHeight"; break;
    }
    m_view->page()->runJavaScript(QStringLiteral("window.scrollBy(0, %1);").arg(QLatin1String(by)),
                                  QWebEngineScript::ApplicationWorld);
}

void WebQuestionBrowser::showNotice(const QString &text)
{
    m_page.clear();
    m_view->setHtml(QStringLiteral("<html><body style=\"font-family: sans-serif; "
                                   "color: #1e2b3a; padding: 60px 32px\"><p>%1</p></body></html>")
                        .arg(escaped(text)));
}

QWidget *WebQuestionBrowser::pageView() const
{
    return m_view;
}

bool WebQuestionBrowser::print(QPrinter *printer)
{
    // The engine ignores a second print while one runs, with only a warning.
    if (m_printing || !printer)
        return false;
    m_printing = true;
    if (printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty())
        m_view->page()->printToPdf(printer->outputFileName(), printer->pageLayout());
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

// Exported by QtGui for exactly this purpose; not in its public headers.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);

namespace {

// The web engine composites through a context shared with the application.
// Programs usually ask for it before the application exists, which makes
// every start load the GL driver; this program creates it only when the
// first paper opens.
void ensureShareContext()
{
    if (QOpenGLContext::globalShareContext())
        return;
    auto *context = new QOpenGLContext(qApp);
    context->setFormat(QSurfaceFormat::defaultFormat());
    context->create();
    qt_gl_set_global_share_context(context);
}

} // namespace

extern "C" Q_DECL_EXPORT QuestionBrowser *tessaly_create_question_browser(QWidget *parent)
{
    ensureShareContext();
    return new WebQuestionBrowser(parent);
}
