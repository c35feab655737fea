#pragma once

#include "QuestionBrowser.h"

#include <QString>
#include <QUrl>

class QuestionPage;
class QWebEngineLoadingInfo;
class QWebEngineView;

// The question-page browser on the web engine: one view per paper window,
// reused for every question, on a profile shared by every view of the run.
//
// The view takes the page the module got ready in advance when there is
// one (its renderer process already running). When the engine has not been
// started yet, the view starts it only once the browser has been painted,
// so that its window shows at once; what it is asked to show meanwhile
// waits for the page.
class WebQuestionBrowser : public QuestionBrowser
{
    Q_OBJECT
public:
    explicit WebQuestionBrowser(QWidget *parent = nullptr);

    void navigateTo(const QString &file) override;
    void showNotice(const QString &text) override;
    QWidget *pageView() const override;
    bool print(QPrinter *printer) override;
    bool isPrinting() const override { return m_printing; }
    void setPageMark(const QString &file, const QString &fragment) override;
    void scrollPage(Scroll step) override;

    // Starts the engine and gets a page ready for the next browser.
    static void prepare();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void attachPage();
    void showPending();
    // Loads `url`, or keeps it for the page still to come.
    void load(const QUrl &url);
    void loadingChanged(const QWebEngineLoadingInfo &info);
    void finishPrint(bool ok);
    void followLink(const QUrl &url);

    QWebEngineView *m_view = nullptr;
    QuestionPage *m_webPage = nullptr; // null until attached
    bool m_pageReady = false;           // attached, and its first load may start
    bool m_attachQueued = false;
    // What to show once the page is there: an address, or a notice's HTML.
    QUrl m_pendingUrl;
    QString m_pendingHtml;
    bool m_printing = false;
    QUrl m_page; // the archive last navigated to, without fragment
    QString m_markFile, m_mark;
};
