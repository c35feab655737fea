#include "ContentWarnings.h"

#include "InlineText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <tuple>

using namespace Quiz;

namespace {

const QString kPlural = QStringLiteral("plural");
const QString kRepeat = QStringLiteral("repeat");
const QString kGiveaway = QStringLiteral("giveaway");
const QString kMarker = QStringLiteral("marker");

// Two questions with an answer in common whose content words, weighted by
// how rare they are in the module, overlap at least this much ask the same.
constexpr double kNearRepeat = 0.28;
// A word named in this many other questions of a paper is the paper's
// ordinary vocabulary ("solid" in a paper on solids): it gives nothing away.
constexpr int kPaperVocabulary = 3;
// Shorter answers ("Heat", "Sun") are named all over a paper by nature.
constexpr int kGiveawayLetters = 5;
// A list of this many different answers asks to name any one of a kind:
// seeing one of them elsewhere does not answer it.
constexpr int kOpenList = 8;

QSet<QString> wordSet(std::initializer_list<const char *> words)
{
    QSet<QString> out;
    for (const char *w : words)
        out.insert(QString::fromLatin1(w));
    return out;
}

// Lower-case words of question or answer text, tags dropped.
QStringList wordsOf(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("[\\p{L}\\p{N}]+(?:'[\\p{L}]+)*"));
    QString plain = InlineText::plainText(text).toLower();
    plain.replace(QChar(0x2019), u'\'');
    QStringList out;
    for (auto it = word.globalMatch(plain); it.hasNext();)
        out.append(it.next().captured());
    return out;
}

// An answer's words without a leading article: a pupil typing "lungs" or
// "the lungs" means the same.
QStringList answerWords(const QString &answer)
{
    static const QSet<QString> articles = wordSet({"the", "a", "an"});
    QStringList w = wordsOf(answer);
    if (w.size() > 1 && articles.contains(w.first()))
        w.removeFirst();
    return w;
}

int letterCount(const QString &text)
{
    return int(std::count_if(text.cbegin(), text.cend(), [](QChar c) { return c.isLetter(); }));
}

// ---------------------------------------------------------------- markers

// "% allow KIND" lines and the line each one keeps: the next line that is
// not a comment.
class Markers
{
public:
    void read(const QString &file)
    {
        static const QRegularExpression marker(QStringLiteral("^%\\s*allow\\b\\s*([A-Za-z-]*)\\s*:?\\s*(.*)$"));
        static const QSet<QString> kinds{kPlural, kRepeat, kGiveaway};
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly))
            return;
        QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n');
        for (QString &l : lines)
            l = l.trimmed();
        for (int i = 0; i < lines.size(); ++i) {
            const auto m = marker.match(lines[i]);
            if (!m.hasMatch())
                continue;
            Marker mk;
            mk.line = i + 1;
            mk.kind = m.captured(1).toLower();
            // Plurals are kept by name; after the other kinds a reason may follow.
            if (mk.kind == kPlural)
                for (const QString &n : m.captured(2).split(u';', Qt::SkipEmptyParts))
                    if (!n.trimmed().isEmpty())
                        mk.names.append(n.trimmed());
            if (!kinds.contains(mk.kind)) {
                m_problems.append({file, mk.line, kMarker,
                                   QStringLiteral("unknown exception '%1'; use plural, repeat or giveaway").arg(mk.kind)});
                continue;
            }
            if (mk.kind == kPlural && mk.names.isEmpty()) {
                m_problems.append({file, mk.line, kMarker,
                                   QStringLiteral("name the plurals kept, as in '% allow plural: Biceps; Baked beans'")});
                continue;
            }
            int target = i + 1;
            while (target < lines.size() && lines[target].startsWith(u'%'))
                ++target;
            // A blank line ends the reach of a marker.
            const int kept = target < lines.size() && !lines[target].isEmpty() ? target + 1 : 0;
            m_byFile[file][kept].append(mk);
        }
    }

    // True when a marker above `line` keeps this warning; marks it used.
    bool allows(const QString &file, int line, const QString &kind, const QString &name = {})
    {
        auto fileIt = m_byFile.find(file);
        if (fileIt == m_byFile.end())
            return false;
        auto lineIt = fileIt->find(line);
        if (lineIt == fileIt->end())
            return false;
        for (Marker &mk : *lineIt) {
            if (mk.kind != kind)
                continue;
            if (name.isEmpty()) {
                mk.used = true;
                return true;
            }
            for (int n = 0; n < mk.names.size(); ++n)
                if (mk.names[n].compare(name, Qt::CaseInsensitive) == 0) {
                    mk.usedNames.insert(n);
                    return true;
                }
        }
        return false;
    }

    // Markers that keep nothing hide no fault and would hide a later one.
    void report(QList<ContentWarnings::Warning> &out) const
    {
        out.append(m_problems);
        for (auto f = m_byFile.cbegin(); f != m_byFile.cend(); ++f)
            for (auto l = f->cbegin(); l != f->cend(); ++l)
                for (const Marker &mk : l.value()) {
                    if (mk.names.isEmpty()) {
                        if (!mk.used)
                            out.append({f.key(), mk.line, kMarker,
                                        QStringLiteral("'%% allow %1' keeps no warning of the line below it").arg(mk.kind)});
                        continue;
                    }
                    for (int n = 0; n < mk.names.size(); ++n)
                        if (!mk.usedNames.contains(n))
                            out.append({f.key(), mk.line, kMarker,
                                        QStringLiteral("'%% allow %1' keeps '%2', which the line below it is not warned about")
                                            .arg(mk.kind, mk.names[n])});
                }
    }

