#include "FontChoice.h"

namespace Module5 {

QStringList TitleFamilies()
{
    // Liberation Sans keeps Arial's widths, which are close to Trebuchet's;
    // DejaVu Sans is wider, so labels size themselves to their text anyway.
    return {QStringLiteral("Trebuchet MS"), QStringLiteral("Liberation Sans"),
            QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")};
}

QStringList LabelFamilies()
{
    return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
            QStringLiteral("DejaVu Sans")};
}

QString ChooseFamily(const QStringList &wanted, const std::function<bool(const QString &)> &installed)
{
    for (const QString &family : wanted) {
        if (installed(family))
            return family;
    }
    return wanted.isEmpty() ? QString() : wanted.last();
}

} // namespace Module5
