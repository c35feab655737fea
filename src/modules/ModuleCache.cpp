#include "ModuleCache.h"

#include "SafeFile.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

constexpr quint32 kMagic = 0x54534d43; // "TSMC"
constexpr quint32 kFormat = 2;

// A file by its name, size and times. Both times: an editor may keep the
// modification time, but the change time follows every write.
void addFile(QCryptographicHash &hash, const QString &path, const QString &name)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return;
    const qint64 facts[] = {qint64(st.st_size), qint64(st.st_mtim.tv_sec), qint64(st.st_mtim.tv_nsec),
                            qint64(st.st_ctim.tv_sec), qint64(st.st_ctim.tv_nsec)};
    hash.addData(name.toUtf8());
    hash.addData(QByteArrayView(reinterpret_cast<const char *>(facts), sizeof facts));
}

void addFolder(QCryptographicHash &hash, const QString &folder)
{
    const QDir dir(folder);
    const QStringList files = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    hash.addData(QByteArray::number(files.size()));
    for (const QString &name : files)
        addFile(hash, dir.filePath(name), name);
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
    addFile(hash, programFile, QString());
    addFolder(hash, folder);
    addFolder(hash, QDir(folder).filePath(QStringLiteral("pictures")));
    return hash.result();
}

std::optional<Cached> read(const QString &cacheFile, const QByteArray &fingerprint)
{
    auto file = std::make_shared<QFile>(cacheFile);
    const qint64 size = file->size();
    if (size > kMaxCacheBytes || !file->open(QIODevice::ReadOnly))
        return std::nullopt;
    // Mapped, a page is read from the disk only when a pupil opens it. The
    // cache is only ever replaced whole, never changed in place, so the
    // mapping stays as it was read.
    const uchar *data = file->map(0, size);
    std::shared_ptr<const void> backing = file;
    if (!data) {
        auto bytes = std::make_shared<QByteArray>(file->readAll());
        if (bytes->size() != size)
            return std::nullopt;
        data = reinterpret_cast<const uchar *>(bytes->constData());
        backing = bytes;
    }
    const QByteArray all = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QDataStream ds(all);
    ds.setVersion(QDataStream::Qt_6_4);
    quint32 magic = 0, format = 0;
    QByteArray stored;
    ds >> magic >> format >> stored;
    if (ds.status() != QDataStream::Ok || magic != kMagic || format != kFormat || stored != fingerprint)
        return std::nullopt;
    Cached cached;
    ModuleFolder::Result &r = cached.result;
    qint32 slot = 0, slotLine = 0, paperCount = 0, questionCount = 0, problems = 0, count = 0;
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
    ds >> count;
    struct Entry {
        qint32 id;
        quint32 offset, length;
    };
    QList<Entry> index;
    for (qint32 i = 0; i < count && ds.status() == QDataStream::Ok; ++i) {
        Entry e{};
        ds >> e.id >> e.offset >> e.length;
        index.append(e);
    }
    if (ds.status() != QDataStream::Ok)
        return std::nullopt;
    // The resources' bytes follow the index.
    const qint64 start = ds.device()->pos();
    for (const Entry &e : std::as_const(index)) {
        if (qint64(e.offset) + e.length > size - start)
            return std::nullopt;
        r.resources.insert(e.id, QByteArray::fromRawData(all.constData() + start + e.offset, qsizetype(e.length)));
    }
    if (!plausible(r))
        return std::nullopt;
    cached.backing = std::move(backing);
    return cached;
}

bool write(const QString &cacheFile, const QByteArray &fingerprint, const ModuleFolder::Result &r)
{
    QByteArray bytes;
    QDataStream ds(&bytes, QIODevice::WriteOnly);
    ds.setVersion(QDataStream::Qt_6_4);
    ds << kMagic << kFormat << fingerprint;
    ds << r.ok << r.header.label << qint32(r.header.slot) << qint32(r.header.slotLine) << r.header.topics
       << qint32(r.header.paperCount) << qint32(r.questionCount) << qint32(r.problems.size());
    for (const Diagnostics::Entry &e : r.problems)
        ds << e.file << qint32(e.line) << e.message;
    ds << qint32(r.resources.size());
    quint32 offset = 0;
    for (auto it = r.resources.cbegin(); it != r.resources.cend(); ++it) {
        ds << qint32(it.key()) << offset << quint32(it.value().size());
        offset += quint32(it.value().size());
    }
    for (const QByteArray &resource : r.resources)
        bytes += resource;
    if (!QDir().mkpath(QFileInfo(cacheFile).path()))
        return false;
    // Made again from the folder when lost.
    return SafeFile::write(cacheFile, bytes, SafeFile::Durability::Fast);
}

} // namespace ModuleCache
