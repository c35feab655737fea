#include "Resources.h"

#include "SafeFile.h"

#include <QFile>

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
    QFile file(resourcePath(id));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

int ExtractResource(int id, const QString &type, const QString &path, bool durable)
{
    // Every resource of this program has the one type "Custom".
    if (type.compare(QLatin1String("Custom"), Qt::CaseInsensitive) != 0)
        return ErrNoSuchResource;
    QFile file(resourcePath(id));
    if (!file.open(QIODevice::ReadOnly))
        return ErrNoSuchResource;
    const QByteArray bytes = file.readAll();
    const auto durability = durable ? SafeFile::Durability::Durable : SafeFile::Durability::Fast;
    return SafeFile::write(path, bytes, durability) ? ExtractOk : ErrWriteFailed;
}

} // namespace Module3
