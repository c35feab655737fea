#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QuestionBrowser;
class QWidget;

// Loads the question-page browser module when the pupil heads for a paper,
// or at the latest when the first paper needs it, and keeps it (and its web
// engine) for the rest of the run. The module is looked for beside the
// program, then in the installed library folder.
namespace BrowserModule {

using Factory = std::function<QuestionBrowser *(QWidget *parent)>;

// A new browser as a child of `parent`; null, with a reason in `error`,
// when the module cannot be loaded. Waits for a load under way.
QuestionBrowser *create(QWidget *parent, QString *error = nullptr);

// Gets the next browser ready in the background: the module's libraries
// are loaded on a thread of their own, then (on this thread, from the event
// loop) the web engine is started and a page made ready. Does nothing when
// that is under way or done, or after the module once failed to load, or
// browsers come from a test factory; a missing module is told by create.
void prepare();

bool isLoaded();
QStringList searchPaths();

// Seam for tests: browsers come from `factory` instead of the module; an
// empty factory restores the module.
void setFactory(Factory factory);

} // namespace BrowserModule
