#include "Resources.h"

#include "SafeFile.h"

#include <QFile>
#include <QHash>
#include <QReadWriteLock>
#include <QResource>

#include <optional>

namespace {

QString resourcePath(int id)
{
    return QStringLiteral(":/res/") + QString::number(id);
}

QReadWriteLock addedLock;
QHash<int, QByteArray> added;
QList<std::shared_ptr<const void>> addedOwners;

std::optional<QByteArray> addedBytes(int id)
{
    const QReadLocker lock(&addedLock);
    const auto it = added.constFind(id);
    if (it == added.cend())
        return std::nullopt;
    return *it;
}

// The bytes of a resource, looked up once; nothing when there is no such
// resource (an empty resource gives empty bytes).
std::optional<QByteArray> resourceBytes(int id)
{
    if (std::optional<QByteArray> bytes = addedBytes(id))
        return bytes;
    const QResource resource(resourcePath(id));
    if (!resource.isValid())
        return std::nullopt;
    // Stored plainly, the bytes are read in place inside the program file.
    if (resource.compressionAlgorithm() == QResource::NoCompression)
        return QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()),
                                       qsizetype(resource.size()));
    return resource.uncompressedData();
}

} // namespace

namespace Module3 {

bool ResourceExists(int id)
{
    return addedBytes(id).has_value() || InProgramFile(id);
}

bool InProgramFile(int id)
{
    return QFile::exists(resourcePath(id));
}

bool AddResources(const QMap<int, QByteArray> &resources, std::shared_ptr<const void> owner)
{
    for (auto it = resources.cbegin(); it != resources.cend(); ++it)
        if (InProgramFile(it.key()))
            return false;
    const QWriteLocker lock(&addedLock);
    for (auto it = resources.cbegin(); it != resources.cend(); ++it)
        added.insert(it.key(), it.value());
    if (owner)
        addedOwners.append(std::move(owner));
    return true;
}

void RemoveAddedResources()
{
    const QWriteLocker lock(&addedLock);
    added.clear();
    addedOwners.clear();
}

QByteArray ResourceBytes(int id)
{
    return resourceBytes(id).value_or(QByteArray());
}

int ExtractResource(int id, const QString &type, const QString &path, bool durable)
{
    // Every resource of this program has the one type "Custom".
    if (type.compare(QLatin1String("Custom"), Qt::CaseInsensitive) != 0)
        return ErrNoSuchResource;
    const std::optional<QByteArray> bytes = resourceBytes(id);
    if (!bytes)
        return ErrNoSuchResource;
    const auto durability = durable ? SafeFile::Durability::Durable : SafeFile::Durability::Fast;
    SafeFile::Failure failure;
    if (SafeFile::write(path, *bytes, durability, &failure))
        return ExtractOk;
    return failure.noRoom() ? ErrDiskFull : ErrWriteFailed;
}

} // namespace Module3
