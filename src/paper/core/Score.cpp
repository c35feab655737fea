#include "Score.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace Score
{

namespace
{

QString tenthsText(qint64 tenths)
{
    const bool negative = tenths < 0;
    const qint64 t = negative ? -tenths : tenths;
    QString text = QString::number(t / 10);
    if (t % 10 != 0)
        text += QLatin1Char('.') + QString::number(t % 10);
    return negative ? QLatin1Char('-') + text : text;
}

} // namespace

QString OneDecimalText(double value)
{
    // Far inside what the tenths' whole number can hold.
    if (!std::isfinite(value) || std::fabs(value) > 1e9)
        return QString();
    const double y = value * 10.0;
    const double f = std::floor(y);
    const double fraction = y - f;
    // Averages of one-decimal scores land on halves that binary doubles miss
    // by a few ulps (733.4999...); such a near-half is taken as a half.
    const double tolerance = 1e-9 * std::max(1.0, std::fabs(y));
    double rounded;
    if (std::fabs(fraction - 0.5) <= tolerance)
        rounded = std::fmod(f, 2.0) == 0.0 ? f : f + 1.0;
    else
        rounded = std::floor(y + 0.5);
    const auto tenths = static_cast<qint64>(rounded);
    return tenthsText(tenths == 0 ? 0 : tenths);
}

QString PercentText(qint64 score, qint64 total)
{
    // Far beyond any paper; past it the arithmetic below would overflow.
    constexpr qint64 kMostMarks = qint64(1) << 40;
    if (total <= 0 || total > kMostMarks)
        return QString();
    const qint64 scaled = std::clamp<qint64>(score, 0, total) * 1000;
    qint64 tenths = scaled / total;
    const qint64 twiceRest = 2 * (scaled % total);
    if (twiceRest > total || (twiceRest == total && tenths % 2 != 0))
        ++tenths;
    return tenthsText(tenths);
}

QString TimeTakenText(qint64 seconds)
{
    const qint64 s = std::max<qint64>(seconds, 0) % 86400;
    return QStringLiteral("%1:%2:%3").arg(s / 3600).arg(s / 60 % 60).arg(s % 60);
}

QString TimeTakenText(const QDateTime &start, const QDateTime &end)
{
    return TimeTakenText(start.secsTo(end));
}

QString DateText(const QDate &date)
{
    // QDate::toString with a format is locale-independent.
    return date.toString(DateFormat);
}

bool ParseScore(const QString &text, double *value)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    double v = c.toDouble(t, &ok);
    if (!ok && !t.contains(QLatin1Char('.')))
        v = c.toDouble(QString(t).replace(QLatin1Char(','), QLatin1Char('.')), &ok);
    if (!ok || !std::isfinite(v) || v < 0.0 || v > 100.0)
        return false;
    *value = v;
    return true;
}

} // namespace Score
