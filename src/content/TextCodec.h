#pragma once

#include <QByteArray>
#include <QString>

// Every data file is 8-bit Windows-1252 text; these are the only conversions.
namespace TextCodec {

QString fromCp1252(const QByteArray &bytes);
// Characters outside Windows-1252 become '?'.
QByteArray toCp1252(const QString &text);
bool isCp1252(QChar c);

// Clears text typed by the pupil before it is stored in a record: the format
// cannot hold '>' (separator), '#' (key marker), CR or LF, and the file can
// only hold Windows-1252 characters.
QString ClearAnswerText(const QString &text);

} // namespace TextCodec
