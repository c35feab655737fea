#pragma once

#include <QWebEnginePage>

// The page of a question view: it never follows a link. A click on one is
// reported instead (the options of a multiple-choice page are links), and
// the view's history is not walked, so the page shown is always the one the
// paper window asked for.
class QuestionPage : public QWebEnginePage
{
    Q_OBJECT
public:
    QuestionPage(QWebEngineProfile *profile, QObject *parent);

signals:
    void linkClicked(const QUrl &url);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
};