private:
    struct Marker {
        int line = 0;
        QString kind;
        QStringList names;
        bool used = false;
        QSet<int> usedNames;
    };
    QHash<QString, QMap<int, QList<Marker>>> m_byFile; // by the line kept (0: none)
    QList<ContentWarnings::Warning> m_problems;
};

// ---------------------------------------------------------------- plurals

// The singulars a word may be the plural of; empty when it is none.
QStringList singularsOf(const QString &w)
{
    static const QHash<QString, QStringList> irregular{
        {QStringLiteral("teeth"), {QStringLiteral("tooth")}},
        {QStringLiteral("feet"), {QStringLiteral("foot")}},
        {QStringLiteral("geese"), {QStringLiteral("goose")}},
        {QStringLiteral("mice"), {QStringLiteral("mouse")}},
        {QStringLiteral("lice"), {QStringLiteral("louse")}},
        {QStringLiteral("children"), {QStringLiteral("child")}},
        {QStringLiteral("men"), {QStringLiteral("man")}},
        {QStringLiteral("women"), {QStringLiteral("woman")}},
        {QStringLiteral("people"), {QStringLiteral("person")}},
        {QStringLiteral("oxen"), {QStringLiteral("ox")}},
        {QStringLiteral("fungi"), {QStringLiteral("fungus")}},
        {QStringLiteral("cacti"), {QStringLiteral("cactus")}},
        {QStringLiteral("nuclei"), {QStringLiteral("nucleus")}},
        {QStringLiteral("stimuli"), {QStringLiteral("stimulus")}},
        {QStringLiteral("bacteria"), {QStringLiteral("bacterium")}},
        {QStringLiteral("larvae"), {QStringLiteral("larva")}},
        {QStringLiteral("pupae"), {QStringLiteral("pupa")}},
        {QStringLiteral("antennae"), {QStringLiteral("antenna")}},
        {QStringLiteral("vertebrae"), {QStringLiteral("vertebra")}},
        {QStringLiteral("stomata"), {QStringLiteral("stoma")}},
        {QStringLiteral("criteria"), {QStringLiteral("criterion")}},
        {QStringLiteral("phenomena"), {QStringLiteral("phenomenon")}},
        {QStringLiteral("axes"), {QStringLiteral("axis"), QStringLiteral("axe")}},
        {QStringLiteral("bases"), {QStringLiteral("base"), QStringLiteral("basis")}},
        {QStringLiteral("hypotheses"), {QStringLiteral("hypothesis")}},
    };
    // Ending in s without being a plural, or said only in the plural.
    static const QSet<QString> notPlural = wordSet({
        "lens", "mars", "news", "series", "species", "biceps", "triceps", "quadriceps", "pancreas", "measles",
        "mumps", "rabies", "diabetes", "atlas", "canvas", "christmas", "chaos", "means", "physics", "maths",
        "electronics", "genetics", "athletics", "gymnastics", "scissors", "pliers", "tongs", "tweezers",
        "binoculars", "spectacles", "glasses", "goggles", "trousers", "jeans", "shorts", "pyjamas", "tights",
        "clothes", "shears", "secateurs", "pincers", "scales", "headphones", "earphones", "always",
        "towards", "afterwards", "sideways", "outdoors", "indoors", "overseas", "nowadays", "sometimes",
        "perhaps", "whereas"});
    if (const auto it = irregular.constFind(w); it != irregular.cend())
        return it.value();
    if (w.size() <= 3 || !w.endsWith(u's') || notPlural.contains(w))
        return {};
    for (const char *ending : {"ss", "us", "is", "'s", "gas"})
        if (w.endsWith(QLatin1String(ending)))
            return {};
    const QString less = w.chopped(1);
    if (w.endsWith(u"ies"))
        return {w.chopped(3) + u'y', less};
    if (w.endsWith(u"ves"))
        return {w.chopped(3) + u'f', w.chopped(3) + QStringLiteral("fe"), less};
    if (w.endsWith(u"es"))
        return {w.chopped(2), less};
    return {less};
}

