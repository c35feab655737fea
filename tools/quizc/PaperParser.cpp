#include "PaperParser.h"

#include "InlineText.h"
#include "TextCodec.h"

#include <QRegularExpression>

using namespace Quiz;

namespace {

const QRegularExpression kQuestion(QStringLiteral("^question(?:\\s+(\\S+))?$"));
const QRegularExpression kAnswer(QStringLiteral("^answer(?:\\s+(\\S+))?$"));
const QRegularExpression kAnswerLike(QStringLiteral("^answer(?:\\s+\\d+)?$"));
const QRegularExpression kOption(QStringLiteral("^(\\d+)\\)\\s*(.*)$"));
const QRegularExpression kPart(QStringLiteral("^part(?:\\s+(.*))?$"));
const QRegularExpression kPicture(QStringLiteral("^picture(?:\\s+(.*))?$"));
const QRegularExpression kPictureName(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9._-]*\\.svg$"));
const QRegularExpression kSlotLine(QStringLiteral("^=\\s*(\\S*)\\s*(\\S*)\\s*(.*)$"));
const QRegularExpression kGroupMarks(QStringLiteral("^(\\d+)x(\\d+)$"));
const QRegularExpression kWhole(QStringLiteral("^\\d+$"));
const QRegularExpression kDecimal(QStringLiteral("^-?\\d+(\\.\\d+)?$"));

constexpr int kMaxMarks = 99;
constexpr int kMaxQuestionSlots = 20;

bool isComment(const QString &t) { return t.startsWith(u'%'); }

int wholeNumber(const QString &text)
{
    if (!kWhole.match(text).hasMatch() || text.size() > 4)
        return -1;
    return text.toInt();
}

// A "|a|b|" line split into trimmed cells.
QStringList tableCells(const QString &line)
{
    QString body = line.mid(1);
    if (body.endsWith(u'|'))
        body.chop(1);
    QStringList cells = body.split(u'|');
    for (QString &c : cells)
        c = c.trimmed();
    return cells;
}

// Markdown-style "|---|:--|" rows carry nothing; writers used to that habit
// would otherwise get a row of dashes.
bool isRuleRow(const QStringList &cells)
{
    static const QRegularExpression rule(QStringLiteral("^:?-+:?$"));
    for (const QString &c : cells)
        if (!rule.match(c).hasMatch())
            return false;
    return true;
}

} // namespace

class PaperParser::BlockCollector
{
public:
    BlockCollector(PaperParser &parser, QList<Block> &blocks) : m_parser(parser), m_blocks(blocks) {}
    ~BlockCollector() { flush(); }

    // Takes a text, blank, picture or table line; false for anything else.
    bool take(const SourceLine &l)
    {
        const QString &t = l.text;
        if (t.isEmpty()) {
            flush();
        } else if (t.startsWith(u'|')) {
            flushParagraph();
            if (m_table.rows.isEmpty())
                m_table.line = l.number;
            const QStringList cells = tableCells(t);
            if (isRuleRow(cells))
                return true;
            if (!m_table.rows.isEmpty() && cells.size() != m_table.rows.first().size()) {
                m_parser.error(l.number, QStringLiteral("table row has %1 cells but the header row has %2")
                                             .arg(cells.size())
                                             .arg(m_table.rows.first().size()));
            }
            for (const QString &c : cells)
                checkTags(c, l.number);
            m_table.rows.append(cells);
        } else if (const auto m = kPicture.match(t); m.hasMatch()) {
            flush();
            const QString name = m.captured(1).trimmed();
            if (!kPictureName.match(name).hasMatch()) {
                m_parser.error(l.number, QStringLiteral("'picture' needs the file name of an SVG diagram "
                                                        "(letters, digits, '.', '-', '_', ending in .svg)"));
            } else {
                Block b;
                b.type = Block::Picture;
                b.line = l.number;
                b.picture = name;
                m_blocks.append(b);
            }
        } else {
            flushTable();
            if (m_paragraph.text.isEmpty()) {
                m_paragraph.line = l.number;
                m_paragraph.text = t;
            } else {
                m_paragraph.text += QLatin1Char(' ') + t;
            }
        }
        return true;
    }

    void startParagraph(const QString &text, int line)
    {
        flush();
        m_paragraph.line = line;
        m_paragraph.text = text;
    }

    void flush()
    {
        flushParagraph();
        flushTable();
    }

private:
    void checkTags(const QString &text, int line)
    {
        const QString problem = InlineText::checkTags(text);
        if (!problem.isEmpty())
            m_parser.error(line, problem);
    }
    void flushParagraph()
    {
        if (m_paragraph.text.isEmpty())
            return;
        checkTags(m_paragraph.text, m_paragraph.line);
        m_paragraph.type = Block::Paragraph;
        m_blocks.append(m_paragraph);
        m_paragraph = Block();
    }
    void flushTable()
    {
        if (m_table.rows.isEmpty())
            return;
        m_table.type = Block::Table;
        m_blocks.append(m_table);
        m_table = Block();
    }

