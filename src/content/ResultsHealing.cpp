#include "ResultsHealing.h"

#include "Records.h"
#include "Score.h"
#include "TextCodec.h"

#include <QHash>

namespace {

using Values = QList<QByteArray>;

enum class Kind {
    Text,        // answers, times, dates: anything a record can hold
    Mark,        // "", tick or cross
    Score,       // "" or a number from 0 to 100
    Status,      // "0" or "1"
    TrendScore,  // "" (a paper worth no marks) or a number from 0 to 100; dropped otherwise
};

bool acceptable(Kind kind, const QByteArray &value)
{
    switch (kind) {
    case Kind::Text:
        return true;
    case Kind::Mark:
        return value.isEmpty() || value == "\xFC" || value == "\xFB";
    case Kind::Score:
    case Kind::TrendScore: {
        if (value.isEmpty())
            return true;
        double v = 0;
        return Score::ParseScore(QString::fromLatin1(value), &v);
    }
    case Kind::Status:
        return value == "0" || value == "1";
    }
    return false;
}

struct Found {
    QByteArray text; // after "#KEY#", up to the record's end
    bool record = false; // followed by '>' or by nothing at all, as a record is
};

// Every wanted 3-character key, found in one pass. Of several occurrences
// the first that looks like a record wins, else the first: a lookup reads
// the first matching line too.
QHash<QByteArray, Found> findRecords(const QByteArray &bytes, const QHash<QByteArray, int> &wanted)
{
    QHash<QByteArray, Found> found;
    const qsizetype n = bytes.size();
    for (qsizetype i = bytes.indexOf('#'); i >= 0 && i + 4 < n; i = bytes.indexOf('#', i + 1)) {
        if (bytes.at(i + 4) != '#')
            continue;
        const QByteArray key = bytes.mid(i + 1, 3).toUpper();
        if (!wanted.contains(key))
            continue;
        auto it = found.find(key);
        if (it != found.end() && it->record)
            continue;
        qsizetype end = i + 5;
        while (end < n && bytes.at(end) != '\r' && bytes.at(end) != '\n' && bytes.at(end) != '#')
            ++end;
        Found f;
        f.text = bytes.mid(i + 5, end - i - 5);
        f.record = f.text.isEmpty() || f.text.startsWith('>');
        if (it == found.end())
            found.insert(key, f);
        else if (f.record)
            *it = f;
    }
    return found;
}

// The values of a record's text: what follows each '>'; text before the
// first '>' is not a value.
Values splitValues(const QByteArray &text)
{
    Values values = text.split('>');
    values.removeFirst();
    return values;
}

struct Layout {
    QList<QByteArray> keys;
    QList<Values> initial; // the template's values per key
    QList<Kind> kinds;
    bool variable = false; // the trend: as many values as there are scores
};

Layout layoutFor(ResultsStore::Stem stem, const QByteArray &templ, int paperCount)
{
    Layout layout;
    if (stem == ResultsStore::Trend) {
        layout.keys = {"TRD"};
        layout.initial = {{}};
        layout.kinds = {Kind::TrendScore};
        layout.variable = true;
        return layout;
    }
    if (stem == ResultsStore::Marks) {
        for (const QString &key : MarksRows::keys())
            layout.keys.append(key.toLatin1());
        layout.kinds = {Kind::Score, Kind::Score, Kind::Text, Kind::Text, Kind::Status, Kind::Status};
    } else {
        const bool marks = stem == ResultsStore::FResults || stem == ResultsStore::SResults;
        for (int b = 1; b <= paperCount; ++b) {
            layout.keys.append(QByteArray::number(100 + b));
            layout.kinds.append(marks ? Kind::Mark : Kind::Text);
        }
    }
    QHash<QByteArray, int> wanted;
    for (int i = 0; i < layout.keys.size(); ++i)
        wanted.insert(layout.keys.at(i), i);
    const QHash<QByteArray, Found> inTemplate = findRecords(templ, wanted);
    for (int i = 0; i < layout.keys.size(); ++i) {
        Values values = splitValues(inTemplate.value(layout.keys.at(i)).text);
        if (stem == ResultsStore::Marks) {
            // One value per paper of the module.
            const QByteArray none = layout.kinds.at(i) == Kind::Status ? "0" : "";
            values.resize(paperCount, none);
            for (QByteArray &v : values)
                if (!acceptable(layout.kinds.at(i), v))
                    v = none;
        }
        layout.initial.append(values);
    }
    return layout;
}

QByteArray recordLine(const QByteArray &key, const Values &values, bool variable)
{
    QByteArray line = '#' + key + '#';
    if (variable) {
        for (const QByteArray &v : values)
            line += '>' + v;
        return line;
    }
    // As the writers build it: "#KEY#>" then the values joined by '>'.
    return line + '>' + values.join('>');
}

} // namespace

namespace ResultsHealing {

Healed heal(ResultsStore::Stem stem, const QByteArray &file, const QByteArray &templ, int paperCount)
{
    const Layout layout = layoutFor(stem, templ, paperCount);
    const bool mark = file.startsWith(Module1::kByteOrderMark);
    const QByteArray body = mark ? file.mid(3) : file;

    QHash<QByteArray, int> wanted;
    for (int i = 0; i < layout.keys.size(); ++i)
        wanted.insert(layout.keys.at(i), i);
    const QHash<QByteArray, Found> found = findRecords(body, wanted);

    Healed healed;
    QByteArray rebuilt;
    for (int i = 0; i < layout.keys.size(); ++i) {
        const Values &initial = layout.initial.at(i);
        const Kind kind = layout.kinds.at(i);
        const auto it = found.constFind(layout.keys.at(i));
        Values values;
        if (layout.variable) {
            if (it != found.constEnd())
                for (const QByteArray &v : splitValues(it->text))
                    if (acceptable(kind, v))
                        values.append(v);
        } else {
            const Values read = it != found.constEnd() ? splitValues(it->text) : Values();
            // A key its template lacks keeps the count it was found with.
            values = initial.isEmpty() ? Values(read.size()) : initial;
            for (qsizetype k = 0; k < values.size() && k < read.size(); ++k)
                if (acceptable(kind, read.at(k)))
                    values[k] = read.at(k);
        }
        const QByteArray line = recordLine(layout.keys.at(i), values, layout.variable);
        healed.lines.append(TextCodec::fromCp1252(line));
        rebuilt += line + "\r\n";
    }

    const bool asStored = body == rebuilt || body == templ;
    healed.healthy = asStored && !mark;
    healed.markOnly = asStored && mark;
    healed.bytes = asStored ? body : rebuilt;
    return healed;
}

} // namespace ResultsHealing
