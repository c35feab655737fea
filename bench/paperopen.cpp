// Paper window timings with the real main window and the shipped content:
//  open   click on a paper's load button -> first question page painted
//  next   click on Next -> the new page painted
//  store  the answers file written on a move, for a paper of 80 slots
// Prints one line per measure: name, runs, first, median, max (ms).
// Run by paper-open.sh under Xvfb, from a folder holding the program's
// browser module.
#include "Contents.h"
#include "ContentsPaperWindows.h"
#include "HomePanel.h"
#include "PaperWindow.h"
#include "PictureButton.h"
#include "QuestionBrowser.h"
#include "ResultsStore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

// Times the page view's paints after the window reports its page: the
// page counts as painted at the first paint whose picture is the one the
// view still shows when it has been quiet for 300 ms. Each picture is
// grabbed after its paint, so the times are upper bounds.
class PaintWait : public QObject
{
public:
    PaintWait(PaperWindow *w, const QElapsedTimer &clock) : m_clock(clock)
    {
        // The widget that draws the page exists once the page has loaded.
        connect(w, &PaperWindow::pageShown, this, [this, w] {
            m_loaded = true;
            if (m_proxy)
                return;
            m_proxy = w->browser()->pageView()->focusProxy();
            if (!m_proxy)
                m_proxy = w->browser()->pageView();
            m_proxy->installEventFilter(this);
        });
    }
    // Milliseconds from the clock's start; negative after 10 s without.
    double wait()
    {
        QElapsedTimer quiet;
        while (m_clock.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
            if (m_dirty) {
                m_dirty = false;
                m_grabbing = true; // the grab paints the widget again
                m_frames.append({m_paintedAt, m_proxy->grab().toImage()});
                m_grabbing = false;
                quiet.start();
            }
            if (!m_frames.isEmpty() && quiet.elapsed() > 300)
                break;
        }
        if (m_frames.isEmpty())
            return -1;
        for (const Frame &f : std::as_const(m_frames))
            if (f.image == m_frames.last().image)
                return f.at;
        return -1;
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_loaded && !m_dirty && !m_grabbing) {
            m_dirty = true;
            m_paintedAt = m_clock.nsecsElapsed() / 1e6;
        }
        return false;
    }

private:
    struct Frame {
        double at;
        QImage image;
    };
    const QElapsedTimer &m_clock;
    QWidget *m_proxy = nullptr;
    bool m_loaded = false;
    bool m_dirty = false;
    bool m_grabbing = false;
    double m_paintedAt = 0;
    QList<Frame> m_frames;
};

void click(QWidget *w)
{
    const QPoint c = w->rect().center();
    const QPoint g = w->mapToGlobal(c);
    QMouseEvent press(QEvent::MouseButtonPress, c, g, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, c, g, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void report(const char *name, QList<double> ms)
{
    if (ms.isEmpty()) {
        std::printf("%-6s no runs\n", name);
        return;
    }
    const double first = ms.first();
    std::sort(ms.begin(), ms.end());
    std::printf("%-6s runs %2lld  first %7.1f  median %7.1f  max %7.1f ms\n", name,
                static_cast<long long>(ms.size()), first, ms.at(ms.size() / 2), ms.last());
}

} // namespace

int main(int argc, char *argv[])
{
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 9;

    QTemporaryDir dir;
    Contents contents{Workspace(dir.path())};
    contents.setPaperWindows(std::make_unique<ContentsPaperWindows>());
    contents.Form_Load();
    contents.show();
    settle(500);
    auto *papers = static_cast<ContentsPaperWindows *>(contents.paperWindows());

    QList<double> open, next;
    for (int r = 0; r < runs; ++r) {
        // Topics 1..10 in turn, the typed-answer paper of each (row 5).
        contents.TopicClick(r % 10 + 1);
        settle(100);
        QElapsedTimer t;
        t.start();
        click(contents.homePanel()->loadButton(5, 1));
        PaperWindow *w = papers->current();
        if (!w) {
            std::fprintf(stderr, "paper did not open\n");
            return 1;
        }
        PaintWait painted(w, t);
        const double ms = painted.wait();
        if (ms < 0) {
            std::fprintf(stderr, "first page not painted\n");
            return 1;
        }
        open << ms;
        for (int q = 0; q < 3; ++q) {
            t.restart();
            PaintWait again(w, t);
            click(w->toolbarButton(6));
            const double nextMs = again.wait();
            if (nextMs < 0) {
                std::fprintf(stderr, "next page not painted\n");
                return 1;
            }
            next << nextMs;
        }
        papers->closePaperWindows();
        settle(200);
    }

    // The store on a move, for paper 130 (80 slots) with every slot filled.
    QList<double> store;
    const ResultsStore results(Workspace(dir.path()), 2, contents.config().code, 50);
    QStringList lines = results.readPaperLines(ResultsStore::First);
    QStringList answers;
    for (int i = 1; i <= 80; ++i)
        answers << QStringLiteral("answer %1").arg(i);
    for (int r = 0; r < 50; ++r) {
        QElapsedTimer t;
        t.start();
        results.storePaperValues(ResultsStore::First, lines, 30, answers, 80);
        store << t.nsecsElapsed() / 1e6;
    }

    report("open", open);
    report("next", next);
    report("store", store);
    return 0;
}
