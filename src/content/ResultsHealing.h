#pragma once

#include "ResultsStore.h"

#include <QByteArray>
#include <QStringList>

// Reading a results file whatever its state: each record found by its key
// wherever it stands, in any order, with any junk around it (a record ends
// at a line break or at the next '#', which no value holds), and the file
// rebuilt on the layout of its template as the store writes it. A record
// keeps its values, padded or cut to the count its template gives; a value
// the store could never have written takes the template's value instead (a
// trend score is dropped): a result mark other than a tick or a cross, a
// score that is not a number from 0 to 100, a status other than "0" or "1".
namespace ResultsHealing {

struct Healed {
    // The file's lines as the store writes them, without their CR LF: the
    // records of the template's keys, in the template's order.
    QStringList lines;
    // What the file should hold: unchanged (less a byte-order mark) when it
    // already is what the store writes, or its template; else the lines.
    QByteArray bytes;
    bool healthy = false;   // the file holds exactly `bytes`
    bool markOnly = false;  // `bytes` preceded by a UTF-8 byte-order mark
    bool damaged() const { return !healthy && !markOnly; }
};

Healed heal(ResultsStore::Stem stem, const QByteArray &file, const QByteArray &templ,
            int paperCount);

} // namespace ResultsHealing
