#include "QuestionPage.h"

QuestionPage::QuestionPage(QWebEngineProfile *profile, QObject *parent)
    : QWebEnginePage(profile, parent)
{
}

bool QuestionPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    switch (type) {
    case NavigationTypeLinkClicked:
        if (isMainFrame)
            emit linkClicked(url);
        return false;
    case NavigationTypeBackForward:
        return false;
    default:
        return true;
    }
}
