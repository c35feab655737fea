#pragma once

#include "QuestionBrowser.h"

class QWebEngineView;

// The question-page browser on the web engine: one view per paper window,
// reused for every question, on a profile shared by every view of the run.
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

private:
    void finishPrint(bool ok);
    void followLink(const QUrl &url);

    QWebEngineView *m_view = nullptr;
    bool m_printing = false;
    QUrl m_page; // the archive last navigated to, without fragment
    QString m_markFile, m_mark;
};