// The plural noun of an answer a pupil could as well type in the singular,
// or -1: the last word, or the one before "of" ("Phases of the Moon").
// Phrases that need their plural ("Five days", "By animals", "Water and
// minerals") have none.
int pluralHead(const QStringList &w, const QString &answer)
{
    static const QSet<QString> needPlural = wordSet({
        "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten", "eleven", "twelve", "twenty",
        "hundred", "thousand", "million", "many", "several", "few", "fewer", "both", "these", "those", "all",
        "no", "some", "more", "most", "lots", "plenty", "various", "other", "and", "or"});
    static const QSet<QString> prepositions = wordSet({
        "by", "on", "in", "into", "onto", "with", "without", "from", "to", "at", "for", "through", "under",
        "over", "between", "among", "like", "using", "near", "inside", "around", "across", "along", "via"});
    // "Cutting down trees" names an activity, not the trees.
    const bool activity = w.size() > 1 && w.first().size() > 5 && w.first().endsWith(u"ing");
    if (w.isEmpty() || activity || answer.contains(u',') || answer.contains(u'/') || answer.contains(u'&') ||
        prepositions.contains(w.first()))
        return -1;
    for (const QString &x : w) {
        bool number = false;
        const int n = x.toInt(&number);
        if (needPlural.contains(x) || (number && n != 1))
            return -1;
    }
    const int of = int(w.indexOf(QStringLiteral("of")));
    const int head = of > 0 ? of - 1 : int(w.size()) - 1;
    return singularsOf(w[head]).isEmpty() ? -1 : head;
}

void checkPlurals(const Paper &paper, const AnswerLine &a, Markers &markers, QList<ContentWarnings::Warning> &out)
{
    QSet<QString> accepted;
    for (const QString &alt : a.alternatives)
        accepted.insert(answerWords(alt).join(u' '));
    for (const QString &alt : a.alternatives) {
        const QStringList w = answerWords(alt);
        const int head = pluralHead(w, alt);
        if (head < 0)
            continue;
        bool found = false;
        for (const QString &s : singularsOf(w[head])) {
            QStringList singular = w;
            singular[head] = s;
            // "Kidney beans" is fine beside "Bean": the noun alone is taken.
            found = found || accepted.contains(singular.join(u' ')) || accepted.contains(s);
        }
        if (!found && !markers.allows(paper.path, a.line, kPlural, alt))
            out.append({paper.path, a.line, kPlural, QStringLiteral("'%1' is accepted without its singular").arg(alt)});
    }
    if (a.kind != u'G')
        return;
    // Each alternative of a group scores once: "Jet" and "Jets" would give
    // two marks for one answer.
    for (const QString &alt : a.alternatives) {
        const QStringList w = answerWords(alt);
        const int head = pluralHead(w, alt);
        if (head < 0)
            continue;
        for (const QString &s : singularsOf(w[head])) {
            QStringList singular = w;
            singular[head] = s;
            const auto twin = std::find_if(a.alternatives.cbegin(), a.alternatives.cend(), [&](const QString &other) {
                return answerWords(other) == singular;
            });
            if (twin != a.alternatives.cend() && !markers.allows(paper.path, a.line, kPlural, alt)) {
                out.append({paper.path, a.line, kPlural,
                            QStringLiteral("'%1' and '%2' each score in the group: one answer can count twice")
                                .arg(*twin, alt)});
                break;
            }
        }
    }
}