    PaperParser &m_parser;
    QList<Block> &m_blocks;
    Block m_paragraph;
    Block m_table;
};

Paper PaperParser::parse(const QString &path, int key, const QByteArray &bytes)
{
    m_path = path;
    Paper paper;
    paper.key = key;
    paper.path = path;

    // Split into questions first: whether a question is multiple choice
    // decides how its lines are read.
    QList<QList<SourceLine>> chunks;
    for (const SourceLine &source : sourceLines(path, bytes, m_diag)) {
        const QString text = source.text.trimmed();
        if (isComment(text))
            continue;
        if (kQuestion.match(text).hasMatch()) {
            chunks.append({{source.number, text}});
        } else if (chunks.isEmpty()) {
            if (!text.isEmpty())
                error(source.number, QStringLiteral("text before the first 'question' line"));
        } else {
            chunks.last().append({source.number, text});
        }
    }
    if (chunks.isEmpty()) {
        error(1, QStringLiteral("paper has no questions"));
        return paper;
    }
    for (const auto &chunk : chunks) {
        Question q;
        parseQuestion(chunk, q);
        checkQuestion(q);
        paper.questions.append(q);
    }
    return paper;
}

void PaperParser::parseQuestion(const QList<SourceLine> &lines, Question &q)
{
    const SourceLine &head = lines.first();
    q.line = head.number;
    const QString marks = kQuestion.match(head.text).captured(1);

    bool hasAnswer = false, hasParts = false, hasOptions = false;
    for (const SourceLine &l : lines.mid(1)) {
        hasAnswer = hasAnswer || kAnswerLike.match(l.text).hasMatch();
        hasParts = hasParts || kPart.match(l.text).hasMatch();
        hasOptions = hasOptions || kOption.match(l.text).hasMatch();
    }
    q.multipleChoice = hasAnswer || (hasOptions && !hasParts);

    if (!marks.isEmpty()) {
        const int m = wholeNumber(marks);
        if (!q.multipleChoice)
            error(q.line, QStringLiteral("marks on the 'question' line are for multiple-choice questions; "
                                         "give the marks of a structured question on its '=' lines"));
        else if (m < 1 || m > kMaxMarks)
            error(q.line, QStringLiteral("question marks must be a whole number from 1 to %1").arg(kMaxMarks));
        else
            q.marks = m;
    }

    if (q.multipleChoice)
        parseMultipleChoice(lines.mid(1), q);
    else if (hasParts)
        parseStructured(lines.mid(1), q);
    else
        error(q.line, QStringLiteral("question has no answers: give options 1) to 4) and 'answer N', "
                                     "or parts with '=' lines"));
}

void PaperParser::parseMultipleChoice(const QList<SourceLine> &lines, Question &q)
{
    BlockCollector stem(*this, q.stem);
    int answerLine = 0;
    for (const SourceLine &l : lines) {
        const QString &t = l.text;
        if (const auto m = kOption.match(t); m.hasMatch() && answerLine == 0) {
            stem.flush();
            const int n = m.captured(1).toInt();
            const QString text = m.captured(2).trimmed();
            if (n != q.options.size() + 1)
                error(l.number, QStringLiteral("option %1) is out of order; expected %2)")
                                    .arg(m.captured(1))
                                    .arg(q.options.size() + 1));
            if (text.isEmpty())
                error(l.number, QStringLiteral("option %1) has no text").arg(m.captured(1)));
            if (const QString problem = InlineText::checkTags(text); !problem.isEmpty())
                error(l.number, problem);
            q.options.append(text);
        } else if (const auto a = kAnswer.match(t); a.hasMatch()) {
            if (answerLine != 0) {
                error(l.number, QStringLiteral("second 'answer' line; the first is on line %1").arg(answerLine));
                continue;
            }
            answerLine = l.number;
            const int n = wholeNumber(a.captured(1));
            if (n < 1 || n > 4)
                error(l.number, QStringLiteral("'answer' must name option 1, 2, 3 or 4"));
            else
                q.answer = n;
        } else if (kPart.match(t).hasMatch() || t.startsWith(u'=')) {
            error(l.number, QStringLiteral("a multiple-choice question cannot have parts or '=' lines"));
        } else if (t.isEmpty()) {
            continue;
        } else if (answerLine != 0) {
            error(l.number, QStringLiteral("text after the 'answer' line; start the next question with 'question'"));
        } else if (!q.options.isEmpty()) {
            error(l.number, QStringLiteral("text between the options; each option is one line '1) ...'"));
        } else {
            stem.take(l);
        }
    }
    stem.flush();
    if (q.options.size() != 4)
        error(q.line, QStringLiteral("multiple-choice question has %1 options; it needs exactly four, 1) to 4)")
                          .arg(q.options.size()));
    if (answerLine == 0)
        error(q.line, QStringLiteral("multiple-choice question has no 'answer N' line"));
}

