#include "ContentCompiler.h"

#include "ProgramConfig.h"
#include "ShippedStructure.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>

using namespace Quiz;

namespace {

constexpr int kMaxTopics = ProgramConfig::kMaxTopics;
constexpr int kMaxPapers = ProgramConfig::kMaxPapers;
constexpr int kLastQuestionId = 29999;

QByteArray readFile(const QString &path, bool *ok)
{
    QFile f(path);
    *ok = f.open(QIODevice::ReadOnly);
    return *ok ? f.readAll() : QByteArray();
}

int wholeValue(const ConfigFile &config, const QString &key, int max, Diagnostics &diag)
{
    static const QRegularExpression whole(QStringLiteral("^\\d{1,3}$"));
    const ConfigFile::Record r = config.record(key);
    if (!config.has(key)) {
        diag.error(config.path(), 1, QStringLiteral("%1 is missing").arg(key));
        return -1;
    }
    if (r.values.size() != 1 || !whole.match(r.values.first()).hasMatch() || r.values.first().toInt() > max) {
        diag.error(config.path(), r.line, QStringLiteral("%1 must be one whole number from 0 to %2").arg(key).arg(max));
        return -1;
    }
    return r.values.first().toInt();
}

} // namespace

bool ContentCompiler::compile(const QString &quizDir)
{
    m_dir = quizDir;
    m_papers.clear();
    m_resources.clear();
    m_source = std::make_unique<ModuleSource>(m_diag, QDir(quizDir).filePath(QStringLiteral("pictures")));

    const QString configPath = QDir(quizDir).filePath(QStringLiteral("config.txt"));
    bool ok = false;
    const QByteArray configBytes = readFile(configPath, &ok);
    if (!ok) {
        m_diag.error(configPath, 1, QStringLiteral("cannot read the configuration"));
        return false;
    }
    m_config.parse(configPath, configBytes, m_diag);

    QMap<int, QList<Paper>> modules;
    for (int n = 1; n <= 3; ++n) {
        const QString labelKey = ConfigFile::moduleLabelKey(n);
        const QString dir = QDir(quizDir).filePath(QStringLiteral("module%1").arg(n));
        if (m_config.text(labelKey).isEmpty()) {
            const QStringList files = QDir(dir).entryList({QStringLiteral("paper*.txt")}, QDir::Files);
            if (!files.isEmpty())
                m_diag.error(m_config.path(), m_config.lineOf(labelKey),
                             QStringLiteral("module%1/ holds papers but %2 is empty").arg(n).arg(labelKey));
            continue;
        }
        const QList<Paper> papers = readModule(n);
        checkModuleConfig(n, papers);
        modules.insert(n, papers);
    }
    if (!m_diag.isEmpty())
        return false;

    m_resources.insert(kConfigId, m_config.resourceBytes());
    int nextId = kFirstQuestionId;
    for (auto it = modules.cbegin(); it != modules.cend(); ++it)
        emitModule(it.key(), it.value(), nextId);
    return m_diag.isEmpty();
}

QList<Paper> ContentCompiler::readModule(int module)
{
    const QList<Paper> papers = m_source->readPapers(QDir(m_dir).filePath(QStringLiteral("module%1").arg(module)));
    if (m_options.shipped && module == ShippedStructure::kModule)
        for (const Paper &paper : papers)
            checkShippedShape(paper);
    return papers;
}

void ContentCompiler::checkShippedShape(const Paper &paper)
{
    const ShippedStructure::PaperShape shape = ShippedStructure::shapeOf(paper.key);
    const int questions = int(paper.questions.size());
    const int total = slotCountOf(paper);
    if (questions != shape.questions || total != shape.slotCount)
        m_diag.error(paper.path, 1, QStringLiteral("paper %1 must have %2 questions and %3 answer slots; it has %4 and %5")
                                        .arg(paper.key)
                                        .arg(shape.questions)
                                        .arg(shape.slotCount)
                                        .arg(questions)
                                        .arg(total));
    if (shape.multipleChoice) {
        // Balanced keys: always typing one option must not pay.
        int keyed[5] = {};
        for (const Question &q : paper.questions)
            if (q.multipleChoice && q.answer >= 1 && q.answer <= 4)
                ++keyed[q.answer];
        const int fewest = questions / 4, most = (questions + 3) / 4;
        if (std::any_of(keyed + 1, keyed + 5, [&](int n) { return n < fewest || n > most; }))
            m_diag.error(paper.path, 1, QStringLiteral("paper %1 must key each option %2 or %3 times; "
                                                       "it keys 1) %4, 2) %5, 3) %6 and 4) %7 times")
                                            .arg(paper.key)
                                            .arg(fewest)
                                            .arg(most)
                                            .arg(keyed[1])
                                            .arg(keyed[2])
                                            .arg(keyed[3])
                                            .arg(keyed[4]));
    }
    for (int i = 0; i < questions; ++i) {
        const Question &q = paper.questions[i];
        if (q.multipleChoice != shape.multipleChoice) {
            m_diag.error(paper.path, q.line,
                         shape.multipleChoice
                             ? QStringLiteral("paper %1 is a multiple-choice paper; question %2 is not multiple choice")
                                   .arg(paper.key)
                                   .arg(i + 1)
                             : QStringLiteral("paper %1 is a typed-answer paper; question %2 is multiple choice")
                                   .arg(paper.key)
                                   .arg(i + 1));
        }
    }
}

