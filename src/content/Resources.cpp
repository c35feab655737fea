#include "Resources.h"

#include "SafeFile.h"

#include <QFile>
#include <QResource>

namespace {

QString resourcePath(int id)
{
    return QStringLiteral(":/res/") + QString::number(id);
}

} // namespace

namespace Module3 {

bool ResourceExists(int id)
{
    return QFile::exists(resourcePath(id));
}

QByteArray ResourceBytes(int id)
{
    const QResource resource(resourcePath(id));
    if (!resource.isValid())
        return {};
    // Stored plainly, the bytes are read in place inside the program file.
    if (resource.compressionAlgorithm() == QResource::NoCompression)
        return QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()),
                                       qsizetype(resource.size()));
    return resource.uncompressedData();
}

int ExtractResource(int id, const QString &type, const QString &path, bool durable)
{
    // Every resource of this program has the one type "Custom".
    if (type.compare(QLatin1String("Custom"), Qt::CaseInsensitive) != 0)
        return ErrNoSuchResource;
    if (!ResourceExists(id))
        return ErrNoSuchResource;
    const QByteArray bytes = ResourceBytes(id);
    const auto durability = durable ? SafeFile::Durability::Durable : SafeFile::Durability::Fast;
    return SafeFile::write(path, bytes, durability) ? ExtractOk : ErrWriteFailed;
}

} // namespace Module3
