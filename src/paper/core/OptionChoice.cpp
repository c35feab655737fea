#include "OptionChoice.h"

namespace OptionChoice
{

namespace
{

int optionNumber(const QString &text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && text.size() == 1 && n >= 1 && n <= kOptionCount ? n : 0;
}

} // namespace

bool IsOptionQuestion(const QStringList &kinds)
{
    return kinds.size() == 1 && kinds.first().trimmed() == QLatin1String("Q");
}

int OptionOfFragment(const QString &fragment)
{
    const QLatin1String prefix("choice-");
    if (!fragment.startsWith(prefix))
        return 0;
    return optionNumber(fragment.mid(prefix.size()));
}

QString PageMark(bool optionQuestion, const QString &answer)
{
    // An answer stored before the box took digits only is shown unchosen.
    return optionQuestion ? QStringLiteral("choice-") + QString::number(optionNumber(answer.trimmed()))
                          : QString();
}

bool IsOptionDigit(const QString &text)
{
    return optionNumber(text) != 0;
}

} // namespace OptionChoice