// ---------------------------------------------------------------- question text

class PictureLabels
{
public:
    explicit PictureLabels(const QString &dir) : m_dir(dir) {}

    // The words a diagram shows: the text of its <text> elements.
    QString of(const QString &name)
    {
        if (const auto it = m_cache.constFind(name); it != m_cache.cend())
            return it.value();
        QFile f(QDir(m_dir).filePath(name));
        QString labels;
        if (f.open(QIODevice::ReadOnly)) {
            QXmlStreamReader xml(&f);
            int inText = 0;
            while (!xml.atEnd()) {
                const auto token = xml.readNext();
                if (token == QXmlStreamReader::StartElement && xml.name() == u"text")
                    ++inText;
                else if (token == QXmlStreamReader::EndElement && xml.name() == u"text")
                    --inText;
                else if (token == QXmlStreamReader::Characters && inText > 0)
                    labels += xml.text().toString() + u' ';
            }
        }
        m_cache.insert(name, labels);
        return labels;
    }

private:
    QString m_dir;
    QHash<QString, QString> m_cache;
};

// Text of blocks; a diagram is given by `picture`.
template<typename PictureText>
QString blocksText(const QList<Block> &blocks, PictureText picture)
{
    QString out;
    for (const Block &b : blocks) {
        if (b.type == Block::Paragraph)
            out += b.text + u' ';
        else if (b.type == Block::Picture)
            out += picture(b.picture) + u' ';
        else
            for (const QStringList &row : b.rows)
                out += row.join(u' ') + u' ';
    }
    return out;
}

// ---------------------------------------------------------------- repeats

// Folded content words: the same question reworded keeps most of them.
QSet<QString> contentWords(const QStringList &words)
{
    static const QSet<QString> stop = wordSet({
        "a", "an", "the", "of", "to", "in", "on", "at", "by", "for", "from", "with", "and", "or", "is", "are",
        "was", "were", "be", "been", "it", "its", "this", "that", "these", "those", "which", "what", "when",
        "where", "who", "how", "why", "do", "does", "did", "you", "your", "can", "will", "would", "should",
        "could", "into", "out", "up", "as", "than", "then", "there", "their", "they", "them", "his", "her",
        "he", "she", "we", "our", "i", "not", "no", "any", "each", "some", "all", "more", "most", "much",
        "many", "very", "also", "has", "have", "had", "one", "two"});
    QSet<QString> out;
    for (const QString &w : words) {
        if (stop.contains(w))
            continue;
        out.insert(w.size() > 3 && w.endsWith(u's') && !w.endsWith(u"ss") ? w.chopped(1) : w);
    }
    return out;
}

// One thing a pupil is asked: a multiple-choice question, or a part.
struct Asked {
    const Paper *paper = nullptr;
    int question = 0; // 1-based
    int line = 0;
    QString where;         // "question 3" or "question 3 (c)"
    QString text;          // every word and diagram, for the same text twice
    QSet<QString> content; // content words and diagrams
    QList<QPair<QSet<QString>, QString>> answers; // folded content words, the answer as written
};

// An answer that says what the question was about: not a letter, a number
// or true/false, which many questions share by chance.
bool tellsTopic(const QSet<QString> &words)
{
    static const QSet<QString> trueFalse = wordSet({"t", "f", "true", "false"});
    if (words.isEmpty() || trueFalse.contains(words))
        return false;
    return std::any_of(words.cbegin(), words.cend(), [](const QString &w) {
        bool number = false;
        w.toDouble(&number);
        return w.size() > 1 && !number;
    });
}

void addAnswer(Asked &asked, const QString &answer)
{
    const QSet<QString> words = contentWords(answerWords(answer));
    if (tellsTopic(words))
        asked.answers.append({words, answer});
}

// An answer both accept, or one accepted answer of two words or more
// inside the other ("Setting up nature reserves" and "... where hunting is
// banned"); empty when there is none.
QString sharedAnswer(const Asked &a, const Asked &b)
{
    for (const auto &[x, text] : a.answers)
        for (const auto &[y, other] : b.answers) {
            if (x == y)
                return text;
            const auto &[small, large] = x.size() < y.size() ? std::tie(x, y) : std::tie(y, x);
            if (small.size() >= 2 && large.contains(small))
                return x.size() < y.size() ? text : other;
        }
    return {};
}

