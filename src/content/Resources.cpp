#include "Resources.h"

#include "SafeFile.h"

#include <QFile>
#include <QResource>

#include <optional>

namespace {

QString resourcePath(int id)
{
    return QStringLiteral(":/res/") + QString::number(id);
}

// The bytes of a resource, looked up once; nothing when there is no such
// resource (an empty resource gives empty bytes).
std::optional<QByteArray> resourceBytes(int id)
{
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
    return QFile::exists(resourcePath(id));
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
    return SafeFile::write(path, *bytes, durability) ? ExtractOk : ErrWriteFailed;
}

} // namespace Module3
