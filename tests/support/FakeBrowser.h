#pragma once

#include "QuestionBrowser.h"

#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QStringList>
#include <QTimer>

// A question-page browser without the web engine: it remembers what it was
// asked to show and reports each page loaded on the next turn of the event
// loop, as the real one does later, then shows the file's name. Whether the
// file existed when it was asked is what it reports.
class FakeBrowser : public QuestionBrowser
{
public:
    explicit FakeBrowser(QWidget *parent) : QuestionBrowser(parent)
    {
        m_view = new QLabel(this);
        m_view->setObjectName(QStringLiteral("fakeView"));
        m_view->setAutoFillBackground(true);
    }

    void navigateTo(const QString &file) override
    {
        navigations << file;
        navigatedMarks << (file == markedFile ? mark : QString());
        const bool ok = QFile::exists(file);
        QTimer::singleShot(0, this, [this, file, ok] {
            emit pageLoaded(QUrl::fromLocalFile(file), ok);
            m_view->setText(file);
        });
    }
    void showNotice(const QString &text) override { notices << text; }
    QWidget *pageView() const override { return m_view; }
    bool print(QPrinter *printer) override
    {
        if (m_printing)
            return false;
        m_printing = true;
        printedTo << printer->outputFileName();
        QTimer::singleShot(0, this, [this] {
            m_printing = false;
            emit printFinished(printOk);
        });
        return true;
    }
    bool isPrinting() const override { return m_printing; }
    void setPageMark(const QString &file, const QString &fragment) override
    {
        markedFile = file;
        mark = fragment;
    }
    void scrollPage(Scroll step) override { scrolls << step; }

    // What a click on option `option` of the page reports.
    void clickOption(int option) { emit optionClicked(option); }

    QStringList navigations;
    QStringList navigatedMarks; // the mark each navigation carried
    QString markedFile, mark;
    QList<Scroll> scrolls;
    QStringList notices;
    QStringList printedTo;
    bool printOk = true;

private:
    QLabel *m_view = nullptr;
    bool m_printing = false;
};