void ContentCompiler::checkModuleConfig(int module, const QList<Paper> &papers)
{
    const QString n = QString::number(module);
    const QString tt = QStringLiteral("TT") + n, tp = QStringLiteral("TP") + n, tn = QStringLiteral("TN") + n;
    const int topics = wholeValue(m_config, tt, kMaxTopics, m_diag);
    const int paperCount = wholeValue(m_config, tp, kMaxPapers, m_diag);
    if (topics < 0 || paperCount < 0)
        return;
    if (paperCount != 5 * topics)
        m_diag.error(m_config.path(), m_config.lineOf(tp),
                     QStringLiteral("%1 must be five times %2 (%3)").arg(tp, tt).arg(5 * topics));

    QStringList names = m_config.record(tn).values;
    // With no topics yet, "#TNn#>" (one empty name) stands for an empty list.
    if (topics == 0 && names == QStringList{QString()})
        names.clear();
    if (!m_config.has(tn)) {
        m_diag.error(m_config.path(), 1, QStringLiteral("%1 is missing").arg(tn));
    } else if (names.size() != topics) {
        m_diag.error(m_config.path(), m_config.lineOf(tn),
                     QStringLiteral("%1 lists %2 topic names but %3 is %4").arg(tn).arg(names.size()).arg(tt).arg(topics));
    } else if (names.contains(QString())) {
        m_diag.error(m_config.path(), m_config.lineOf(tn), QStringLiteral("%1 has an empty topic name").arg(tn));
    }

    QList<int> present;
    for (const Paper &p : papers)
        present.append(p.key);

    if (m_options.shipped && module == ShippedStructure::kModule) {
        // Topics are listed from topic 1 for as long as all five papers exist.
        int complete = 0;
        while (complete < kMaxTopics) {
            bool all = true;
            for (int j = 1; j <= 5; ++j)
                all = all && present.contains(100 + 5 * complete + j);
            if (!all)
                break;
            ++complete;
        }
        if (topics != complete)
            m_diag.error(m_config.path(), m_config.lineOf(tt),
                         QStringLiteral("%1 must be %2: topics 1 to %2 have all five papers").arg(tt).arg(complete));
        const QStringList expected = ShippedStructure::topicNames().mid(0, complete);
        if (names.size() == topics && topics == complete && names != expected)
            m_diag.error(m_config.path(), m_config.lineOf(tn),
                         QStringLiteral("%1 must list the topic names \"%2\"").arg(tn, expected.join(QStringLiteral("\", \""))));
        return;
    }
    for (int key = 101; key <= 100 + paperCount; ++key)
        if (!present.contains(key))
            m_diag.error(m_config.path(), m_config.lineOf(tp),
                         QStringLiteral("%1 lists %2 papers but module%3/paper%4.txt is missing")
                             .arg(tp).arg(paperCount).arg(module).arg(key));
}

void ContentCompiler::emitModule(int module, const QList<Paper> &all, int &nextId)
{
    const int paperCount = m_config.text(QStringLiteral("TP%1").arg(module)).toInt();
    QList<Paper> papers;
    for (const Paper &p : all)
        if (p.key <= 100 + paperCount)
            papers.append(p);
    m_papers.insert(module, papers);
    m_source->emitResources(module, papers, paperCount, nextId, kLastQuestionId, m_resources);
}

bool ContentCompiler::write(const QString &outDir, QString *error) const
{
    QDir dir(outDir);
    if (!dir.mkpath(QStringLiteral("."))) {
        *error = QStringLiteral("cannot create %1").arg(outDir);
        return false;
    }
    QByteArray qrc = "<RCC><qresource prefix=\"/res\">\n";
    for (auto it = m_resources.cbegin(); it != m_resources.cend(); ++it) {
        const QByteArray id = QByteArray::number(it.key());
        QFile f(dir.filePath(QString::fromLatin1(id)));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(it.value()) != it.value().size()) {
            *error = QStringLiteral("cannot write %1").arg(f.fileName());
            return false;
        }
        qrc += "<file alias=\"" + id + "\">" + id + "</file>\n";
    }
    qrc += "</qresource></RCC>\n";
    QFile f(dir.filePath(QStringLiteral("resources.qrc")));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(qrc) != qrc.size()) {
        *error = QStringLiteral("cannot write %1").arg(f.fileName());
        return false;
    }
    return true;
}