QList<Asked> askedOf(const QList<Paper> &papers)
{
    const auto pictureName = [](const QString &name) { return QStringLiteral("picture:") + name; };
    QList<Asked> out;
    for (const Paper &paper : papers) {
        for (int i = 0; i < paper.questions.size(); ++i) {
            const Question &q = paper.questions[i];
            const QString stem = blocksText(q.stem, pictureName);
            auto asked = [&](int line, const QString &where, const QString &text) {
                Asked a;
                a.paper = &paper;
                a.question = i + 1;
                a.line = line;
                a.where = where;
                const QStringList words = wordsOf(text);
                a.text = words.join(u' ');
                a.content = contentWords(words);
                return a;
            };
            const QString number = QStringLiteral("question %1").arg(i + 1);
            if (q.multipleChoice) {
                Asked a = asked(q.line, number, stem);
                addAnswer(a, q.options.value(q.answer - 1));
                out.append(a);
                continue;
            }
            const bool oneSlot = slotCountOf(q) == 1;
            int slot = 0;
            for (const Part &p : q.parts) {
                const QString where = oneSlot ? number : number + QStringLiteral(" (%1)").arg(QChar(u'a' + slot));
                Asked a = asked(p.line, where, stem + blocksText(p.blocks, pictureName));
                for (const AnswerLine &line : p.answers)
                    for (const QString &alt : line.alternatives)
                        addAnswer(a, alt);
                out.append(a);
                slot += slotCountOf(p);
            }
        }
    }
    return out;
}

QString placeOf(const Asked &a)
{
    return QStringLiteral("%1:%2 (%3)").arg(QFileInfo(a.paper->path).fileName()).arg(a.line).arg(a.where);
}

void checkRepeats(const QList<Paper> &papers, Markers &markers, QList<ContentWarnings::Warning> &out)
{
    const QList<Asked> asked = askedOf(papers);
    QHash<QString, int> frequency; // in how many asked things a content word occurs
    for (const Asked &a : asked)
        for (const QString &w : a.content)
            ++frequency[w];
    const double n = double(asked.size());
    const auto weight = [&](const QString &w) { return std::log(1.0 + n / frequency.value(w, 1)); };

    auto warn = [&](int earlier, int later, const QString &message) {
        const Asked &a = asked[earlier], &b = asked[later];
        const bool keptA = markers.allows(a.paper->path, a.line, kRepeat);
        const bool keptB = markers.allows(b.paper->path, b.line, kRepeat);
        if (!keptA && !keptB)
            out.append({b.paper->path, b.line, kRepeat, message});
    };
    const auto sameQuestion = [&](int i, int j) {
        return asked[i].paper == asked[j].paper && asked[i].question == asked[j].question;
    };

    QHash<QString, int> byText;
    QSet<QPair<int, int>> reported;
    for (int j = 0; j < asked.size(); ++j) {
        if (asked[j].text.isEmpty())
            continue;
        const auto it = byText.constFind(asked[j].text);
        if (it != byText.cend() && !sameQuestion(it.value(), j)) {
            warn(it.value(), j, QStringLiteral("%1 has the same text as %2").arg(asked[j].where, placeOf(asked[it.value()])));
            reported.insert({it.value(), j});
        } else if (it == byText.cend()) {
            byText.insert(asked[j].text, j);
        }
    }

    // Only things with an answer word in common can be the same question.
    QHash<QString, QList<int>> byAnswerWord;
    for (int j = 0; j < asked.size(); ++j) {
        QSet<QString> words;
        for (const auto &answer : asked[j].answers)
            words.unite(answer.first);
        for (const QString &w : words)
            byAnswerWord[w].append(j);
    }
    QMap<QPair<int, int>, QString> near; // in source order, with the answer shared
    QSet<QPair<int, int>> tried;
    for (const QList<int> &ids : std::as_const(byAnswerWord)) {
        for (int x = 0; x < ids.size(); ++x)
            for (int y = x + 1; y < ids.size(); ++y) {
                const QPair<int, int> pair{ids[x], ids[y]};
                if (sameQuestion(pair.first, pair.second) || reported.contains(pair) || tried.contains(pair))
                    continue;
                tried.insert(pair);
                const Asked &a = asked[pair.first], &b = asked[pair.second];
                double shared = 0, all = 0;
                for (const QString &w : a.content) {
                    all += weight(w);
                    if (b.content.contains(w))
                        shared += weight(w);
                }
                for (const QString &w : b.content)
                    if (!a.content.contains(w))
                        all += weight(w);
                if (all <= 0 || shared / all < kNearRepeat)
                    continue;
                if (const QString answer = sharedAnswer(a, b); !answer.isEmpty())
                    near.insert(pair, answer);
            }
    }
    for (auto it = near.cbegin(); it != near.cend(); ++it)
        warn(it.key().first, it.key().second,
             QStringLiteral("%1 asks what %2 asks, with the same answer '%3'")
                 .arg(asked[it.key().second].where, placeOf(asked[it.key().first]), it.value()));
}

