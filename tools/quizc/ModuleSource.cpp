#include "ModuleSource.h"

#include "PageArchive.h"
#include "PageHtml.h"
#include "PaperParser.h"
#include "ProgramConfig.h"
#include "TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>

using namespace Quiz;

namespace {

constexpr int kMaxPaperSlots = 80;

QString record(const QString &key, const QStringList &values)
{
    QString line = QLatin1Char('#') + key + QLatin1Char('#');
    for (const QString &v : values)
        line += QLatin1Char('>') + v;
    return line;
}

// A text resource: "..." framing lines, CR LF after every line.
QByteArray framed(const QStringList &lines)
{
    QString text = QStringLiteral("...\r\n");
    for (const QString &l : lines)
        text += l + QStringLiteral("\r\n");
    text += QStringLiteral("...\r\n");
    return TextCodec::toCp1252(text);
}

// A results template: framed the same way but without the final CR LF.
QByteArray framedTemplate(const QStringList &lines)
{
    QByteArray bytes = framed(lines);
    bytes.chop(2);
    return bytes;
}

QString sizeText(qint64 bytes)
{
    return QStringLiteral("%1 KB").arg((bytes + 1023) / 1024);
}

// What in a diagram could run or fetch anything, or "" when nothing does.
// Pages show diagrams as pictures, which run no scripts; a diagram that
// asks for one is refused all the same, with a reason its writer can act on.
QString activeContent(QXmlStreamReader &xml)
{
    static const QStringList elements{QStringLiteral("script"), QStringLiteral("foreignObject"),
                                      QStringLiteral("iframe"), QStringLiteral("embed"),
                                      QStringLiteral("object"), QStringLiteral("handler")};
    const QString name = xml.name().toString();
    if (elements.contains(name, Qt::CaseInsensitive))
        return QStringLiteral("holds a <%1> element").arg(name);
    for (const QXmlStreamAttribute &a : xml.attributes()) {
        const QString attr = a.name().toString();
        if (attr.startsWith(QLatin1String("on"), Qt::CaseInsensitive))
            return QStringLiteral("has an event attribute %1").arg(attr);
        // Links within the drawing ("#arrow") are fine; anything else would
        // reach outside it.
        if (attr.compare(QLatin1String("href"), Qt::CaseInsensitive) == 0
            && !a.value().trimmed().startsWith(u'#'))
            return QStringLiteral("links to \"%1\"; only links inside the drawing (\"#name\") are allowed")
                .arg(a.value().toString().left(60));
        if (a.value().contains(QLatin1String("url("), Qt::CaseInsensitive)
            && !a.value().contains(QLatin1String("url(#"), Qt::CaseInsensitive))
            return QStringLiteral("refers to something outside the drawing in %1").arg(attr);
    }
    return {};
}

} // namespace

ModuleSource::ModuleSource(Diagnostics &diagnostics, QString picturesDir)
    : ModuleSource(diagnostics, std::move(picturesDir), Limits())
{
}

ModuleSource::ModuleSource(Diagnostics &diagnostics, QString picturesDir, Limits limits)
    : m_diag(diagnostics), m_picturesDir(std::move(picturesDir)), m_limits(std::move(limits))
{
}

bool ModuleSource::readBounded(const QString &path, qint64 max, QByteArray *bytes, QString *why)
{
    const QFileInfo info(path);
    if (!m_limits.confineTo.isEmpty()) {
        const QString real = info.canonicalFilePath();
        if (real.isEmpty() || !real.startsWith(m_limits.confineTo + QLatin1Char('/'))) {
            *why = QStringLiteral("lies outside the module folder (it is a link)");
            return false;
        }
    }
    if (max > 0 && info.size() > max) {
        *why = QStringLiteral("is %1, more than the %2 allowed").arg(sizeText(info.size()), sizeText(max));
        return false;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *why = QStringLiteral("cannot be read");
        return false;
    }
    *bytes = max > 0 ? f.read(max + 1) : f.readAll();
    if (max > 0 && bytes->size() > max) {
        *why = QStringLiteral("grew beyond the %1 allowed while it was read").arg(sizeText(max));
        return false;
    }
    m_bytesRead += bytes->size();
    return true;
}

QList<Paper> ModuleSource::readPapers(const QString &dirPath)
{
    static const QRegularExpression paperName(QStringLiteral("^paper(\\d+)\\.txt$"));
    const QDir dir(dirPath);
    QMap<int, Paper> byKey;
    for (const QString &name : dir.entryList({QStringLiteral("paper*.txt")}, QDir::Files, QDir::Name)) {
        const QString path = dir.filePath(name);
        const auto m = paperName.match(name);
        const int key = m.hasMatch() && m.captured(1).size() == 3 ? m.captured(1).toInt() : 0;
        if (key < 101 || key > 100 + ProgramConfig::kMaxPapers) {
            m_diag.error(path, 1, QStringLiteral("paper files are named paper101.txt to paper150.txt"));
            continue;
        }
        QByteArray bytes;
        QString why;
        if (!readBounded(path, m_limits.maxPaperBytes, &bytes, &why)) {
            m_diag.error(path, 1, QStringLiteral("the paper %1").arg(why));
            continue;
        }
        PaperParser parser(m_diag);
        Paper paper = parser.parse(path, key, bytes);
        if (const int total = slotCountOf(paper); total > kMaxPaperSlots)
            m_diag.error(path, 1, QStringLiteral("paper has %1 answer slots; at most %2").arg(total).arg(kMaxPaperSlots));
        checkPictures(paper);
        byKey.insert(key, paper);
    }
    return byKey.values();
}

