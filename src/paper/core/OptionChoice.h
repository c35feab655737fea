#pragma once

#include <QString>
#include <QStringList>

// Answering a multiple-choice question on its page. The page marks its
// options with fragment targets: "#choice-N" draws option N chosen on a page
// that takes clicks, "#chosen-N" on one that does not (a marked attempt, a
// part locked in a second attempt), where the options also stop reacting to
// the pointer; N = 0 marks none. Each option is a link to "#choice-N", which
// the view catches and never follows.
namespace OptionChoice
{

inline constexpr int kOptionCount = 4;

// A question answered by choosing an option: one slot of kind "Q".
bool IsOptionQuestion(const QStringList &kinds);
// The option a link to `fragment` stands for, 1..4; 0 when it is none.
int OptionOfFragment(const QString &fragment);
// The fragment a page is shown with for the answer `answer` (as the box
// holds it) of an option question; empty for any other question.
QString PageMark(bool optionQuestion, const QString &answer, bool locked);
// A key the answer box of an option question takes: the digit of an option.
bool IsOptionDigit(const QString &text);

} // namespace OptionChoice
