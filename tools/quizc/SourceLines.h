#pragma once

#include "Diagnostics.h"

#include <QByteArray>
#include <QList>
#include <QString>

// One line of a source file as written, decoded from UTF-8.
struct SourceLine {
    int number = 0; // 1-based
    QString text;   // without its line end or a byte-order mark
};

// The lines of a source file, ended by LF or CR LF; a line end at the very
// end makes no empty last line. A line that is not UTF-8 is reported and
// left out.
QList<SourceLine> sourceLines(const QString &path, const QByteArray &bytes, Diagnostics &diagnostics);