// ---------------------------------------------------------------- giveaways

bool names(const QString &paddedText, const QString &phrase)
{
    return paddedText.contains(u' ' + phrase + u' ') || paddedText.contains(u' ' + phrase + QStringLiteral("s ")) ||
           paddedText.contains(u' ' + phrase + QStringLiteral("es "));
}

void checkGiveaways(const QList<Paper> &papers, PictureLabels &labels, Markers &markers,
                    QList<ContentWarnings::Warning> &out)
{
    const auto pictureText = [&](const QString &name) { return labels.of(name); };
    // Per paper, per question: all its words, space-padded for whole-word search.
    QList<QStringList> texts;
    for (const Paper &paper : papers) {
        QStringList perQuestion;
        for (const Question &q : paper.questions) {
            QString text = blocksText(q.stem, pictureText) + q.options.join(u' ');
            for (const Part &p : q.parts)
                text += u' ' + blocksText(p.blocks, pictureText);
            perQuestion.append(u' ' + wordsOf(text).join(u' ') + u' ');
        }
        texts.append(perQuestion);
    }
    for (int p = 0; p < papers.size(); ++p) {
        const Paper &paper = papers[p];
        for (int i = 0; i < paper.questions.size(); ++i) {
            for (const Part &part : paper.questions[i].parts) {
                for (const AnswerLine &a : part.answers) {
                    if (a.alternatives.size() - a.count + 1 >= kOpenList)
                        continue;
                    // An M list's first alternative is its key; the rest are
                    // other ways of typing it.
                    const QStringList keys = a.kind == u'G' ? a.alternatives : a.alternatives.mid(0, 1);
                    for (const QString &key : keys) {
                        const QString phrase = answerWords(key).join(u' ');
                        if (letterCount(phrase) < kGiveawayLetters || phrase == u"true" || phrase == u"false")
                            continue;
                        // A question that offers its own answer ("write
                        // producer, consumer or decomposer") loses nothing
                        // by another naming it too.
                        if (names(texts[p][i], phrase))
                            continue;
                        QStringList where;
                        for (int j = 0; j < texts[p].size(); ++j)
                            if (j != i && names(texts[p][j], phrase))
                                where.append(QString::number(j + 1));
                        if (where.isEmpty() || where.size() >= kPaperVocabulary || markers.allows(paper.path, a.line, kGiveaway))
                            continue;
                        out.append({paper.path, a.line, kGiveaway,
                                    QStringLiteral("the answer '%1' is named in question%2 %3 of this paper")
                                        .arg(key, where.size() > 1 ? QStringLiteral("s") : QString(),
                                             where.join(QStringLiteral(", ")))});
                    }
                }
            }
        }
    }
}

} // namespace

QString ContentWarnings::Warning::text() const
{
    return QStringLiteral("%1:%2: warning: %3 [%4]").arg(file).arg(line).arg(message, kind);
}

QList<ContentWarnings::Warning> ContentWarnings::check(const QList<Paper> &papers, const QString &pictureDir)
{
    Markers markers;
    for (const Paper &paper : papers)
        markers.read(paper.path);
    QList<Warning> out;
    for (const Paper &paper : papers)
        for (const Question &q : paper.questions)
            for (const Part &part : q.parts)
                for (const AnswerLine &a : part.answers)
                    if (a.kind == u'M' || a.kind == u'G')
                        checkPlurals(paper, a, markers, out);
    checkRepeats(papers, markers, out);
    PictureLabels labels(pictureDir);
    checkGiveaways(papers, labels, markers, out);
    markers.report(out);
    std::stable_sort(out.begin(), out.end(), [](const Warning &a, const Warning &b) {
        return a.file != b.file ? a.file < b.file : a.line < b.line;
    });
    return out;
}
