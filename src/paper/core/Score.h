#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// The texts a marking stores and the reports read back. They are written in
// one fixed form whatever the system's locale: "." as the decimal point and
// dates as dd/MM/yyyy.
namespace Score
{

inline const QString DateFormat = QStringLiteral("dd/MM/yyyy");

// Rounds to one decimal place, halves to the even digit, and writes the
// shortest form: 80, 66.7, 72.5, 0. "" for a value no score can reach (not
// finite, or beyond a billion).
QString OneDecimalText(double value);

// score / total x 100 in the form above, computed exactly; "" when the
// total is not positive (such a paper has no percentage) or beyond any
// paper's. A score outside 0..total counts as the nearer end.
QString PercentText(qint64 score, qint64 total);

// Elapsed time as H:M:S without leading zeros ("0:12:5"); whole days are
// dropped, so hours run 0..23. Negative spans count as zero.
QString TimeTakenText(qint64 seconds);
QString TimeTakenText(const QDateTime &start, const QDateTime &end);

QString DateText(const QDate &date);

// Reads a stored score ("66.7"; "66,7" from files written with a decimal
// comma is read too). False for empty or non-numeric text, and for a number
// that is not finite or lies outside 0..100: such a value is damaged, never a
// score.
bool ParseScore(const QString &text, double *value);

} // namespace Score
