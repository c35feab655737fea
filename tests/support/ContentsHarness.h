#pragma once

#include "Contents.h"
#include "PaperWindowFactory.h"
#include "ProgramConfig.h"
#include "ResultsPrinter.h"
#include "ResultsStore.h"
#include "SystemMessageBox.h"
#include "Workspace.h"
#include "frmPopUp.h"

#include <QCursor>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <map>
#include <memory>

// Shared by the main-window suites: a workspace of its own, results files
// written by hand, and the window driven as a pupil drives it.
namespace ContentsHarness
{

using Scores = std::map<int, QString>; // paper number -> score text

// A marks file as the paper windows write it, built here by hand so the
// tests do not lean on the writers under test.
inline QByteArray marksFile(const Scores &first, const Scores &second = {}, int papers = 15,
                            const Scores &times = {}, const Scores &dates = {})
{
    auto row = [papers](const char *key, const Scores &values, const QString &empty) {
        QByteArray line = QByteArray("#") + key + "#";
        for (int p = 1; p <= papers; ++p) {
            const auto it = values.find(p);
            line += '>' + (it == values.end() ? empty : it->second).toLatin1();
        }
        return line + "\r\n";
    };
    Scores firstStatus, secondStatus;
    for (const auto &[p, s] : first)
        firstStatus[p] = QStringLiteral("1");
    for (const auto &[p, s] : second)
        secondStatus[p] = QStringLiteral("1");
    return row("FSE", first, {}) + row("SSE", second, {}) + row("LTM", times, {}) +
           row("CDD", dates, {}) + row("FST", firstStatus, QStringLiteral("0")) +
           row("SST", secondStatus, QStringLiteral("0"));
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A configuration with the given module labels; every present module has
// `topics` topics named "Topic name k" and five papers each.
inline ProgramConfig config(const QStringList &labels, int topics = 3)
{
    ProgramConfig c;
    c.name = QStringLiteral("Tessaly");
    c.code = QStringLiteral("TY");
    for (int n = 1; n <= 3; ++n) {
        ModuleConfig &m = c.modules[size_t(n - 1)];
        m.label = labels.value(n - 1);
        if (!m.present())
            continue;
        m.topicCount = topics;
        m.paperCount = 5 * topics;
        for (int k = 1; k <= topics; ++k)
            m.topicNames << QStringLiteral("Topic name %1").arg(k);
    }
    return c;
}

inline void click(QWidget *w)
{
    QVERIFY2(w, "no such widget");
    QVERIFY2(w->isVisible(), qPrintable(w->objectName() + QStringLiteral(" is hidden")));
    QTest::mouseClick(w, Qt::LeftButton);
}

template <typename T = QWidget> T *find(QWidget *root, const QString &name)
{
    return root->findChild<T *>(name);
}

inline QString text(QWidget *root, const QString &name)
{
    QWidget *w = find(root, name);
    if (auto *l = qobject_cast<QLabel *>(w))
        return l->text();
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->text();
    return QStringLiteral("<no %1>").arg(name);
}

// What the pupil sees in the middle of the panel area: the panel whose
// child lies on top there.
inline QString visiblePanel(Contents &c)
{
    QWidget *client = c.shownPanel() ? c.shownPanel()->parentWidget() : nullptr;
    if (!client)
        return {};
    const QRect area = c.shownPanel()->geometry();
    for (QWidget *w = client->childAt(area.topLeft() + QPoint(area.width() / 2, 6)); w;
         w = w->parentWidget()) {
        if (w->objectName().startsWith(QStringLiteral("Body_")))
            return w->objectName();
    }
    return {};
}

// Records what the main window asks of the paper windows.
class FakePaperWindows : public PaperWindowFactory
{
public:
    struct Call {
        QString what;
        Contents::Handover handover;
    };
    void openPaper(Contents &contents, int take) override
    {
        calls.append({QStringLiteral("open %1").arg(take), contents.handover()});
    }
    void closePaperWindows() override { calls.append({QStringLiteral("close"), {}}); }
    void prepare() override { ++preparations; }
    bool isOpening() const override { return opening; }
    QList<Call> calls;
    int preparations = 0;
    bool opening = false;
};

// One window on a fresh workspace; dialogs answered by their seams.
class Fixture
{
public:
    Fixture()
    {
        QCursor::setPos(0, 0);
        SystemMessageBox::setRecording(true);
        ResultsPrinter::clearNextAnswers();
        frmPopUp::clearNextAnswers();
    }
    ~Fixture()
    {
        window.reset();
        SystemMessageBox::setRecording(false);
    }

    Workspace ws() const { return Workspace(dir.path()); }
    QString file(ResultsStore::Stem stem, int module = 2) const
    {
        return ws().file(ResultsStore::fileName(stem, module, QStringLiteral("TY")));
    }

    // Writes the results files the window would make, so a test can put its
    // own marks in before the window starts.
    void prepareResults() { ResetResultsFiles(ws(), ProgramConfig::read(ws())); }

    Contents &start(std::optional<ProgramConfig> config = std::nullopt)
    {
        window =
            config ? std::make_unique<Contents>(ws(), *config) : std::make_unique<Contents>(ws());
        window->Form_Load();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("main window not exposed");
        return *window;
    }

    QTemporaryDir dir;
    std::unique_ptr<Contents> window;
};

} // namespace ContentsHarness
