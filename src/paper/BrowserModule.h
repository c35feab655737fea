#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QuestionBrowser;
class QWidget;

// Loads the question-page browser module when the first paper needs it and
// keeps it (and its web engine) for the rest of the run. The module is
// looked for beside the program, then in the installed library folder.
namespace BrowserModule {

using Factory = std::function<QuestionBrowser *(QWidget *parent)>;

// A new browser as a child of `parent`; null, with a reason in `error`,
// when the module cannot be loaded.
QuestionBrowser *create(QWidget *parent, QString *error = nullptr);

bool isLoaded();
QStringList searchPaths();

// Seam for tests: browsers come from `factory` instead of the module; an
// empty factory restores the module.
void setFactory(Factory factory);

} // namespace BrowserModule
