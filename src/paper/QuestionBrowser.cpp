#include "QuestionBrowser.h"

QuestionBrowser::QuestionBrowser(QWidget *parent)
    : QWidget(parent)
{
}

QuestionBrowser::~QuestionBrowser() = default;

// Compiled here, not with the library's other meta-object code, so that the
// browser module links this one object and none of the windows.
#include "moc_QuestionBrowser.cpp"
