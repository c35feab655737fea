#pragma once

#include <QUrl>
#include <QWidget>

class QPrinter;

// The question-page browser: shows one page archive file at a time inside
// its rectangle and prints it. Pages, answers and results never pass
// through it. Implemented with the web engine in a module of its own that
// the program loads when the pupil heads for a paper (BrowserModule).
class QuestionBrowser : public QWidget
{
    Q_OBJECT
public:
    explicit QuestionBrowser(QWidget *parent = nullptr);
    ~QuestionBrowser() override;

    // Shows the single-file web archive `file` (a ".mht" path); pageLoaded
    // follows once it is loaded.
    virtual void navigateTo(const QString &file) = 0;
    // Shows a short notice instead of a page.
    virtual void showNotice(const QString &text) = 0;
    // The widget whose children receive the page's keys and mouse buttons;
    // the guard watches it.
    virtual QWidget *pageView() const = 0;
    // Prints the page shown on `printer`, which must stay alive until
    // printFinished. A PDF printer with a file name writes that file. False,
    // and nothing happens, while an earlier print is still running.
    virtual bool print(QPrinter *printer) = 0;
    virtual bool isPrinting() const = 0;

    // The fragment page `file` is shown with: it draws the chosen option of
    // a multiple-choice page (OptionChoice). Applied at once when `file` is
    // the page shown, which is neither reloaded nor scrolled; else when it
    // is navigated to.
    virtual void setPageMark(const QString &file, const QString &fragment) = 0;

    // Scrolls the page, for a pupil whose keys stay in the answer boxes.
    enum class Scroll { LineUp, LineDown, PageUp, PageDown };
    virtual void scrollPage(Scroll step) = 0;

signals:
    void pageLoaded(const QUrl &address, bool ok);
    void printFinished(bool ok);
    // A link of the page was clicked: option `option` (1..4) of a
    // multiple-choice page. No link is ever followed.
    void optionClicked(int option);
};

// The module's entry points: makes a browser as a child of `parent`; starts
// the web engine and gets a page ready, so that the next browser shows its
// first page sooner.
extern "C" {
using QuestionBrowserFactory = QuestionBrowser *(*)(QWidget *parent);
using QuestionBrowserPreparation = void (*)();
}
inline constexpr const char *kQuestionBrowserFactory = "tessaly_create_question_browser";
inline constexpr const char *kQuestionBrowserPreparation = "tessaly_prepare_question_browser";
