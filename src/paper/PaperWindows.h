#pragma once

#include <QObject>
#include <QPointer>

class PaperHost;
class QTimer;
class PaperWindow;

// The main window's side of the paper windows: at most one is open. Opening
// unloads whichever is open, then shows Test1 when TakeNum is "1" and Test2
// otherwise, for the handover fields the host holds at that moment. From
// then until the first page is painted the pointer is busy and the paper
// counts as opening.
class PaperWindows : public QObject
{
    Q_OBJECT
public:
    explicit PaperWindows(PaperHost &host, QObject *parent = nullptr);
    ~PaperWindows() override;

    // The window shown, or null when the paper could not be opened (the
    // pupil has been told why).
    PaperWindow *openPaper();
    // As above with the attempt given: 1 first, any other second.
    PaperWindow *openPaper(int take);
    // Unloads the open paper window, without asking.
    void closePaperWindows();
    PaperWindow *current() const { return m_current; }

    // Gets the question-page browser and the paper window's pictures ready
    // in the background.
    void prepare();
    bool isOpening() const { return m_opening; }

signals:
    void paperOpened(PaperWindow *window);

private:
    void beginOpening();
    void endOpening();

    PaperHost &m_host;
    QPointer<PaperWindow> m_current;
    bool m_opening = false;
    QTimer *m_openingLimit = nullptr;
    bool m_picturesPrefetched = false;
};