void ModuleSource::checkPictures(const Paper &paper)
{
    for (const Question &q : paper.questions) {
        QList<const Block *> blocks;
        for (const Block &b : q.stem)
            blocks.append(&b);
        for (const Part &p : q.parts)
            for (const Block &b : p.blocks)
                blocks.append(&b);
        for (const Block *b : blocks)
            if (b->type == Block::Picture)
                checkPicture(paper.path, b->line, b->picture);
    }
}

void ModuleSource::checkPicture(const QString &file, int line, const QString &name)
{
    if (m_pictures.contains(name))
        return;
    const QDir dir(m_picturesDir);
    if (!dir.exists(name)) {
        QString hint;
        for (const QString &other : dir.entryList(QDir::Files))
            if (other.compare(name, Qt::CaseInsensitive) == 0)
                hint = QStringLiteral("; did you mean %1?").arg(other);
        m_diag.error(file, line, QStringLiteral("picture %1 does not exist in pictures/%2").arg(name, hint));
        return;
    }
    QByteArray bytes;
    QString why;
    const bool ok = readBounded(dir.filePath(name), m_limits.maxPictureBytes, &bytes, &why);
    QXmlStreamReader xml(bytes);
    bool svgRoot = false;
    while (ok && !xml.atEnd() && why.isEmpty()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::DTD) {
            why = QStringLiteral("has a <!DOCTYPE>; a drawing needs none");
        } else if (token == QXmlStreamReader::StartElement) {
            if (!svgRoot) {
                svgRoot = xml.name() == u"svg";
                if (!svgRoot)
                    break;
            }
            why = activeContent(xml);
        }
    }
    if (ok && why.isEmpty() && (xml.hasError() || !svgRoot))
        why = xml.hasError() ? QStringLiteral("is not well-formed (%1 at its line %2)")
                                   .arg(xml.errorString())
                                   .arg(xml.lineNumber())
                             : QStringLiteral("has no <svg> root element");
    if (!why.isEmpty()) {
        m_diag.error(file, line, QStringLiteral("picture %1 %2").arg(name, why));
        return;
    }
    m_pictures.insert(name, bytes);
}

void ModuleSource::emitResources(int module, const QList<Paper> &papers, int paperCount, int &nextId, int lastId,
                        QMap<int, QByteArray> &out)
{
    QStringList lists, keys, kinds, values;
    QStringList marksEmpty(paperCount), marksZero(paperCount, QStringLiteral("0"));
    QStringList answerLines;
    for (const Paper &paper : papers) {
        QStringList ids;
        for (const Question &q : paper.questions) {
            const int id = nextId++;
            if (id > lastId) {
                m_diag.error(paper.path, q.line, QStringLiteral("more questions than page ids up to %1").arg(lastId));
                return;
            }
            const QString key = QString::number(id);
            ids.append(key);
            QStringList k, t, v;
            for (const Slot &s : slotsOf(q)) {
                k.append(s.key);
                t.append(s.kind);
                v.append(QString::number(s.value));
            }
            keys.append(record(key, k));
            kinds.append(record(key, t));
            values.append(record(key, v));

            QList<PageArchive::Picture> pictures;
            QStringList seen;
            auto collect = [&](const QList<Block> &blocks) {
                for (const Block &b : blocks)
                    if (b.type == Block::Picture && !seen.contains(b.picture)) {
                        seen.append(b.picture);
                        pictures.append({b.picture, m_pictures.value(b.picture)});
                    }
            };
            collect(q.stem);
            for (const Part &p : q.parts)
                collect(p.blocks);
            out.insert(id, PageArchive::build(id, PageHtml::build(q, id), pictures));
        }
        const QString paperKey = QString::number(paper.key);
        lists.append(record(paperKey, ids));
        answerLines.append(record(paperKey, QStringList(slotCountOf(paper))));
    }

    const int base = 30000 + 10 * module;
    out.insert(base + 2, framed(lists));
    out.insert(base + 3, framed(keys));
    out.insert(base + 4, framed(kinds));
    out.insert(base + 5, framed(values));

    const int templates = 30100 + 10 * module;
    out.insert(templates + 1,
               framedTemplate({record(QStringLiteral("FSE"), marksEmpty), record(QStringLiteral("SSE"), marksEmpty),
                               record(QStringLiteral("LTM"), marksEmpty), record(QStringLiteral("CDD"), marksEmpty),
                               record(QStringLiteral("FST"), marksZero), record(QStringLiteral("SST"), marksZero)}));
    for (int k = 2; k <= 5; ++k)
        out.insert(templates + k, framedTemplate(answerLines));
    out.insert(templates + 6, QByteArrayLiteral("#TRD#"));
}
