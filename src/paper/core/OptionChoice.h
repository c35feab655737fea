#pragma once

#include <QString>
#include <QStringList>

// Answering a multiple-choice question on its page. Each option is a link
// to "#choice-N", which the view catches and never follows; the page shown
// with the fragment "#choice-N" draws option N chosen, "#choice-0" none.
namespace OptionChoice
{

inline constexpr int kOptionCount = 4;

// A question answered by choosing an option: one slot of kind "Q".
bool IsOptionQuestion(const QStringList &kinds);
// The option a link to `fragment` stands for, 1..4; 0 when it is none.
int OptionOfFragment(const QString &fragment);
// The fragment a page is shown with for the answer `answer` (as the box
// holds it) of an option question; empty for any other question.
QString PageMark(bool optionQuestion, const QString &answer);
// A key the answer box of an option question takes: the digit of an option.
bool IsOptionDigit(const QString &text);

} // namespace OptionChoice