void PaperParser::parseStructured(const QList<SourceLine> &lines, Question &q)
{
    std::unique_ptr<BlockCollector> collector = std::make_unique<BlockCollector>(*this, q.stem);
    Part *part = nullptr;
    for (const SourceLine &l : lines) {
        const QString &t = l.text;
        if (const auto m = kPart.match(t); m.hasMatch()) {
            collector.reset();
            q.parts.append(Part());
            part = &q.parts.last();
            part->line = l.number;
            collector = std::make_unique<BlockCollector>(*this, part->blocks);
            const QString text = m.captured(1).trimmed();
            if (!text.isEmpty())
                collector->startParagraph(text, l.number);
        } else if (t.startsWith(u'=')) {
            if (!part) {
                error(l.number, QStringLiteral("'=' line before the first 'part'"));
                continue;
            }
            collector->flush();
            parseAnswerLine(l, *part);
        } else if (t.isEmpty()) {
            collector->take(l);
        } else if (part && !part->answers.isEmpty()) {
            error(l.number, QStringLiteral("text after the '=' lines of a part; start a new part with 'part'"));
        } else {
            collector->take(l);
        }
    }
    collector.reset();
    for (const Part &p : q.parts)
        if (p.answers.isEmpty())
            error(p.line, QStringLiteral("part has no '=' answer line"));
}

void PaperParser::parseAnswerLine(const SourceLine &l, Part &part)
{
    const auto m = kSlotLine.match(l.text);
    const QString kind = m.captured(1), marks = m.captured(2), key = m.captured(3).trimmed();
    AnswerLine a;
    a.line = l.number;
    if (kind.size() != 1 || !QStringLiteral("TNMG").contains(kind)) {
        error(l.number, QStringLiteral("unknown answer kind '%1'; use T, N, M or G").arg(kind));
        return;
    }
    a.kind = kind.at(0);
    if (a.kind == u'G') {
        const auto g = kGroupMarks.match(marks);
        a.count = g.hasMatch() ? wholeNumber(g.captured(1)) : -1;
        a.marks = g.hasMatch() ? wholeNumber(g.captured(2)) : -1;
        if (!g.hasMatch()) {
            error(l.number, QStringLiteral("a G line gives its slots and marks as kxm, for example '= G 2x1 A; B'"));
            return;
        }
        if (a.count < 1 || a.count > kMaxQuestionSlots) {
            error(l.number, QStringLiteral("a group has 1 to %1 slots").arg(kMaxQuestionSlots));
            return;
        }
    } else {
        a.marks = wholeNumber(marks);
    }
    if (a.marks < 1 || a.marks > kMaxMarks) {
        error(l.number, QStringLiteral("marks must be a whole number from 1 to %1").arg(kMaxMarks));
        return;
    }
    if (key.isEmpty()) {
        error(l.number, QStringLiteral("answer line has no key"));
        return;
    }
    if (a.kind == u'T' || a.kind == u'N') {
        if (!checkKeyText(key, false, l.number))
            return;
        if (a.kind == u'N' && !kDecimal.match(key).hasMatch()) {
            error(l.number, QStringLiteral("an N key is a number written in decimal, such as 100 or 0.25"));
            return;
        }
        a.alternatives = {key};
    } else {
        QStringList seen;
        for (const QString &alt : key.split(u';')) {
            const QString t = alt.trimmed();
            if (t.isEmpty()) {
                error(l.number, QStringLiteral("empty alternative between ';'"));
                return;
            }
            if (!checkKeyText(t, true, l.number))
                return;
            if (a.kind == u'G' && seen.contains(t.toLower())) {
                error(l.number, QStringLiteral("'%1' is listed twice in the group").arg(t));
                return;
            }
            seen.append(t.toLower());
            a.alternatives.append(t);
        }
        if (a.kind == u'G' && a.alternatives.size() < a.count) {
            error(l.number, QStringLiteral("a group of %1 slots needs at least %1 alternatives; it has %2")
                                .arg(a.count)
                                .arg(a.alternatives.size()));
            return;
        }
    }
    part.answers.append(a);
}

bool PaperParser::checkKeyText(const QString &key, bool allowSemicolon, int line)
{
    for (QChar c : key) {
        if (c == u'>' || c == u'#') {
            error(line, QStringLiteral("answer keys cannot hold '%1'").arg(c));
            return false;
        }
        if (c == u';' && !allowSemicolon) {
            error(line, QStringLiteral("';' separates alternatives and is only allowed in M and G keys"));
            return false;
        }
        if (!TextCodec::isCp1252(c) || c.unicode() < 0x20) {
            error(line, QStringLiteral("answer key character U+%1 is not in Windows-1252")
                            .arg(c.unicode(), 4, 16, QLatin1Char('0')));
            return false;
        }
    }
    return true;
}

void PaperParser::checkQuestion(const Question &q)
{
    if (q.stem.isEmpty() && (q.multipleChoice || q.parts.isEmpty() || q.parts.first().blocks.isEmpty()))
        error(q.line, QStringLiteral("question has no text"));
    const int total = slotCountOf(q);
    if (!q.multipleChoice && !q.parts.isEmpty() && total > kMaxQuestionSlots)
        error(q.line, QStringLiteral("question has %1 answer slots; at most %2").arg(total).arg(kMaxQuestionSlots));
}
