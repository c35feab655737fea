#include "ModuleCache.h"

#include "SafeFile.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr quint32 kMagic = 0x54534d43; // "TSMC"
constexpr quint32 kFormat = 1;

void addFile(QCryptographicHash &hash, const QFileInfo &info)
{
    QByteArray entry;
    QDataStream ds(&entry, QIODevice::WriteOnly);
    // Both times: an editor may keep the modification time, but the change
    // time follows every write.
    ds << info.fileName() << info.size()
       << info.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch()
       << info.fileTime(QFileDevice::FileMetadataChangeTime).toMSecsSinceEpoch();
    hash.addData(entry);
}

void addFolder(QCryptographicHash &hash, const QString &folder)
{
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
    hash.addData(QByteArray::number(files.size()));
    for (const QFileInfo &info : files)
        addFile(hash, info);
}

// A result read back must be one the compiler could have made.
bool plausible(const ModuleFolder::Result &r)
{
    if (!r.ok)
        return r.resources.isEmpty() && !r.problems.isEmpty();
    const ModuleHeader &h = r.header;
    if ((h.slot != 1 && h.slot != 3) || h.topics.isEmpty() || h.topics.size() > ModuleHeader::kMaxTopics
        || h.paperCount != 5 * h.topics.size() || h.label.isEmpty() || !r.problems.isEmpty())
        return false;
    const int first = ModuleFolder::firstQuestionId(h.slot);
    for (auto it = r.resources.cbegin(); it != r.resources.cend(); ++it) {
        const int id = it.key();
        const int table = id - 30000 - 10 * h.slot;
        const int templ = id - 30100 - 10 * h.slot;
        const bool page = id >= first && id < first + ModuleFolder::kQuestionIdsPerSlot;
        if (!page && !(table >= 2 && table <= 5) && !(templ >= 1 && templ <= 6))
            return false;
    }
    return r.resources.size() == 10 + r.questionCount;
}

} // namespace

namespace ModuleCache {

QByteArray fingerprint(const QString &folder, const QString &programFile)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(QByteArray::number(kFormat));
    hash.addData(QFileInfo(folder).canonicalFilePath().toUtf8());
    // A new program may build other pages from the same papers.
    addFile(hash, QFileInfo(programFile));
    addFolder(hash, folder);
    addFolder(hash, QDir(folder).filePath(QStringLiteral("pictures")));
    return hash.result();
}

std::optional<ModuleFolder::Result> read(const QString &cacheFile, const QByteArray &fingerprint)
{
    QFile f(cacheFile);
    if (f.size() > kMaxCacheBytes || !f.open(QIODevice::ReadOnly))
        return std::nullopt;
    QDataStream ds(&f);
    ds.setVersion(QDataStream::Qt_6_4);
    quint32 magic = 0, format = 0;
    QByteArray stored;
    ds >> magic >> format >> stored;
    if (ds.status() != QDataStream::Ok || magic != kMagic || format != kFormat || stored != fingerprint)
        return std::nullopt;
    ModuleFolder::Result r;
    qint32 slot = 0, slotLine = 0, paperCount = 0, questionCount = 0, problems = 0;
    ds >> r.ok >> r.header.label >> slot >> slotLine >> r.header.topics >> paperCount >> questionCount >> problems;
    r.header.slot = slot;
    r.header.slotLine = slotLine;
    r.header.paperCount = paperCount;
    r.questionCount = questionCount;
    for (qint32 i = 0; i < problems && ds.status() == QDataStream::Ok; ++i) {
        Diagnostics::Entry e;
        qint32 line = 0;
        ds >> e.file >> line >> e.message;
        e.line = line;
        r.problems.append(e);
    }
    ds >> r.resources;
    if (ds.status() != QDataStream::Ok || !ds.atEnd() || !plausible(r))
        return std::nullopt;
    return r;
}

bool write(const QString &cacheFile, const QByteArray &fingerprint, const ModuleFolder::Result &r)
{
    QByteArray bytes;
    QDataStream ds(&bytes, QIODevice::WriteOnly);
    ds.setVersion(QDataStream::Qt_6_4);
    ds << kMagic << kFormat << fingerprint;
    ds << r.ok << r.header.label << qint32(r.header.slot) << qint32(r.header.slotLine) << r.header.topics << qint32(r.header.paperCount)
       << qint32(r.questionCount) << qint32(r.problems.size());
    for (const Diagnostics::Entry &e : r.problems)
        ds << e.file << qint32(e.line) << e.message;
    ds << r.resources;
    if (!QDir().mkpath(QFileInfo(cacheFile).path()))
        return false;
    // Made again from the folder when lost.
    return SafeFile::write(cacheFile, bytes, SafeFile::Durability::Fast);
}

} // namespace ModuleCache
