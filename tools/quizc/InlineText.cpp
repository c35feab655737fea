#include "InlineText.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

const QRegularExpression &tagPattern()
{
    static const QRegularExpression re(QStringLiteral("<(/?)(b|i|u|sub|sup|br)\\s*(/?)>"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

QString escaped(QStringView text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (QChar c : text) {
        switch (c.unicode()) {
        case '&': out += QStringLiteral("&amp;"); break;
        case '<': out += QStringLiteral("&lt;"); break;
        case '>': out += QStringLiteral("&gt;"); break;
        case '"': out += QStringLiteral("&quot;"); break;
        default: out += c;
        }
    }
    return out;
}

} // namespace

QString InlineText::checkTags(const QString &text)
{
    QStringList open;
    auto it = tagPattern().globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        const QString name = m.captured(2).toLower();
        if (name == u"br")
            continue;
        if (m.captured(1).isEmpty()) {
            open.append(name);
        } else if (open.isEmpty() || open.last() != name) {
            return QStringLiteral("</%1> does not close an open <%1>").arg(name);
        } else {
            open.removeLast();
        }
    }
    if (!open.isEmpty())
        return QStringLiteral("<%1> is not closed").arg(open.last());
    return {};
}

QString InlineText::toHtml(const QString &text)
{
    QString out;
    qsizetype pos = 0;
    auto it = tagPattern().globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        out += escaped(QStringView(text).mid(pos, m.capturedStart() - pos));
        const QString name = m.captured(2).toLower();
        out += name == u"br" ? QStringLiteral("<br>")
                             : QLatin1Char('<') + m.captured(1) + name + QLatin1Char('>');
        pos = m.capturedEnd();
    }
    out += escaped(QStringView(text).mid(pos));
    return out;
}

QString InlineText::plainText(const QString &text)
{
    QString out = text;
    return out.replace(tagPattern(), QStringLiteral(" "));
}
